#include "import/agf/ConversieAgf.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "dispersion/EcuatieDispersie.h"
#include "dispersion/FormuleAgf.h"
#include "dispersion/PotrivireEcuatie.h"
#include "material/LiniiSpectrale.h"
#include "import/PuncteReprezentative.h"
#include "import/schott/ImportSchott.h"
#include "record/CodificareText.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// Intervals of the even spread a formula is fitted on: dense enough that a
// degree-11 polynomial cannot stray between two points.
constexpr int PunctePotrivire = 120;

void CopiazaText(char* camp, std::size_t marime, const std::string& text) {
    std::memset(camp, 0, marime);
    std::memcpy(camp, text.data(), std::min(text.size(), marime - 1));
}

// The nm bounds of a µm range in the record's 16-bit words.
std::uint16_t Nm(double um, bool sus) {
    const double nm = sus ? std::ceil(um * 1000.0 - 1e-6) : std::floor(um * 1000.0 + 1e-6);
    return static_cast<std::uint16_t>(std::clamp(nm, 1.0, 65535.0));
}

void Transmisie(const SticlaAgf& s, MaterialOptic& m, std::vector<std::string>& mesaje) {
    const auto inainte = [](const PunctTransmisieAgf& a, const PunctTransmisieAgf& b) { return a.lambdaUm < b.lambdaUm; };
    // Catalogues list the lines in order; only a file that does not is sorted.
    std::vector<PunctTransmisieAgf> sortate;
    const std::vector<PunctTransmisieAgf>* p = &s.transmisie;
    if (!std::is_sorted(p->begin(), p->end(), inainte)) {
        sortate = s.transmisie;
        std::stable_sort(sortate.begin(), sortate.end(), inainte);
        p = &sortate;
    }
    // Two lines of the same wavelength (to the nm) would give one slot two values.
    std::vector<PunctTransmisieAgf> unice;
    unice.reserve(p->size());
    long nmAnterior = -1;
    for (const auto& q : *p) {
        if (q.lambdaUm * 1000.0 > 65535.0) continue;
        const long nm = std::lround(q.lambdaUm * 1000);
        if (unice.empty() || nm != nmAnterior) unice.push_back(q);
        nmAnterior = nm;
    }
    if (unice.empty()) return;
    // The reference thickness is the one most points were measured at; every
    // point keeps its own absorption coefficient whatever its thickness.
    // Ties go to the thickness met first along the wavelengths. Nearly
    // every catalogue measures all its points at one thickness.
    double grosime = unice.front().grosimeMm;
    const bool oGrosime = std::all_of(unice.begin(), unice.end(), [&](auto& q) { return q.grosimeMm == grosime; });
    if (!oGrosime) {
        std::map<double, std::size_t> numarPeGrosime;
        for (const auto& q : unice) ++numarPeGrosime[q.grosimeMm];
        std::size_t celMaiDes = 0;
        for (const auto& q : unice) {
            const std::size_t k = numarPeGrosime[q.grosimeMm];
            if (k > celMaiDes) celMaiDes = k, grosime = q.grosimeMm;
        }
    }
    m.grosime_transmisie = static_cast<float>(grosime);
    // Points that fit the slots go in as they are; only a longer curve needs
    // choosing, and the transmittances it is chosen by.
    if (unice.size() <= static_cast<std::size_t>(NumarSloturiEditabile)) {
        for (std::size_t i = 0; i < unice.size(); ++i) {
            m.lambda_Ti[i] = static_cast<std::uint16_t>(std::lround(unice[i].lambdaUm * 1000.0));
            m.transmisia_interna[i] = AbsorbtieDinTransmisieCatalog(static_cast<float>(unice[i].tau),
                                                                    static_cast<float>(unice[i].grosimeMm));
        }
        return;
    }
    std::vector<double> x, alfa, tau;
    x.reserve(unice.size()), alfa.reserve(unice.size()), tau.reserve(unice.size());
    for (const auto& q : unice) {
        x.push_back(q.lambdaUm);
        alfa.push_back(AbsorbtieDinTransmisieCatalog(static_cast<float>(q.tau), static_cast<float>(q.grosimeMm)));
        tau.push_back(std::exp(-alfa.back() * grosime));
    }
    const std::vector<std::size_t> alese = PuncteReprezentative(x, {{tau}}, NumarSloturiEditabile);
    if (alese.size() < unice.size())
        mesaje.push_back(TextFormatat("transmisia are %zu puncte; s-au pastrat cele %zu care urmeaza cel mai bine curba",
                                  unice.size(), alese.size()));
    for (std::size_t i = 0; i < alese.size(); ++i) {
        m.lambda_Ti[i] = static_cast<std::uint16_t>(std::lround(x[alese[i]] * 1000.0));
        m.transmisia_interna[i] = static_cast<float>(alfa[alese[i]]);
    }
}

