#include "checks/VerificariDispersie.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"
#include "database/JurnalMateriale.h"
#include "database/Recuperare.h"
#include "database/RescriereBazaDate.h"
#include "dispersion/EcuatieDispersie.h"
#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/CampuriMaterial.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"
#include "record/TexteMaterial.h"

namespace vitramor {

using namespace stil;

namespace {

// Records read per call in the database pass: about 1 MB, so the pass runs
// at the speed of the file rather than of the calls.

constexpr std::uint16_t FaraInferior = 65535;

// Names are Windows-1252 in the file; every text of the system is UTF-8.
std::string NumeMaterial(const MaterialOptic& m) { return Utf8DinWindows1252(TextCamp(m.nume, sizeof m.nume)); }

// A slot's n (or k) is compared only when the table holds a value there and
// the equation is a real one: a tabulated material has nothing to disagree with.
bool NParticipa(const MaterialOptic& m, int slot) {
    return m.indice_n[slot] > 0.0 && m.ec_dispersie_n != EcuatieTabelata;
}
bool KParticipa(const MaterialOptic& m, int slot) {
    return m.indice_k[slot] > 0.0 && m.ec_dispersie_k != EcuatieTabelata;
}

// Equal to the precision agrees: only a difference beyond it is a failure.
// The difference is formed from the stored double and the widened float, so
// a table that holds the equation's own float value reads as equal.
bool InAfaraPreciziei(double tabel, float ecuatie, float precizie) {
    return std::fabs(tabel - static_cast<double>(ecuatie)) > static_cast<double>(precizie);
}

// The reports' own short names for codes 0-10; any other code as every
// list of materials names it.
std::string NumeProducatorRaport(const std::string& directorSticle, std::uint16_t cod) {
    if (cod <= 10) return NumeProducatorScurt(cod);
    return Utf8DinWindows1252(NumeProducatorSticla(directorSticle, cod, 47));
}

// "field = value" (with the first element's index in an array) for each
// float or double field holding NaN or an infinity: no check, export or plot
// expects them, and an older version could store them.
std::vector<std::string> ValoriNefinite(const MaterialOptic& m) {
    std::vector<std::string> gasite;
    const auto* octeti = reinterpret_cast<const unsigned char*>(&m);
    auto cauta = [&](std::span<const CampMaterial> campuri) {
        for (const CampMaterial& c : campuri) {
            if (c.vedere || (c.tip != TipElement::F32 && c.tip != TipElement::F64)) continue;
            std::size_t primul = c.numar, cate = 0;
            double valoare = 0;
            for (std::size_t i = 0; i < c.numar; ++i) {
                double v;
                if (c.tip == TipElement::F32) {
                    float f;
                    std::memcpy(&f, octeti + c.offset + i * sizeof f, sizeof f);
                    v = f;
                } else {
                    std::memcpy(&v, octeti + c.offset + i * sizeof v, sizeof v);
                }
                if (std::isfinite(v)) continue;
                if (cate++ == 0) primul = i, valoare = v;
            }
            if (cate == 0) continue;
            std::string text = c.numar > 1 ? TextFormatat("%s[%zu] = %g", c.nume, primul, valoare)
                                           : TextFormatat("%s = %g", c.nume, valoare);
            if (cate > 1) text += TextFormatat(" (si inca %zu)", cate - 1);
            gasite.push_back(std::move(text));
        }
    };
    cauta(CampuriMaterial());
    if (m.producator == ProducatorEvaporare) cauta(CampuriEvaporare());
    return gasite;
}

const std::string LinieRaportBazaDate(60, '-');
const std::string LinieRaportMaterial(84, '-');

// Everything the database pass holds while it reads: whatever way it ends,
// the file is closed and the cursor restored. The database is reached by its
// path in the glass directory; the current directory never changes.
class LucruVerificare {
public:
    explicit LucruVerificare(std::string director) : director_(std::move(director)) {}
    ~LucruVerificare() {
        if (cursor_) platforma().cursorAsteptare(false);
    }
    LucruVerificare(const LucruVerificare&) = delete;
    LucruVerificare& operator=(const LucruVerificare&) = delete;

    std::string cale() const { return CaleBazaDate(director_); }

    bool verificaDirectorSticle(std::string& motiv) const {
        if (ExistaDirector(director_)) return true;
        motiv = TextFormatat("Nu exista director %s)", director_.c_str());
        return false;
    }

    bool deschide(std::string& motiv) {
        if (RezultatOperatie r = DeschideFisierObisnuit(cale(), "rb", f_.f); r.esuat()) {
            motiv = errno == EINVAL ? std::move(r.motiv) : TextFormatat("Eroare deschidere %s", NumeBazaDate().c_str());
            return false;
        }
        // Our blocks are large; stdio's buffer would only add a copy.
        std::setvbuf(f_.f, nullptr, _IONBF, 0);
        return true;
    }

