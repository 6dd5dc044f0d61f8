#pragma once
// File and directory helpers behind one discipline: a data file is never
// overwritten in place. New content goes to a temporary file, the old file
// becomes the next numbered archive copy ("name#_N.ext"), and only then
// the temporary file takes the data file's name. The helpers of the write
// path return the outcome with the reason of a failure, for their caller to
// pass up and the window or the command line to report once; the others
// return 1 for success, 0 for failure unless their comment says otherwise.
//
// Paths are used as given: this file system is case-sensitive, so nothing is
// upper-cased. Paths without a drive letter are plain POSIX paths; a relative
// path is relative to the current directory, which no code changes: a
// directory reaches the code as a value and files are opened by the path
// built from it.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fileutil/FisierDeschis.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"

namespace vitramor {

inline constexpr int LimitaArhive = 20;
inline constexpr int LungimeMaximaExtensie = 15;

// "%s#_%d.%s": the first archive name of `cale` that names no existing file,
// deleting the newest archive when the index would pass `limita`. Fails
// for a name without an extension (no archive name can be made).
RezultatOperatie CreazaNumeFisierArhiva(const std::string& cale, std::string& numeArhiva, int limita = LimitaArhive);

// Archives (or deletes) the data file and renames the temporary file, both
// closed by the caller, into its place; an empty temporary file is deleted instead,
// unless `golPastrat` says that empty is a content of its own (a database
// whose last material was deleted is an empty database, not a missing one).
RezultatOperatie InlocuiesteFisierCuTemporar(const std::string& caleDate, const std::string& caleTemp,
                                             bool golPastrat = false);

// The newest archive copy of `cale` ("name#_N.ext" with the newest creation
// time), or empty when there is none.
std::string ArhivaCeaMaiNoua(const std::string& cale);
// Every archive copy of `cale`, the newest first; whatever stands under an
// archive name is listed, for the caller to vet.
std::vector<std::string> ArhiveDeLaCeaMaiNoua(const std::string& cale);

// Puts a copy of `arhiva` in place as `cale` (through `cale`.tmp, synced,
// then renamed); the archive stays. Done with TextArhivaRestaurata as its
// reason, or failed with the reason.
RezultatOperatie RestaureazaArhiva(const std::string& arhiva, const std::string& cale);
// "Fisierul %s a fost restaurat din %s".
std::string TextArhivaRestaurata(const std::string& arhiva, const std::string& cale);

// Copies the file into its next archive name and leaves the file in place;
// done with "S-a creat fisier arhiva <name>" as its reason.
RezultatOperatie CopiazaInArhiva(const std::string& cale, int limita = LimitaArhive);

// Opens `numeFisier` in `director` (the current directory when empty). A
// directory that cannot be entered fails with DeCeDirectorInaccesibil's
// reason, a file missing for a read with ExistaFisier's text.
RezultatOperatie DeschideInDirector(const std::string& director, const std::string& numeFisier, const char* mod,
                                    std::FILE*& f);
// `director`/`numeFisier`; the name alone when the directory is empty or the
// name is absolute.
std::string CaleInDirector(const std::string& director, const std::string& numeFisier);
// "<file name> din <absolute directory>": how messages name a file.
std::string FisierDinDirector(const std::string& cale);

// The one opening of data files (database, catalogues, JSON documents),
// failed with the reason: what the path is when it is no regular file
// (errno EINVAL), else "Eroare deschidere fisier <file din directory>:" and
// the system's text (errno its code). Nothing is shown.
RezultatOperatie DeschideFisierObisnuit(const std::string& cale, const char* mod, std::FILE*& f);

// True when `cale` names something that exists and is not a regular file (a
// FIFO, a device, a socket, a directory), found without opening it: opening
// a FIFO blocks and a device reads without end. Readers that open through a
// stream ask this first.
bool EsteNeobisnuit(const std::string& cale);
int ExistaFisier(const std::string& director, const std::string& numeFisier, bool raporteaza);
int MarimeFisier(const std::string& numeFisier, const std::string& director, std::uint64_t& marime);
// 1 when `cale` is a directory whose files can be reached (it exists and may
// be searched), without changing into it; DeCeDirectorInaccesibil says why
// not.
int ExistaDirector(const std::string& cale);
// Why `cale` is not a directory whose files can be reached ("Eroare
// schimbare director <cale>:" and the system's text), or empty when it is.
std::string DeCeDirectorInaccesibil(const std::string& cale);
// Creates the directory with its missing parents; a relative path is
// added to the current directory only on the user's Yes (cancelled on No).
RezultatOperatie CreazaDirector(Intrebari& intrebari, const std::string& cale);
// The same after asking whether to create a directory that does not exist.
RezultatOperatie CreazaDirectorCuIntrebare(Intrebari& intrebari, const std::string& cale);
// 1 and the extension of `cale` when it has one of at most `lungimeMaxima`
// characters, 0 otherwise.
int ReturneazaExtensieFisier(const std::string& cale, std::string& extensie, int lungimeMaxima);
std::string NumeFaraExtensie(const std::string& cale);

// Writes a file whole (a picture, the message list, a column association,
// an export): to `cale`.tmp first, synced to the disk, then renamed over the
// name, so that a failed write leaves an older file of that name as it was;
// with `arhiveaza` the older file becomes its next archive copy, as the
// exports keep theirs. A device, a FIFO or a directory of that name is
// refused and left alone. Failed with the reason: the refusal's text
// (TextNeobisnuit), the archive step's, or "Eroare scriere fisier <cale>:"
// and the system's text.
RezultatOperatie ScrieFisierIntreg(const std::string& cale, std::string_view continut, bool arhiveaza = false);

// The lines of a small text file (a list, the categories), without their
// line ends: the one reading of such files. Something that is not a regular
// file, or a file past 16 MB (no list is that long), is not read. Returns 0
// when the file cannot be read.
int CitesteLiniiText(const std::string& director, const std::string& numeFisier, std::vector<std::string>& linii);

// The data lines of a list file (categories, roles), each trimmed of blanks
// and control characters: blank lines and comment lines (first character
// ";", "\" or "#") are left out. Every list counts its entries from 0
// over these lines, so a number stored by one list names the same entry in
// every other. Returns 0 when the file cannot be read.
int CitesteLiniiDateText(const std::string& director, const std::string& numeFisier, std::vector<std::string>& date);

// One entry of a tab-separated list file: its text (field 1), its flag
// (field 2, 0 when absent) and its number counted from 0 over the data lines.
struct IntrareListaText {
    std::string text;
    int indicator = 0;
    int numar = 0;
};
// Reads a list file and returns the entries the filter mode admits:
// 0 every entry, 2 flags 0 and 1, any other mode flag 0. Returns 0 when the
// file cannot be read.
int CitesteListaText(const std::string& director, const std::string& numeFisier, int modFiltru,
                     std::vector<IntrareListaText>& intrari);
// The entry of one data line (field 1 and the flag of field 2), and whether
// a filter mode admits a flag: the rules of the list above, for readers that
// number the lines their own way.
IntrareListaText IntrareDinLinie(const std::string& linie, int numar);
bool IntrareAdmisa(int modFiltru, int indicator);

// Starts a document or program through the platform's association and
// reports a failure with the shell-execution text of its code.
int DeschideCuAplicatiaAsociata(Fereastra owner, const std::string& fisier, const std::string& parametri,
                                const std::string& directorLucru);
std::string TextEroareShellExecute(int cod);

// The current directory, or "????" when it cannot be read.
std::string DirectorCurent();

}  // namespace vitramor