// Name, glass code (from nd and vd when the catalogue gives none), producer and state.
void ConvertesteIdentitate(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m,
                           std::vector<std::string>& mesaje) {
    if (s.nume.size() >= sizeof m.nume)
        mesaje.push_back(TextFormatat("numele are %zu caractere; s-au pastrat primele 15", s.nume.size()));
    CopiazaText(m.nume, sizeof m.nume, s.nume);
    std::string cod = s.mil;
    double mil = 0.0;
    if (cod.empty() || cod == "-" || (NumarCatalog(cod, mil) && mil == 0.0)) {
        const long a = std::lround((s.nd - 1.0) * 1000.0), b = std::lround(s.vd * 10.0);
        cod = a > 0 && a < 1000 && b > 0 && b < 1000 ? TextFormatat("%03ld%03ld", a, b) : "";
    }
    CopiazaText(m.cod, sizeof m.cod, cod);
    m.producator = producator;
    // One more than the catalogue's number, so that 0 stays "not known".
    if (s.stare >= 0 && s.stare <= static_cast<int>(StareSticlaAgf::Topitura))
        m.stare_catalog = static_cast<std::uint8_t>(s.stare + 1);
    else
        mesaje.push_back(TextFormatat("starea %d din catalog nu este una cunoscuta (0 - 4); nu a fost pastrata", s.stare));
}

// The index table: the standard wavelengths inside the range, or, for a
// glass whose range holds few of them (infrared materials), 40 evenly
// spaced wavelengths of the range. Returns the wavelengths, in nm.
std::vector<double> UmpleTabelIndici(const SticlaAgf& s, double lo, double hi, MaterialOptic& m) {
    std::vector<double> tabel;
    for (float l : LungimiUndaStandard)
        if (l >= lo * 1000.0 && l <= hi * 1000.0) tabel.push_back(l);
    if (tabel.size() < 8) {
        tabel.clear();
        for (int i = 0; i < NumarSloturiEditabile; ++i)
            tabel.push_back(1000.0 * (lo + (hi - lo) * i / (NumarSloturiEditabile - 1)));
    }
    for (std::size_t i = 0; i < tabel.size(); ++i) {
        m.lambda_indici[i] = static_cast<float>(tabel[i]);
        m.indice_n[i] = IndiceFormulaAgf(s.formula, s.cd.data(), m.lambda_indici[i] / 1000.0);
    }
    return tabel;
}

// The catalogue's formula as an equation of the record, or the equation fitted closest to it.
void AlegeEcuatiaDispersiei(const SticlaAgf& s, double lo, double hi, const std::vector<double>& tabel, MaterialOptic& m,
                      std::vector<std::string>& mesaje) {
    const double* a = s.cd.data();
    if (const std::int16_t cod = EcuatieDinFormulaAgf(s.formula, a, m.coef_disp_n)) {
        m.ec_dispersie_n = cod;
    } else {
        // The other formulas have no code of their own: each code that can
        // take the curve is fitted over the range, and the one that keeps
        // closest to it everywhere is stored. The points are the table's and
        // a dense even spread, at the float wavelengths the record evaluates.
        std::vector<double> lambdaNm, n;
        for (int i = 0; i <= PunctePotrivire; ++i) lambdaNm.push_back(1000.0 * (lo + (hi - lo) * i / PunctePotrivire));
        lambdaNm.insert(lambdaNm.end(), tabel.begin(), tabel.end());
        for (double l : lambdaNm) n.push_back(IndiceFormulaAgf(s.formula, a, static_cast<float>(l) / 1000.0));
        const PotrivireEcuatie p = CeaMaiBunaPotrivire(lambdaNm, n);
        if (p.ok) {
            m.ec_dispersie_n = p.cod;
            std::copy(p.coef, p.coef + NumarCoeficientiDispersie, m.coef_disp_n);
            mesaje.push_back(TextFormatat("formula %d aproximata cu ecuatia %d (%s): abaterea maxima %.2e in domeniul "
                                          "%g - %g um",
                                          s.formula, p.cod, DescriereEcuatie(p.cod).nume, p.abatereMaxima, lo, hi));
        } else {
            m.ec_dispersie_n = EcuatieTabelata;
            mesaje.push_back(TextFormatat("formula %d nu a putut fi aproximata cu nicio ecuatie; se foloseste "
                                          "tabelul de indici",
                                          s.formula));
        }
    }
}