    void arataCursor() {
        platforma().cursorAsteptare(true);
        cursor_ = true;
    }

    std::FILE* fisier() const { return f_.f; }

private:
    FisierDeschis f_;
    bool cursor_ = false;
    std::string director_;
};

}  // namespace

bool PropuneDomeniuSpectral(const MaterialOptic& m, std::uint16_t& inferior, std::uint16_t& superior) {
    // The lower bound starts at 65535 and only comes down, so it never leaves
    // the 16-bit range; the upper bound is held at 65535 for a wavelength
    // beyond it, which no range word could carry anyway.
    float minim = FaraInferior;
    float maxim = 0.0f;
    if (IntervalDinTabel(m, m.indice_n, minim, maxim) && minim > FaraInferior) minim = FaraInferior;
    inferior = static_cast<std::uint16_t>(minim);  // toward zero
    superior = maxim >= 65535.0f ? std::uint16_t{65535} : static_cast<std::uint16_t>(maxim);
    return inferior != FaraInferior && superior != 0 && superior >= inferior;
}

RezultatOperatie PropuneDomeniiSpectrale(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                         int producator, RezultatPropunereDomenii* rezultat) {
    RezultatPropunereDomenii numarat;
    int refuzate = 0;
    int pentruToate = 0;  // IDDA_TOATE or IDNU_TOATE once the user answered for all
    bool anulat = false;
    std::vector<IntrareJurnal> jurnal;
    const auto prelucrare = [&](MaterialOptic& m) {
        std::uint16_t inferior = 0;
        std::uint16_t superior = 0;
        if (m.producator != producator || !PropuneDomeniuSpectral(m, inferior, superior))
            return DecizieInregistrare::Pastreaza;
        ++numarat.propuneri;
        const std::string text =
            TextFormatat("Sticla %s: Domeniu spectral valabil ec. dispersie n: [%d nm - %d nm]. Acualizati?",
                       NumeMaterial(m).c_str(), inferior, superior);
        AfiseazaMesajInLista(text, NivelInformatie);
        int r = pentruToate;
        if (r == 0) {
            r = intrebari.intreaba(owner, text, "ATENTIE!", MB_YESNOCANCEL | MB_PENTRUTOATE | MB_ICONQUESTION);
            if (r == raspuns::IDDA_TOATE || r == raspuns::IDNU_TOATE) pentruToate = r;
        }
        if (r == raspuns::IDCANCEL) {
            anulat = true;
            return DecizieInregistrare::Abandoneaza;
        }
        if (r != raspuns::IDYES && r != raspuns::IDDA_TOATE) {
            ++refuzate;
            return DecizieInregistrare::Pastreaza;
        }
        // The stored range already is the span: nothing to write.
        if (m.domeniu_n[0] == inferior && m.domeniu_n[1] == superior) return DecizieInregistrare::Pastreaza;
        m.domeniu_n[0] = inferior;
        m.domeniu_n[1] = superior;
        ++numarat.acceptate;
        jurnal.push_back({std::string(NumeDinCamp(m.nume)), m.producator, OperatieJurnal::Actualizat, "domeniu_n"});
        return DecizieInregistrare::Modificata;
    };

    RezultatRescriere rescriere;
    // No wait cursor: the pass stops at every proposal for the user's answer.
    // A pass that changed nothing leaves the file, and makes no archive copy.
    const int inlocuit = RescrieBazaDate(intrebari, owner, directorSticle, prelucrare, rescriere, false, 0, true);
    if (rezultat) *rezultat = numarat;
    if (anulat) return RezultatOperatie::Anulare();
    if (!(inlocuit || rescriere.stare == StareRescriere::Abandonata)) {
        if (rescriere.stare == StareRescriere::Anulata) return RezultatOperatie::Anulare();
        return RezultatOperatie::Esec(rescriere.motiv);
    }
    RezultatOperatie r;
    if (inlocuit) AdaugaInJurnal(directorSticle, {}, jurnal, r);
    r.motiv = TextFormatat("Domeniu spectral actualizat la %d materiale din %d propuse.", numarat.acceptate,
                           numarat.propuneri);
    if (numarat.acceptate == 0 && refuzate == 0) r.stare = StareOperatie::NimicDeFacut;
    r.actualizate = numarat.acceptate;
    r.sarite = refuzate;
    return r;
}

std::string StareFataDeEcuatii(const MaterialOptic& m, const SetariVerificare& setari) {
    for (int i = 0; i < SloturiVerificate; ++i) {
        const float lambda = m.lambda_indici[i];
        if (!(lambda > 0.0f)) continue;
        for (int care : {0, 1}) {
            if (care == 0 ? !(setari.verificaN && NParticipa(m, i)) : !(setari.verificaK && KParticipa(m, i))) continue;
            const char* nume = care == 0 ? "n" : "k";
            float valoare = 0.0f;
            if (IndiceDinEcuatieDispersie(m, care, lambda, valoare) != IndiceValid)
                return TextFormatat("%s la %.1f nm: ecuatia nu da valoare", nume, static_cast<double>(lambda));
            const double tabel = care == 0 ? m.indice_n[i] : m.indice_k[i];
            if (InAfaraPreciziei(tabel, valoare, care == 0 ? setari.precizieN : setari.precizieK))
                return TextFormatat("%s la %.1f nm: %.5f fata de %.5f din ecuatie", nume, static_cast<double>(lambda),
                                    tabel, static_cast<double>(valoare));
        }
    }
    return {};
}

bool MaterialConformEcuatiilor(const MaterialOptic& m, const SetariVerificare& setari) {
    return StareFataDeEcuatii(m, setari).empty();
}

int VerificaBazaDate(Fereastra owner, const std::string& directorSticle, const SetariVerificare& setari,
                     BlocText& raport, std::string& motiv, Progres& progres) {
    raport.reset();
    motiv.clear();
    LucruVerificare lucru(directorSticle);
    if (!lucru.verificaDirectorSticle(motiv)) return 0;
    AnuntaBazaDateRupta(owner, lucru.cale(), lucru.cale());
    if (!lucru.deschide(motiv)) return 0;
    lucru.arataCursor();

    BlocText text;
    AddTextRAM(text, "Material\tProducator\tStare");
    AddTextRAM(text, LinieRaportBazaDate);

    std::size_t probleme = 0, nefinite = 0;
    const ParcurgereFisier r = ParcurgeMateriale(lucru.fisier(), [&](const MaterialOptic& m, std::size_t) {
        const std::vector<std::string> valori = ValoriNefinite(m);
        const std::string stare = valori.empty() ? StareFataDeEcuatii(m, setari) : std::string();
        if (valori.empty() && stare.empty()) return;
        ++probleme;
        const std::string linie = NumeMaterial(m) + '\t' + NumeProducatorRaport(directorSticle, m.producator);
        if (valori.empty()) AddTextRAM(text, linie + '\t' + stare);
        else ++nefinite;
        for (const std::string& v : valori) AddTextRAM(text, linie + "\tvaloare nefinita " + v);
    }, progres);
    if (r.anulat) return 0;  // stopped by the user: half a report would pass for the whole database
    if (r.cod != 0) {
        // A report of the part that could be read would pass for the whole
        // database. A fragment shorter than a record is not a record.
        motiv = TextFormatat("Eroare citire fisier %s:\n%s", NumeBazaDate().c_str(), TextEroareSistem(r.cod).c_str());
        return 0;
    }

    AddTextRAM(text, LinieRaportBazaDate);
    // The reader sees at once whether anything was found, even in an empty list.
    AddTextRAM(text, TextFormatat("%zu materiale verificate, %zu cu probleme", r.recorduri, probleme) +
                         (nefinite ? TextFormatat(" (%zu cu valori nefinite)", nefinite) : std::string()));
    raport = std::move(text);
    return 1;
}

void RaportMaterial(const std::string& directorSticle, const MaterialOptic& m, BlocText& raport) {
    BlocText text;
    AddTextRAM(text, TextFormatat("Material: %s   Producator: %s", NumeMaterial(m).c_str(),
                                  NumeProducatorRaport(directorSticle, m.producator).c_str()));
    AddTextRAM(text, "  ");
    AddTextRAM(text, "Lambda\t n[i]\t n\t n[i]-n\t k[i]\t k\t k[i]-k");
    AddTextRAM(text, LinieRaportMaterial);

    for (int i = 0; i < SloturiVerificate; ++i) {
        const float lambda = m.lambda_indici[i];
        if (!(lambda > 0.0f)) continue;
        std::string linie = TextFormatat("%7.1f", static_cast<double>(lambda));
        float valoare = 0.0f;
        if (NParticipa(m, i)) {
            const double n = m.indice_n[i];
            if (IndiceDinEcuatieDispersie(m, 0, lambda, valoare) == IndiceValid)
                linie += TextFormatat("\t%7.5f\t%7.5f\t%7.5f", n, static_cast<double>(valoare),
                                    n - static_cast<double>(valoare));
            else
                linie += TextFormatat("\t%7.5f\tEroare", n);
        }
        if (KParticipa(m, i)) {
            const double k = m.indice_k[i];
            if (IndiceDinEcuatieDispersie(m, 1, lambda, valoare) == IndiceValid)
                linie += TextFormatat("\t%7.4f\t%7.4f\t%7.4f", k, static_cast<double>(valoare),
                                    k - static_cast<double>(valoare));
            else
                linie += TextFormatat("\t%7.5f\tEroare", k);
        }
        AddTextRAM(text, linie);
    }

    AddTextRAM(text, LinieRaportMaterial);
    raport = std::move(text);
}

}  // namespace vitramor
