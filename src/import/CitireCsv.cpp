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
// decimal mark; a semicolon outside quotes near the top decides.
char Separator(const std::string& t) {
    bool ghilimele = false;
    int linii = 0;
    for (char c : t) {
        if (c == '"') ghilimele = !ghilimele;
        else if (!ghilimele && c == ';') return ';';
        else if (!ghilimele && c == '\n' && ++linii == 20) break;
    }
    return ',';
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
        foaie.nume = nume_[0];
        foaie.randuri.clear();
        const char sep = Separator(text_);
        std::size_t i = text_.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        RandFoaie rand;
        std::string camp;
        bool citat = false, inCamp = false;
        auto inchideCamp = [&] {
            rand.push_back(Celula(std::move(camp)));
            camp.clear();
            inCamp = false;
        };
        auto inchideRand = [&] {
            inchideCamp();
            if (rand.size() == 1 && rand[0].tip == CelulaFoaie::Goala) rand.clear();
            foaie.randuri.push_back(std::move(rand));
            rand.clear();
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
        if (inCamp || !rand.empty()) inchideRand();
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