// Expansion, density, Tg, price and chemical stability, where the catalogue has them.
void ProprietatiFizice(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m) {
    if (s.areEd) {
        // Catalogues give expansion in 10^-6/K; the two producers whose
        // records keep it in 10^-7/K get it in their scale.
        const double scara = producator <= 1 ? 10.0 : 1.0;
        m.dilatare[0] = static_cast<float>(s.dilatareJoasa * scara);
        m.dilatare[1] = static_cast<float>(s.dilatareInalta * scara);
        m.densitate = static_cast<float>(s.densitate);
    }
    if (s.tg > 0.0 && s.tg < 65535.0) m.temperaturi[0] = static_cast<std::uint16_t>(std::lround(s.tg));
    if (s.areOd) {
        if (s.od[0] >= 0.0) m.pret_relativ = static_cast<std::uint16_t>(std::lround(std::min(s.od[0] * 10.0, 6400.0)));
        for (int i = 0; i < 5; ++i)
            if (s.od[i + 1] >= 0.0 && s.od[i + 1] < 65535.0)
                m.stabilitate_chimica[i] = static_cast<std::uint16_t>(s.od[i + 1]);
    }
}

}  // namespace

void ConvertesteSticlaAgf(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m,
                          std::vector<std::string>& mesaje, CategoriiImport* categorii) {
    std::memset(&m, 0, sizeof m);
    ConvertesteIdentitate(s, producator, m, mesaje);

    double lo = s.lambdaMinUm, hi = s.lambdaMaxUm;
    if (!s.areLd) {
        // Every catalogue measures its glasses over at least the visible and
        // the near infrared; that is the range a glass without LD is given.
        lo = 0.365, hi = 1.014;
        mesaje.push_back("fara domeniu de valabilitate (LD): se foloseste 0.365 - 1.014 um");
    }
    m.domeniu_n[0] = Nm(lo, false), m.domeniu_n[1] = Nm(hi, true);
    m.domeniu_k[0] = DomeniuImplicitInferior, m.domeniu_k[1] = DomeniuImplicitSuperior;
    // The table stays inside what the record's range words can hold: a range
    // of astronomic wavelengths would give wavelengths no float can store.
    lo = std::clamp(lo, 0.001, 65.535), hi = std::clamp(hi, 0.001, 65.535);

    const std::vector<double> tabel = UmpleTabelIndici(s, lo, hi, m);
    AlegeEcuatiaDispersiei(s, lo, hi, tabel, m, mesaje);
    ProprietatiFizice(s, producator, m);
    Transmisie(s, m, mesaje);

    if (categorii)
        m.categorie = s.nd > 1.0 && s.vd > 0.0 ? categorii->categorie(s.nd, s.vd) : categorii->categorie(m);

    // A check every formula deserves: the stored equation at the d line gives
    // the catalogue's nd. Infrared glasses carry a placeholder nd of 1.
    float n = 0.0f;
    if (s.nd > 1.0 && LambdaLiniaD >= m.domeniu_n[0] && LambdaLiniaD <= m.domeniu_n[1] &&
        m.ec_dispersie_n != EcuatieTabelata && IndiceDinEcuatieDispersie(m, 0, LambdaLiniaD, n) == IndiceValid &&
        std::fabs(n - s.nd) > 1e-4)
        mesaje.push_back(TextFormatat("ecuatia da nd = %.6f, catalogul %.6f", n, s.nd));
}

}  // namespace vitramor
