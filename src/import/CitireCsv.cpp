// CSV catalogue files: quoting as RFC 4180 has it, comma or semicolon
// between fields, numbers with a decimal point or a decimal comma.

#include <fstream>
#include <sstream>
#include <filesystem>

#include "fileutil/FileUtil.h"
#include "import/FoaieCalcul.h"

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

class RegistruCsv : public RegistruCalcul {
public:
    RegistruCsv(std::string cale, std::string text) : cale_(std::move(cale)), text_(std::move(text)) {
        nume_.push_back(std::filesystem::path(cale_).stem().string());
    }
    const std::vector<std::string>& numeFoi() const override { return nume_; }

    bool citesteFoaie(std::size_t, FoaieCalcul& foaie) override {
        foaie = {};
        foaie.nume = nume_[0];
        const char sep = Separator(text_);
        std::size_t i = text_.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        std::uint32_t rand = 0, coloana = 0;
        std::string camp;
        bool citat = false, inCamp = false;
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
        for (; i < text_.size(); ++i) {
            const char c = text_[i];
            if (citat) {
                if (c != '"') camp += c;
                else if (i + 1 < text_.size() && text_[i + 1] == '"') camp += text_[++i];
                else citat = false;
            } else if (c == '"' && !inCamp) {
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
        if (citat) {
            RaporteazaFoaieCalcul("Fisierul " + cale_ + " se termina in interiorul unui text intre ghilimele.");
            return false;
        }
        if (inCamp || coloana > 0) inchideRand();
        return true;
    }

private:
    std::string cale_, text_;
    std::vector<std::string> nume_;
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruCsv(const std::string& cale) {
    std::ifstream f;
    if (!EsteNeobisnuit(cale)) f.open(cale, std::ios::binary);
    std::ostringstream s;
    if (f) s << f.rdbuf();
    if (!f || f.bad()) {
        RaporteazaFoaieCalcul("Fisierul " + cale + " nu poate fi citit.");
        return nullptr;
    }
    return std::make_unique<RegistruCsv>(cale, s.str());
}

}  // namespace vitramor
