// CSV catalogue files: quoting as RFC 4180 has it, comma or semicolon
// between fields, numbers with a decimal point or a decimal comma.

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// Why the file did not open, said once: what it is when it is no regular
// file (errno EINVAL after the opening), else the system's text.
std::string MotivDeschidere(const std::string& cale, std::string motivDeschidere) {
    if (errno == EINVAL) return motivDeschidere;
    return "Fisierul " + cale + " nu poate fi deschis: " + std::strerror(errno) + ".";
}

// A CSV catalogue is a few hundred kilobytes; a file beyond this is not one.
constexpr std::uint64_t MarimeMaximaCsv = 256ull << 20;
constexpr std::size_t MarimeBloc = 64 * 1024;

// The file read block by block, a row at a time: memory holds one block and
// the row being read, never the file.
class CititorCsv : public CititorFoaie {
public:
    CititorCsv(const RegistruCalcul& registru, std::string cale)
        : registru_(registru), cale_(std::move(cale)), bloc_(MarimeBloc, '\0') {}
    ~CititorCsv() override = default;
    CititorCsv(const CititorCsv&) = delete;
    CititorCsv& operator=(const CititorCsv&) = delete;

    bool deschide() {
        if (RezultatOperatie r = DeschideFisierObisnuit(cale_, "rb", f_.f); r.esuat())
            return registru_.esec(MotivDeschidere(cale_, std::move(r.motiv)));
        n_ = std::fread(bloc_.data(), 1, bloc_.size(), f_.f);
        total_ = n_;
        // The first block decides the separator: its first lines are enough.
        sep_ = Separator(bloc_.substr(0, n_));
        i_ = bloc_.compare(0, 3, "\xEF\xBB\xBF") == 0 && n_ >= 3 ? 3 : 0;
        return true;
    }

    int urmatorul(RandFoaie& rand) override {
        rand_ = &rand;
        rand.celule.clear();
        while (n_ > 0) {
            for (; i_ < n_; ++i_) {
                const char c = bloc_[i_];
                if (citat_) {
                    // A quote inside a quoted field is either the end of the
                    // field or, doubled, a quote of the text; the next
                    // character tells, and it may be in the next block.
                    if (ghilimeaInCitat_) {
                        ghilimeaInCitat_ = false;
                        if (c == '"') {
                            camp_ += '"';
                            continue;
                        }
                        citat_ = false;
                    } else {
                        if (c == '"') ghilimeaInCitat_ = true;
                        else camp_ += c;
                        continue;
                    }
                }
                if (c == '"' && !inCamp_) {
                    citat_ = inCamp_ = true;
                } else if (c == sep_) {
                    inchideCamp();
                } else if (c == '\n') {
                    if (inchideRand()) {
                        ++i_;
                        return 1;
                    }
                } else if (c != '\r') {
                    camp_ += c;
                    inCamp_ = true;
                }
            }
            i_ = 0;
            n_ = std::fread(bloc_.data(), 1, bloc_.size(), f_.f);
            total_ += n_;
            if (total_ > MarimeMaximaCsv) {
                registru_.esec("Fisierul " + cale_ + " are peste " + std::to_string(MarimeMaximaCsv >> 20) +
                               " MB; nu este un catalog CSV.");
                return -1;
            }
        }
        if (std::ferror(f_.f)) {
            registru_.esec("Fisierul " + cale_ + " nu poate fi citit: " + std::strerror(errno) + ".");
            return -1;
        }
        if (ghilimeaInCitat_) citat_ = false;
        if (citat_) {
            registru_.esec("Fisierul " + cale_ + " se termina in interiorul unui text intre ghilimele.");
            return -1;
        }
        if ((inCamp_ || coloana_ > 0) && inchideRand()) return 1;
        return 0;
    }

private:
    void inchideCamp() {
        rand_->adauga(coloana_++, Celula(std::move(camp_)));
        camp_.clear();
        inCamp_ = false;
    }
    // True when the row that ends here has a filled cell.
    bool inchideRand() {
        inchideCamp();
        rand_->index = linie_++;
        coloana_ = 0;
        return !rand_->celule.empty();
    }

    const RegistruCalcul& registru_;
    std::string cale_;
    FisierDeschis f_;
    std::string bloc_;
    std::size_t n_ = 0, i_ = 0;
    std::uint64_t total_ = 0;
    char sep_ = ',';
    RandFoaie* rand_ = nullptr;
    std::uint32_t linie_ = 0, coloana_ = 0;
    std::string camp_;
    bool citat_ = false, inCamp_ = false, ghilimeaInCitat_ = false;
};

class RegistruCsv : public RegistruCalcul {
public:
    explicit RegistruCsv(std::string cale) : cale_(std::move(cale)) {
        nume_.push_back(std::filesystem::path(cale_).stem().string());
    }
    const std::vector<std::string>& numeFoi() const override { return nume_; }

    std::unique_ptr<CititorFoaie> deschideFoaie(std::size_t) override {
        auto c = std::make_unique<CititorCsv>(*this, cale_);
        if (!c->deschide()) return nullptr;
        return c;
    }

private:
    std::string cale_;
    std::vector<std::string> nume_;
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruCsv(const std::string& cale, std::string& eroare) {
    // Only a regular file: a FIFO would block, a directory would read as an empty table.
    FisierDeschis f;
    if (RezultatOperatie r = DeschideFisierObisnuit(cale, "rb", f.f); r.esuat())
        return eroare = MotivDeschidere(cale, std::move(r.motiv)), nullptr;
    return std::make_unique<RegistruCsv>(cale);
}

}  // namespace vitramor
