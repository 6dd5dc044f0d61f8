#include "database/RescriereBazaDate.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fileutil/FileUtil.h"
#include "settings/Directoare.h"

namespace vitramor {

using namespace stil;

namespace {

// Records moved per read and per write: about 1 MB, large enough that the
// copy runs at the speed of the disk rather than of the calls.
constexpr std::size_t InregistrariPeBloc = 512;

std::string NumeMaterial(const MaterialOptic& m) { return std::string(m.nume, strnlen(m.nume, sizeof m.nume)); }

// Everything a rewrite holds open. Whatever way the rewrite ends before the
// replacement - a refusal, a read error, an exception from the caller - the
// work file goes, the database stays untouched, and we return to the
// remembered directory.
class Lucru {
public:
    Lucru(bool cursor) : cursor_(cursor) {}
    ~Lucru() {
        if (fDate_) std::fclose(fDate_);
        if (fTemp_) {
            std::fclose(fTemp_);
            std::remove(NumeFisierTemporarRescriere);
        }
        if (cursorActiv_) platforma().cursorAsteptare(false);
        RevinoInDirector(directorAnterior_);
    }
    Lucru(const Lucru&) = delete;
    Lucru& operator=(const Lucru&) = delete;

    bool deschide() {
        if (!SchimbaDirectorCuSalvare(path_sticle, directorAnterior_, true)) return false;
        if (!DeschidePerecheFisiere(nume_fisier_sticle, "rb", fDate_, NumeFisierTemporarRescriere, "wb", fTemp_))
            return false;
        // Our own blocks are large: stdio buffering would only add a copy,
        // and unbuffered writes report a failure at the record that caused it.
        std::setvbuf(fDate_, nullptr, _IONBF, 0);
        std::setvbuf(fTemp_, nullptr, _IONBF, 0);
        if (cursor_) {
            platforma().cursorAsteptare(true);
            cursorActiv_ = true;
        }
        return true;
    }

    std::FILE* date() const { return fDate_; }
    std::FILE* temp() const { return fTemp_; }

    int inlocuieste() { return InlocuiesteFisierCuTemporar(nume_fisier_sticle, fDate_, NumeFisierTemporarRescriere, fTemp_); }

private:
    bool cursor_;
    bool cursorActiv_ = false;
    std::string directorAnterior_;
    std::FILE* fDate_ = nullptr;
    std::FILE* fTemp_ = nullptr;
};

}  // namespace

int RescrieBazaDate(Fereastra owner, const PrelucrareInregistrare& prelucrare, RezultatRescriere& rezultat,
                    bool cursorAsteptare) {
    rezultat = {};
    Lucru lucru(cursorAsteptare);
    if (!lucru.deschide()) return 0;

    std::vector<MaterialOptic> bloc(InregistrariPeBloc);
    for (;;) {
        const std::size_t octeti = std::fread(bloc.data(), 1, bloc.size() * sizeof(MaterialOptic), lucru.date());
        const std::size_t intregi = octeti / sizeof(MaterialOptic);

        std::size_t pastrate = 0;
        for (std::size_t i = 0; i < intregi; ++i) {
            ++rezultat.citite;
            const DecizieInregistrare decizie = prelucrare(bloc[i]);
            if (decizie == DecizieInregistrare::Abandoneaza) {
                rezultat.abandonata = true;
                return 0;
            }
            if (decizie == DecizieInregistrare::Elimina) {
                ++rezultat.eliminate;
                continue;
            }
            if (decizie == DecizieInregistrare::Modificata) ++rezultat.modificate;
            if (pastrate != i) std::memcpy(&bloc[pastrate], &bloc[i], sizeof(MaterialOptic));
            ++pastrate;
        }

        if (pastrate > 0) {
            const std::size_t deScris = pastrate * sizeof(MaterialOptic);
            const std::size_t scrisi = std::fwrite(bloc.data(), 1, deScris, lucru.temp());
            rezultat.scrise += scrisi / sizeof(MaterialOptic);
            if (scrisi != deScris) {
                rezultat.eroareScriere = true;
                const int cod = errno;
                // A record cut in half would read as garbage; the work file
                // keeps only the records that were written whole.
                if (::ftruncate(::fileno(lucru.temp()), static_cast<off_t>(rezultat.scrise * sizeof(MaterialOptic))) !=
                    0) {
                    // Readers stop at a fragment anyway.
                }
                MesajBox(owner, "Eroare scriere", NumeMaterial(bloc[scrisi / sizeof(MaterialOptic)]),
                         MB_OK | MB_ICONHAND);
                errno = cod;
                break;
            }
        }

        if (octeti < bloc.size() * sizeof(MaterialOptic)) {
            if (std::ferror(lucru.date())) {
                // A database that cannot be read to its end must not be
                // replaced by the part that could.
                rezultat.abandonata = true;
                const std::string eroare = platforma().textUltimaEroare();
                if (!eroare.empty()) MesajBox(owner, eroare, nume_fisier_sticle, MB_OK | MB_ICONASTERISK);
                char text[600];
                std::snprintf(text, sizeof text, "Eroare citire fisier %s", nume_fisier_sticle.c_str());
                MesajBox(owner, text, "ATENTIE!", MB_OK | MB_ICONHAND);
                return 0;
            }
            break;  // end of file; a fragment shorter than a record stays behind
        }
    }

    return lucru.inlocuieste();
}

}  // namespace vitramor
