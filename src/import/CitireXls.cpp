// Excel 97-2003 workbooks (BIFF8 in a compound file), read with FreeXL.

#include <freexl.h>

#include "import/FoaieCalcul.h"

namespace vitramor {

namespace {

std::string TextEroareFreexl(int cod) {
    switch (cod) {
        case FREEXL_FILE_NOT_FOUND: return "fisierul nu exista sau nu poate fi deschis";
        case FREEXL_INSUFFICIENT_MEMORY: return "memorie insuficienta";
        case FREEXL_INVALID_CFBF_HEADER:
        case FREEXL_CFBF_INVALID_SIGNATURE: return "nu este un registru Excel 97-2003";
        case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return "fisierul nu contine un registru";
        case FREEXL_CRAFTED_FILE: return "fisier grav deteriorat";
        default: return "fisier deteriorat, cod FreeXL " + std::to_string(cod);
    }
}

class RegistruXls : public RegistruCalcul {
public:
    RegistruXls(std::string cale, const void* h) : cale_(std::move(cale)), h_(h) {}
    ~RegistruXls() override { freexl_close(h_); }

    bool deschide() {
        unsigned int parola = 0, foi = 0;
        if (freexl_get_info(h_, FREEXL_BIFF_PASSWORD, &parola) == FREEXL_OK && parola == FREEXL_BIFF_OBFUSCATED) {
            RaporteazaFoaieCalcul("Registrul Excel " + cale_ + " este criptat (protejat cu parola); salvati-l fara parola.");
            return false;
        }
        if (freexl_get_info(h_, FREEXL_BIFF_SHEET_COUNT, &foi) != FREEXL_OK) foi = 0;
        for (unsigned short i = 0; i < foi; ++i) {
            const char* n = nullptr;
            if (freexl_get_worksheet_name(h_, i, &n) != FREEXL_OK || !n) n = "";
            nume_.push_back(n);
        }
        return true;
    }

    const std::vector<std::string>& numeFoi() const override { return nume_; }

    bool citesteFoaie(std::size_t index, FoaieCalcul& foaie) override {
        foaie = {};
        foaie.nume = nume_[index];
        unsigned int randuri = 0;
        unsigned short coloane = 0;
        int cod = freexl_select_active_worksheet(h_, static_cast<unsigned short>(index));
        if (cod == FREEXL_OK) cod = freexl_worksheet_dimensions(h_, &randuri, &coloane);
        if (cod != FREEXL_OK) return eroare(cod);
        for (unsigned int r = 0; r < randuri; ++r) {
            for (unsigned short c = 0; c < coloane; ++c) {
                FreeXL_CellValue v;
                cod = freexl_get_cell_value(h_, r, c, &v);
                if (cod != FREEXL_OK) return eroare(cod);
                CelulaFoaie celula;
                switch (v.type) {
                    case FREEXL_CELL_INT:
                        celula.tip = CelulaFoaie::Numar;
                        celula.numar = v.value.int_value;
                        break;
                    case FREEXL_CELL_DOUBLE:
                        celula.tip = CelulaFoaie::Numar;
                        celula.numar = v.value.double_value;
                        break;
                    case FREEXL_CELL_TEXT:
                    case FREEXL_CELL_SST_TEXT:
                    case FREEXL_CELL_DATE:
                    case FREEXL_CELL_DATETIME:
                    case FREEXL_CELL_TIME:
                        if (v.value.text_value && *v.value.text_value) {
                            celula.tip = CelulaFoaie::Text;
                            celula.text = v.value.text_value;
                        }
                        break;
                    default: break;
                }
                foaie.adauga(r, c, std::move(celula));
            }
        }
        return true;
    }

private:
    bool eroare(int cod) {
        RaporteazaFoaieCalcul("Registrul Excel " + cale_ + " nu poate fi citit (" + TextEroareFreexl(cod) + ").");
        return false;
    }

    std::string cale_;
    const void* h_;
    std::vector<std::string> nume_;
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruXls(const std::string& cale) {
    const void* h = nullptr;
    const int cod = freexl_open(cale.c_str(), &h);
    if (cod != FREEXL_OK) {
        if (h) freexl_close(h);
        RaporteazaFoaieCalcul("Registrul Excel " + cale + " nu poate fi citit (" + TextEroareFreexl(cod) + ").");
        return nullptr;
    }
    auto r = std::make_unique<RegistruXls>(cale, h);
    if (!r->deschide()) return nullptr;
    return r;
}

}  // namespace vitramor
