// A workbook or CSV file behind the table interface: each sheet is a table,
// a read copies each data row into the buffers bound to it.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "import/tabele/FoaieCalcul.h"

namespace vitramor {

namespace {

struct Legatura {
    int coloana;
    SQLSMALLINT tipC;
    void* buffer;
    SQLLEN lungime;
    SQLLEN* indicator;
};

void ScrieText(const std::string& t, const Legatura& l) {
    *l.indicator = static_cast<SQLLEN>(t.size());
    if (l.lungime <= 0) return;
    const std::size_t n = std::min<std::size_t>(t.size(), static_cast<std::size_t>(l.lungime) - 1);
    std::memcpy(l.buffer, t.data(), n);
    static_cast<char*>(l.buffer)[n] = '\0';
}

template <class T>
void ScrieNumar(T v, const Legatura& l) {
    std::memcpy(l.buffer, &v, sizeof v);
    *l.indicator = sizeof v;
}

// What a driver does with one cell for the C types the update binds.
void CopiazaCelula(const CelulaFoaie* c, const Legatura& l) {
    if (!c) {
        *l.indicator = SQL_NULL_DATA;
        return;
    }
    double v = c->numar;
    if (c->tip == CelulaFoaie::Text && l.tipC != SQL_C_CHAR && !NumarDinTextCelula(c->text, v)) v = 0;
    switch (l.tipC) {
        case SQL_C_CHAR:
            if (c->tip == CelulaFoaie::Text) {
                ScrieText(c->text, l);
            } else {
                char b[32];
                std::snprintf(b, sizeof b, "%.15g", v);
                ScrieText(b, l);
            }
            break;
        case SQL_C_DOUBLE: ScrieNumar(v, l); break;
        case SQL_C_FLOAT: ScrieNumar(static_cast<float>(v), l); break;
        case SQL_C_LONG: ScrieNumar(static_cast<SQLINTEGER>(v), l); break;
        case SQL_C_SHORT: ScrieNumar(static_cast<SQLSMALLINT>(v), l); break;
        default: *l.indicator = SQL_NULL_DATA; break;
    }
}

class SursaFoaieCalcul : public SursaTabel {
public:
    SursaFoaieCalcul(std::unique_ptr<RegistruCalcul> r, std::string nume, bool excel, int randAntet)
        : registru_(std::move(r)), nume_(std::move(nume)), excel_(excel), randAntet_(randAntet) {}

    std::string numeSursa() const override { return nume_; }
    bool excel() const override { return excel_; }

    bool citesteTabele(std::vector<std::string>& tabele) override {
        tabele = registru_->numeFoi();
        return true;
    }

    bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) override {
        const Foaie* f = foaie(tabel);
        if (!f) return false;
        coloane = f->tabel.coloane;
        return true;
    }

    bool incepeCitire() override {
        legaturi_.clear();
        curenta_ = nullptr;
        return true;
    }

    bool leagaColoana(int coloana, SQLSMALLINT tipC, void* buffer, SQLLEN lungime, SQLLEN* indicator) override {
        legaturi_.push_back({coloana, tipC, buffer, lungime, indicator});
        return true;
    }

    bool executa(const std::string& tabel) override {
        curenta_ = foaie(tabel);
        if (!curenta_) return false;
        for (const auto& l : legaturi_)
            if (l.coloana < 0 || static_cast<std::size_t>(l.coloana) >= curenta_->tabel.coloane.size()) {
                RaporteazaFoaieCalcul("Foaia " + tabel + " are " + std::to_string(curenta_->tabel.coloane.size()) +
                                      " coloane; coloana " + std::to_string(l.coloana + 1) + " nu exista.");
                curenta_ = nullptr;
                return false;
            }
        rand_ = curenta_->tabel.primulRandDate;
        return true;
    }

    int urmatorulRand() override {
        if (!curenta_) return 0;
        const auto& randuri = curenta_->celule.randuri;
        if (rand_ >= randuri.size()) return 0;
        const RandFoaie& r = randuri[rand_++];
        for (const auto& l : legaturi_) CopiazaCelula(r.celula(static_cast<std::uint32_t>(l.coloana)), l);
        return 1;
    }

    std::size_t randuriDeCitit() const override {
        return curenta_ && rand_ < curenta_->celule.randuri.size() ? curenta_->celule.randuri.size() - rand_ : 0;
    }

    bool inchideCitire() override {
        legaturi_.clear();
        curenta_ = nullptr;
        return true;
    }

private:
    struct Foaie {
        FoaieCalcul celule;
        TabelFoaie tabel;
    };

    const Foaie* foaie(const std::string& tabel) {
        auto gasit = foi_.find(tabel);
        if (gasit != foi_.end()) return &gasit->second;
        const auto& nume = registru_->numeFoi();
        const auto it = std::find(nume.begin(), nume.end(), tabel);
        if (it == nume.end()) {
            RaporteazaFoaieCalcul("Fisierul " + nume_ + " nu are foaia " + tabel + ".");
            return nullptr;
        }
        Foaie f;
        if (!registru_->citesteFoaie(static_cast<std::size_t>(it - nume.begin()), f.celule)) return nullptr;
        if (!AnalizeazaFoaie(f.celule, randAntet_, f.tabel)) return nullptr;
        return &foi_.emplace(tabel, std::move(f)).first->second;
    }

    std::unique_ptr<RegistruCalcul> registru_;
    std::string nume_;
    bool excel_;
    int randAntet_;
    std::map<std::string, Foaie> foi_;
    std::vector<Legatura> legaturi_;
    const Foaie* curenta_ = nullptr;
    std::size_t rand_ = 0;
};

std::string ExtensieMica(const std::string& cale) {
    std::string e = std::filesystem::path(cale).extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

}  // namespace

std::unique_ptr<SursaTabel> DeschideFisierFoaieCalcul(const std::string& cale, int randAntet) {
    const std::string e = ExtensieMica(cale);
    std::unique_ptr<RegistruCalcul> r;
    if (e == ".xlsx" || e == ".xlsm") r = DeschideRegistruXlsx(cale);
    else if (e == ".xls") r = DeschideRegistruXls(cale);
    else if (e == ".csv" || e == ".txt") r = DeschideRegistruCsv(cale);
    else {
        RaporteazaFoaieCalcul("Fisierul " + cale + " nu este un fisier Excel (.xlsx, .xls) sau CSV (.csv).");
        return nullptr;
    }
    if (!r) return nullptr;
    if (r->numeFoi().empty()) {
        RaporteazaFoaieCalcul("Registrul " + cale + " nu are nicio foaie.");
        return nullptr;
    }
    return std::make_unique<SursaFoaieCalcul>(std::move(r), std::filesystem::path(cale).filename().string(),
                                              e != ".csv" && e != ".txt", randAntet);
}

}  // namespace vitramor
