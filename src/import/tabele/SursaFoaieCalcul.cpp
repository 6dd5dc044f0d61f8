// A workbook or CSV file behind the table interface: each sheet is a table,
// a read copies each data row into the buffers bound to it as it reads it.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "import/tabele/FoaieCalcul.h"
#include "record/TextFormatat.h"

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
                const std::string b = TextFormatat("%.15g", v);
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

// A sheet is read twice: once for its columns (kept, a few bytes a
// column), once more for the rows of each read. Only a sheet whose file
// gives its rows out of order is held whole, in order.
class SursaFoaieCalcul : public SursaTabel {
public:
    SursaFoaieCalcul(std::unique_ptr<RegistruCalcul> r, std::string nume, bool excel, int randAntet)
        : registru_(std::move(r)), nume_(std::move(nume)), excel_(excel), randAntet_(randAntet) {}

    std::string numeSursa() const override { return nume_; }
    bool excel() const override { return excel_; }

    // Each sheet is read to its end first: a workbook that cannot be read
    // whole is reported now, not listed as if it could.
    bool citesteTabele(std::vector<std::string>& tabele) override {
        for (std::size_t i = 0; i < registru_->numeFoi().size(); ++i) {
            auto cititor = registru_->deschideFoaie(i);
            int cod = cititor ? 1 : -1;
            while (cod > 0) cod = cititor->urmatorul(rand_);
            if (cod < 0) return false;
        }
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
        inchideCitire();
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
        citite_ = curenta_->tabel.primulRandDate;
        if (curenta_->inMemorie) return true;
        cititor_ = registru_->deschideFoaie(curenta_->index);
        for (std::size_t i = 0; cititor_ && i < citite_; ++i) {
            const int cod = cititor_->urmatorul(rand_);
            if (cod == 0)
                RaporteazaFoaieCalcul("Fisierul " + nume_ + " s-a schimbat dupa citirea coloanelor foii " + tabel +
                                      ": foaia nu mai are randul cu numele coloanelor.");
            if (cod <= 0) cititor_.reset();
        }
        if (!cititor_) curenta_ = nullptr;
        return cititor_ != nullptr;
    }

    int urmatorulRand() override {
        if (!curenta_) return 0;
        const RandFoaie* r = &rand_;
        if (curenta_->inMemorie) {
            if (citite_ >= curenta_->inMemorie->randuri.size()) return 0;
            r = &curenta_->inMemorie->randuri[citite_];
        } else if (const int cod = cititor_->urmatorul(rand_); cod <= 0) {
            return cod;
        }
        ++citite_;
        for (const auto& l : legaturi_) CopiazaCelula(r->celula(static_cast<std::uint32_t>(l.coloana)), l);
        return 1;
    }

    std::size_t randuriDeCitit() const override {
        return curenta_ && citite_ < curenta_->randuri ? curenta_->randuri - citite_ : 0;
    }

    bool inchideCitire() override {
        legaturi_.clear();
        curenta_ = nullptr;
        cititor_.reset();
        return true;
    }

private:
    struct Foaie {
        std::size_t index = 0;  // in the workbook
        TabelFoaie tabel;
        std::size_t randuri = 0;  // filled rows, the header's and those above it included
        std::unique_ptr<FoaieCalcul> inMemorie;
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
        f.index = static_cast<std::size_t>(it - nume.begin());
        auto cititor = registru_->deschideFoaie(f.index);
        if (!cititor) return nullptr;
        AnalizaFoaie analiza(tabel, randAntet_);
        RandFoaie r;
        bool inOrdine = true;
        int cod = 0;
        std::uint32_t ultimul = 0;
        while (inOrdine && (cod = cititor->urmatorul(r)) > 0) {
            inOrdine = f.randuri == 0 || r.index > ultimul;
            ultimul = r.index;
            if (inOrdine) analiza.adauga(r), ++f.randuri;
        }
        cititor.reset();
        if (inOrdine && cod < 0) return nullptr;
        if (!inOrdine) {
            // Rare: a file that writes its rows out of order is read whole and put in order.
            f.inMemorie = std::make_unique<FoaieCalcul>();
            if (!registru_->citesteFoaie(f.index, *f.inMemorie) ||
                !AnalizeazaFoaie(*f.inMemorie, randAntet_, f.tabel))
                return nullptr;
            f.randuri = f.inMemorie->randuri.size();
        } else if (!analiza.termina(f.tabel)) {
            return nullptr;
        }
        return &foi_.emplace(tabel, std::move(f)).first->second;
    }

    std::unique_ptr<RegistruCalcul> registru_;
    std::string nume_;
    bool excel_;
    int randAntet_;
    std::map<std::string, Foaie> foi_;
    std::vector<Legatura> legaturi_;
    const Foaie* curenta_ = nullptr;
    std::unique_ptr<CititorFoaie> cititor_;  // after registru_: it reads the registry's files
    RandFoaie rand_;
    std::size_t citite_ = 0;  // rows of the current sheet read so far, the header's included
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
    for (std::size_t i = 0; i < r->numeFoi().size(); ++i)
        if (r->numeFoi()[i].empty()) {
            RaporteazaFoaieCalcul("Registrul " + cale + " este deteriorat (foaia " + std::to_string(i + 1) +
                                  " nu are nume).");
            return nullptr;
        }
    return std::make_unique<SursaFoaieCalcul>(std::move(r), std::filesystem::path(cale).filename().string(),
                                              e != ".csv" && e != ".txt", randAntet);
}

}  // namespace vitramor
