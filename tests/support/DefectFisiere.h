#pragma once
// File-system calls that fail at one chosen step, installed on a platform
// for the life of the object: the rewrites must survive each of them.

#include <cerrno>
#include <string>

#include "platform/Platform.h"
#include "platform/SistemFisiere.h"

namespace vitramor::test {

enum class Pas { Creare, Scriere, Sincronizare, PrimaRedenumire, ADouaRedenumire, Niciunul, SincronizareDate };

inline const char* NumePas(Pas p) {
    static const char* nume[] = {"create", "write", "sync", "rename1", "rename2", "none", "datasync"};
    return nume[static_cast<int>(p)];
}

class DefectFisiere : public SistemFisiere {
public:
    DefectFisiere(Platform& p, Pas pas, int cod = ENOSPC) : p_(p), pas_(pas), cod_(cod) { p_.inlocuiesteFisiere(this); }
    ~DefectFisiere() override { p_.inlocuiesteFisiere(nullptr); }
    DefectFisiere(const DefectFisiere&) = delete;
    DefectFisiere& operator=(const DefectFisiere&) = delete;

    int creeaza(const std::string& cale, int& fd) override {
        jurnal += "create ";
        return pas_ == Pas::Creare ? cod_ : SistemFisiere::creeaza(cale, fd);
    }
    int scrie(int fd, const void* date, std::size_t n) override {
        if (!jurnal.ends_with("write ")) jurnal += "write ";
        return pas_ == Pas::Scriere ? cod_ : SistemFisiere::scrie(fd, date, n);
    }
    int sincronizeaza(int fd) override {
        jurnal += "sync ";
        return pas_ == Pas::Sincronizare ? cod_ : SistemFisiere::sincronizeaza(fd);
    }
    int sincronizeazaDate(int fd) override {
        jurnal += "datasync ";
        return pas_ == Pas::SincronizareDate ? cod_ : SistemFisiere::sincronizeazaDate(fd);
    }
    int redenumeste(const std::string& din, const std::string& in) override {
        ++redenumiri_;
        jurnal += "rename ";
        if ((pas_ == Pas::PrimaRedenumire && redenumiri_ == 1) || (pas_ == Pas::ADouaRedenumire && redenumiri_ == 2))
            return cod_;
        return SistemFisiere::redenumeste(din, in);
    }
    int sincronizeazaDirector(const std::string& cale) override {
        jurnal += "dirsync ";
        return SistemFisiere::sincronizeazaDirector(cale);
    }

    // The steps in the order they were asked for, runs of writes as one.
    std::string jurnal;

private:
    Platform& p_;
    Pas pas_;
    int cod_;
    int redenumiri_ = 0;
};

}  // namespace vitramor::test
