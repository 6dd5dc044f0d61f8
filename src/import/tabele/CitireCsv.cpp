// CSV catalogue files: quoting as RFC 4180 has it, comma or semicolon
// between fields, numbers with a decimal point or a decimal comma.

#include <cstdio>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/FoaieCalcul.h"

namespace vitramor {

namespace {

// Semicolon files are what a spreadsheet saves where the comma is the
// decimal mark. The separator is the one that splits the first lines
// (outside quotes) into the same number of fields, line after line: a
// semicolon inside one text cell of a comma file does not make it a
// semicolon file, nor a decimal comma a comma file.
char Separator(const std::string& t) {
    struct Numar {
        int campuri = -1;  // fields of the first line, -1 before it
        int constante = 0, linii = 0;
        int curente = 0;
    } virgula, punctVirgula;
    bool ghilimele = false;
    auto inchide = [](Numar& n) {
        if (n.campuri < 0) n.campuri = n.curente;
        else if (n.curente == n.campuri) ++n.constante;
        ++n.linii;
        n.curente = 0;
    };
    bool areText = false;
    for (char c : t) {
        if (c == '"') ghilimele = !ghilimele;
        else if (ghilimele) continue;
        else if (c == ',') ++virgula.curente;
        else if (c == ';') ++punctVirgula.curente;
        else if (c == '\n') {
            if (areText) {
                inchide(virgula);
                inchide(punctVirgula);
                if (virgula.linii == 20) break;
            }
            areText = false;
            continue;
        }
        if (c != '\r') areText = true;
    }
    if (areText) inchide(virgula), inchide(punctVirgula);
    if (punctVirgula.campuri <= 0) return ',';
    if (virgula.campuri <= 0) return ';';
    // Both occur on the first line: the one whose count holds on more lines.
    if (punctVirgula.constante != virgula.constante) return punctVirgula.constante > virgula.constante ? ';' : ',';
    return punctVirgula.campuri > virgula.campuri ? ';' : ',';
}

CelulaFoaie Celula(std::string text) {
    CelulaFoaie c;
    if (text.empty()) return c;
    if (NumarDinTextCelula(text, c.numar)) {
        c.tip = CelulaFoaie::Numar;
    } else {
        c.tip = CelulaFoaie::Text;
        c.text = TextCelula(text);
    }
    return c;
}

// A CSV catalogue is a few hundred kilobytes; a file beyond this is not one.
constexpr std::uint64_t MarimeMaximaCsv = 256ull << 20;
constexpr std::size_t MarimeBloc = 64 * 1024;

// The file is read block by block straight into the sheet's cells: memory
// holds the cells, never the file's text beside them.
class RegistruCsv : public RegistruCalcul {
public:
    explicit RegistruCsv(std::string cale) : cale_(std::move(cale)) {
        nume_.push_back(std::filesystem::path(cale_).stem().string());
    }
    const std::vector<std::string>& numeFoi() const override { return nume_; }

    bool citesteFoaie(std::size_t, FoaieCalcul& foaie) override {
        foaie = {};
        foaie.nume = nume_[0];
        std::FILE* f = nullptr;
        if (!DeschideFisierCuMesaj(cale_, "rb", f, true)) return false;
        std::string bloc(MarimeBloc, '\0');
        std::size_t n = std::fread(bloc.data(), 1, bloc.size(), f);
        // The first block decides the separator: its first lines are enough.
        char sep = Separator(bloc.substr(0, n));
        std::size_t i = bloc.compare(0, 3, "\xEF\xBB\xBF") == 0 && n >= 3 ? 3 : 0;
        std::uint32_t rand = 0, coloana = 0;
        std::string camp;
        bool citat = false, inCamp = false, ghilimeaInCitat = false;
        std::uint64_t total = 0;
        auto inchideCamp = [&] {
            foaie.adauga(rand, coloana++, Celula(std::move(camp)));
            camp.clear();
            inCamp = false;
        };
        auto inchideRand = [&] {
            inchideCamp();
            ++rand;
            coloana = 0;
        };
        bool preaMare = false;
        while (n > 0) {
            total += n;
            if (total > MarimeMaximaCsv) {
                preaMare = true;
                break;
            }
            for (; i < n; ++i) {
                const char c = bloc[i];
                if (citat) {
                    // A quote inside a quoted field is either the end of the
                    // field or, doubled, a quote of the text; the next
                    // character tells, and it may be in the next block.
                    if (ghilimeaInCitat) {
                        ghilimeaInCitat = false;
                        if (c == '"') {
                            camp += '"';
                            continue;
                        }
                        citat = false;
                    } else {
                        if (c == '"') ghilimeaInCitat = true;
                        else camp += c;
                        continue;
                    }
                }
                if (c == '"' && !inCamp) {
                    citat = inCamp = true;
                } else if (c == sep) {
                    inchideCamp();
                } else if (c == '\n') {
                    inchideRand();
                } else if (c != '\r') {
                    camp += c;
                    inCamp = true;
                }
            }
            i = 0;
            n = std::fread(bloc.data(), 1, bloc.size(), f);
        }
        const bool eroare = std::ferror(f) != 0;
        std::fclose(f);
        if (preaMare) {
            RaporteazaFoaieCalcul("Fisierul " + cale_ + " are peste " + std::to_string(MarimeMaximaCsv >> 20) +
                                  " MB; nu este un catalog CSV.");
            return false;
        }
        if (eroare) {
            RaporteazaFoaieCalcul("Fisierul " + cale_ + " nu poate fi citit.");
            return false;
        }
        if (ghilimeaInCitat) citat = false;
        if (citat) {
            RaporteazaFoaieCalcul("Fisierul " + cale_ + " se termina in interiorul unui text intre ghilimele.");
            return false;
        }
        if (inCamp || coloana > 0) inchideRand();
        return true;
    }

private:
    std::string cale_;
    std::vector<std::string> nume_;
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruCsv(const std::string& cale) {
    // Only a regular file: a FIFO would block, a directory would read as an empty table.
    std::FILE* f = nullptr;
    if (!DeschideFisierCuMesaj(cale, "rb", f, true)) return nullptr;
    std::fclose(f);
    return std::make_unique<RegistruCsv>(cale);
}

}  // namespace vitramor
