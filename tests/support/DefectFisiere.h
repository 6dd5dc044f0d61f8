#pragma once
// File-system calls that fail at one chosen step, installed on a platform
// for the life of the object: the rewrites must survive each of them.
// In a child process they also stand for a kill at the n-th call: a write
// stops after half its bytes and one more (never a whole number of
// records), any other call does not happen, and the process ends on the
// spot - no destructor, no error path, no message.

#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"

namespace vitramor::test {

enum class Pas { Creare, Scriere, Sincronizare, PrimaRedenumire, ADouaRedenumire, Niciunul, SincronizareDate };

inline const char* NumePas(Pas p) {
    static const char* nume[] = {"create", "write", "sync", "rename1", "rename2", "none", "datasync"};
    return nume[static_cast<int>(p)];
}

class DefectFisiere : public SistemFisiere {
public:
    DefectFisiere(Platforma& p, Pas pas, int cod = ENOSPC) : p_(p), pas_(pas), cod_(cod) { p_.inlocuiesteFisiere(this); }
    ~DefectFisiere() override { p_.inlocuiesteFisiere(nullptr); }
    DefectFisiere(const DefectFisiere&) = delete;
    DefectFisiere& operator=(const DefectFisiere&) = delete;

    int creeaza(const std::string& cale, int& fd) override {
        if (pas("create ")) moare();
        return pas_ == Pas::Creare ? cod_ : SistemFisiere::creeaza(cale, fd);
    }
    int scrie(int fd, const void* date, std::size_t n) override {
        if (pas("write ")) SistemFisiere::scrie(fd, date, n / 2 + 1), moare();
        scrise += n;
        return pas_ == Pas::Scriere ? cod_ : SistemFisiere::scrie(fd, date, n);
    }
    int scrieLa(int fd, const void* date, std::size_t n, off_t poz) override {
        if (pas("write ")) SistemFisiere::scrieLa(fd, date, n / 2 + 1, poz), moare();
        scrise += n;
        return pas_ == Pas::Scriere ? cod_ : SistemFisiere::scrieLa(fd, date, n, poz);
    }
    int trunchiaza(int fd, off_t lungime) override {
        if (pas("")) moare();
        return SistemFisiere::trunchiaza(fd, lungime);
    }
    int sincronizeaza(int fd) override {
        if (pas("sync ")) moare();
        return pas_ == Pas::Sincronizare ? cod_ : SistemFisiere::sincronizeaza(fd);
    }
    int sincronizeazaDate(int fd) override {
        if (pas("datasync ")) moare();
        return pas_ == Pas::SincronizareDate ? cod_ : SistemFisiere::sincronizeazaDate(fd);
    }
    int redenumeste(const std::string& din, const std::string& in) override {
        ++redenumiri_;
        if (pas("rename ")) moare();
        if ((pas_ == Pas::PrimaRedenumire && redenumiri_ == 1) || (pas_ == Pas::ADouaRedenumire && redenumiri_ == 2))
            return cod_;
        return SistemFisiere::redenumeste(din, in);
    }
    int sincronizeazaDirector(const std::string& cale) override {
        if (pas("dirsync ")) moare();
        return SistemFisiere::sincronizeazaDirector(cale);
    }

    // The steps in the order they were asked for, runs of writes as one.
    std::string jurnal;
    int ucideLa = 0;         // the call, counted from 1, at which the process ends
    std::size_t scrise = 0;  // bytes written through the calls

private:
    bool pas(const std::string& ce) {
        if (ce != "write " || !jurnal.ends_with(ce)) jurnal += ce;
        return ++pasi_ == ucideLa;
    }
    [[noreturn]] static void moare() { ::_exit(0); }
    Platforma& p_;
    Pas pas_;
    int cod_;
    int redenumiri_ = 0;
    int pasi_ = 0;
};

}  // namespace vitramor::test
