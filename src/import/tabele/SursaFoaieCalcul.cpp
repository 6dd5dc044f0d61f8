// A workbook or CSV file behind the table interface: each sheet is a table,
// a read hands over the cells of each data row as it reads it.

#include <algorithm>
#include <filesystem>
#include <map>

#include "import/tabele/FoaieCalcul.h"

namespace vitramor {

namespace {

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
        stergeEroare();
        for (std::size_t i = 0; i < registru_->numeFoi().size(); ++i) {
            auto cititor = registru_->deschideFoaie(i);
            int cod = cititor ? 1 : -1;
            while (cod > 0) cod = cititor->urmatorul(rand_);
            if (cod < 0) return esec(registru_->eroare());
        }
        tabele = registru_->numeFoi();
        return true;
    }

    bool citesteColoane(const std::string& tabel, std::vector<ColoanaTabel>& coloane) override {
        stergeEroare();
        const Foaie* f = foaie(tabel);
        if (!f) return false;
        coloane = f->tabel.coloane;
        return true;
    }

    bool citesteRanduri(const std::string& tabel, const std::vector<int>& coloane, const RandTabel& dat) override {
        stergeEroare();
        const Foaie* f = foaie(tabel);
        if (!f) return false;
        for (int k : coloane)
            if (k < 0 || static_cast<std::size_t>(k) >= f->tabel.coloane.size()) {
                return esec("Foaia " + tabel + " are " + std::to_string(f->tabel.coloane.size()) +
                            " coloane; coloana " + std::to_string(k + 1) + " nu exista.");
            }
        std::size_t citite = f->tabel.primulRandDate;
        deCitit_ = f->randuri > citite ? f->randuri - citite : 0;
        std::vector<CelulaFoaie> celule(coloane.size());
        const auto preda = [&](const RandFoaie& r) {
            for (std::size_t k = 0; k < coloane.size(); ++k) {
                const auto col = static_cast<std::uint32_t>(coloane[k]);
                const CelulaFoaie* c = r.celula(col);
                if (c) {
                    celule[k] = *c;
                } else {
                    celule[k] = CelulaFoaie();
                    celule[k].coloana = col;
                }
            }
            return dat(celule);
        };
        if (f->inMemorie) {
            for (; citite < f->inMemorie->randuri.size(); ++citite)
                if (!preda(f->inMemorie->randuri[citite])) break;
            deCitit_ = 0;
            return true;
        }
        auto cititor = registru_->deschideFoaie(f->index);
        RandFoaie rand;
        int cod = cititor ? 1 : -1;
        for (std::size_t i = 0; cod > 0 && i < citite; ++i) {
            cod = cititor->urmatorul(rand);
            if (cod == 0)
                esec("Fisierul " + nume_ + " s-a schimbat dupa citirea coloanelor foii " + tabel +
                     ": foaia nu mai are randul cu numele coloanelor.");
            else if (cod < 0)
                esec(registru_->eroare());
        }
        if (!cititor) esec(registru_->eroare());
        if (cod <= 0) return deCitit_ = 0, false;
        while (cod > 0 && (cod = cititor->urmatorul(rand)) > 0 && preda(rand)) {
        }
        deCitit_ = 0;
        return cod >= 0 || esec(registru_->eroare());
    }

    std::size_t randuriDeCitit() const override { return deCitit_; }

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
        if (it == nume.end()) return esec("Fisierul " + nume_ + " nu are foaia " + tabel + "."), nullptr;
        Foaie f;
        f.index = static_cast<std::size_t>(it - nume.begin());
        auto cititor = registru_->deschideFoaie(f.index);
        if (!cititor) return esec(registru_->eroare()), nullptr;
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
        if (inOrdine && cod < 0) return esec(registru_->eroare()), nullptr;
        if (!inOrdine) {
            // Rare: a file that writes its rows out of order is read whole and put in order.
            f.inMemorie = std::make_unique<FoaieCalcul>();
            if (!registru_->citesteFoaie(f.index, *f.inMemorie)) return esec(registru_->eroare()), nullptr;
            std::string motiv;
            if (!AnalizeazaFoaie(*f.inMemorie, randAntet_, f.tabel, motiv)) return esec(std::move(motiv)), nullptr;
            f.randuri = f.inMemorie->randuri.size();
        } else if (!analiza.termina(f.tabel)) {
            return esec(analiza.eroare()), nullptr;
        }
        return &foi_.emplace(tabel, std::move(f)).first->second;
    }

    std::unique_ptr<RegistruCalcul> registru_;
    std::string nume_;
    bool excel_;
    int randAntet_;
    std::map<std::string, Foaie> foi_;
    RandFoaie rand_;
    std::size_t deCitit_ = 0;  // data rows of the read under way
};

std::string ExtensieMica(const std::string& cale) {
    std::string e = std::filesystem::path(cale).extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

}  // namespace

std::unique_ptr<SursaTabel> DeschideFisierFoaieCalcul(const std::string& cale, std::string& eroare, int randAntet) {
    const std::string e = ExtensieMica(cale);
    std::unique_ptr<RegistruCalcul> r;
    if (e == ".xlsx" || e == ".xlsm")
        r = DeschideRegistruXlsx(cale, eroare);
    else if (e == ".xls")
        r = DeschideRegistruXls(cale, eroare);
    else if (e == ".csv" || e == ".txt")
        r = DeschideRegistruCsv(cale, eroare);
    else
        return eroare = "Fisierul " + cale + " nu este un fisier Excel (.xlsx, .xls) sau CSV (.csv).", nullptr;
    if (!r) return nullptr;
    if (r->numeFoi().empty()) return eroare = "Registrul " + cale + " nu are nicio foaie.", nullptr;
    for (std::size_t i = 0; i < r->numeFoi().size(); ++i)
        if (r->numeFoi()[i].empty())
            return eroare = "Registrul " + cale + " este deteriorat (foaia " + std::to_string(i + 1) + " nu are nume).",
                   nullptr;
    return std::make_unique<SursaFoaieCalcul>(std::move(r), std::filesystem::path(cale).filename().string(),
                                              e != ".csv" && e != ".txt", randAntet);
}

}  // namespace vitramor
