#pragma once
// The file-system calls that decide whether data survives a fault: creating,
// writing and syncing a work file, the two renames that put it in place, and
// the locks that keep two writers apart. They go through one object so that
// tests can make any single step fail and check that nothing was lost.
//
// Every call returns 0 on success or the errno value of the failure.

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace vitramor {

class SistemFisiere {
public:
    virtual ~SistemFisiere() = default;

    // Creates (or truncates) a file for writing; `fd` receives its descriptor.
    // Only a regular file or a name not taken yet (see RefuzaNeobisnuit).
    virtual int creeaza(const std::string& cale, int& fd);
    // Writes all `n` bytes or fails.
    virtual int scrie(int fd, const void* date, std::size_t n);
    // The same at a position of the file, leaving the file offset alone.
    virtual int scrieLa(int fd, const void* date, std::size_t n, off_t pozitie);
    // Cuts the file to `lungime` bytes (a failed append taken back, a
    // partial record dropped).
    virtual int trunchiaza(int fd, off_t lungime);
    // Data and length on the disk.
    virtual int sincronizeaza(int fd);
    // The same without waiting for the time stamps: a store in place, which
    // changes a record and perhaps the length, needs nothing more.
    virtual int sincronizeazaDate(int fd);
    // Both names must be regular files or name nothing (RefuzaNeobisnuit).
    virtual int redenumeste(const std::string& din, const std::string& in);
    // The directory entry of `cale` on the disk: after a rename, the name
    // change is durable only once its directory is synced.
    virtual int sincronizeazaDirector(const std::string& cale);
    // A lock on an open file or directory: exclusive for writers, shared
    // for readers. EAGAIN (or EACCES) when another holder has a conflicting one.
    virtual int blocheaza(int fd, bool exclusiv);
    virtual int deblocheaza(int fd);
    // The process holding a lock that conflicts with the wanted one, or 0.
    virtual long cineBlocheaza(int fd, bool exclusiv);
};

// The calls of the operating system.
SistemFisiere& sistemFisiereImplicit();

// What `cale` is when it is neither a regular file nor absent ("un director",
// "un FIFO", ...), found without opening it; empty otherwise. A link counts
// as what it points to, and a link to nothing as absent.
std::string DescriereNeobisnuit(const std::string& cale);

// Data are written only into a regular file or under a name not taken yet.
// Writing over a device node, a FIFO, a socket or a directory, or renaming
// one aside as an archive, would take the name from something that is no
// data file (a test machine lost its disk device that way), so creating a
// work file and both renames of a replacement refuse it here, whatever the
// user answered before. 0, or EPERM after a message naming the path and
// what it is.
int RefuzaNeobisnuit(const std::string& cale);
// The refusal's text ("<cale> este ..., nu un fisier obisnuit: ..."), or
// empty when `cale` may be written: the reason of an outcome that fails.
std::string TextNeobisnuit(const std::string& cale);

}  // namespace vitramor
