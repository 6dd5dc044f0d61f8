#include "demo/DateDemo.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "record/ConversiiMaterial.h"
#include "record/LidtImplicit.h"
#include "record/OrdineOcteti.h"
#include "record/Roluri.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "record/TexteMaterial.h"

namespace vitramor::demo {

namespace {

// The wavelengths that "Init lambda indici" writes into slots 0-34, so the
// demo index tables look like the ones users build themselves.
constexpr float LungimiUndaStandard[35] = {
    312.6f,  334.1f,  350.7f,  356.4f,  365.0f,  404.66f, 435.83f, 479.99f, 486.13f, 488.0f,  514.0f,  520.8f,
    530.0f,  546.07f, 568.2f,  587.56f, 589.29f, 632.8f,  643.85f, 647.1f,  656.27f, 694.3f,  706.52f, 768.2f,
    852.1f,  890.0f,  1013.9f, 1060.0f, 1128.6f, 1395.1f, 1529.6f, 1813.1f, 1970.1f, 2249.3f, 2325.4f,
};

// Categories, 0-based in the order of CategoriiMaterial.txt below.
enum Categorie : std::uint16_t {
    Crown, Flint, CrownLantan, SticlaCuart, CristalFluorura, CristalOxid, OxidEvaporare, FluoruraEvaporare,
};
constexpr const char* TexteCategorii[] = {
    "Crown", "Flint", "Crown cu lantan", "Sticla de cuart", "Cristal - fluorura", "Cristal - oxid",
    "Oxid de evaporare", "Fluorura de evaporare",
};

// Role numbers: data lines of the two attribute files below.
enum RolSubstrat : std::uint8_t { Substrat = 1, Lentila, Fereastra, Prisma, UVs, IRs, LaserS };
enum RolEvaporare : std::uint8_t { IndiceMare = 1, IndiceMic, IndiceMediu, UVe, LaserE, Protectie };

constexpr std::uint16_t ProducatorSchott = 2;
constexpr std::uint16_t ProducatorCorning = 7;
constexpr std::uint16_t ProducatorSaintGobain = 14;
constexpr std::uint16_t TipOmogen = 0;
constexpr std::uint16_t TipBirefringent = 3;
constexpr std::uint16_t StasDin = 1;
constexpr std::uint16_t StasCorning = 7;

MaterialOptic Nou(const char* nume, std::uint16_t producator, std::uint16_t tip, std::uint16_t stas,
                  Categorie categorie) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume, sizeof m.nume - 1);
    m.producator = producator;
    m.tip_material = tip;
    m.stas = stas;
    m.categorie = categorie;
    m.grosime_transmisie = 10.0f;
    // k is not given (constant 0); its range is the default one.
    m.domeniu_k[0] = 10;
    m.domeniu_k[1] = 20000;
    if (!EsteMaterialEvaporare(m)) CompleteazaLungimiUndaLidt(m);
    return m;
}

// Three-term Sellmeier, coefficients B1 B2 B3 C1 C2 C3 with C in µm².
double Sellmeier(const double (&c)[6], double lambdaNm) {
    const double L = lambdaNm * lambdaNm / 1e6;
    return std::sqrt(1.0 + c[0] * L / (L - c[3]) + c[1] * L / (L - c[4]) + c[2] * L / (L - c[5]));
}

void PuneSellmeier(MaterialOptic& m, const double (&c)[6], std::uint16_t minim, std::uint16_t maxim) {
    m.ec_dispersie_n = 4;
    for (int i = 0; i < 6; ++i) m.coef_disp_n[i] = c[i];
    m.domeniu_n[0] = minim;
    m.domeniu_n[1] = maxim;
    for (int i = 0; i < 35; ++i) {
        const float lambda = LungimiUndaStandard[i];
        m.lambda_indici[i] = lambda;
        if (lambda >= minim && lambda <= maxim) m.indice_n[i] = Sellmeier(c, lambda);
    }
}

// Cauchy n = c0 + c1/λ² + c2/λ⁴ with λ in nm.
void PuneCauchy(MaterialOptic& m, double c0, double c1, double c2, std::uint16_t minim, std::uint16_t maxim) {
    m.ec_dispersie_n = 3;
    m.coef_disp_n[0] = c0;
    m.coef_disp_n[1] = c1;
    m.coef_disp_n[2] = c2;
    m.domeniu_n[0] = minim;
    m.domeniu_n[1] = maxim;
    for (int i = 0; i < 35; ++i) {
        const double lambda = LungimiUndaStandard[i];
        const double patrat = lambda * lambda;  // squares, not pow: the bytes must not depend on libm
        m.lambda_indici[i] = LungimiUndaStandard[i];
        if (lambda >= minim && lambda <= maxim) m.indice_n[i] = c0 + c1 / patrat + c2 / (patrat * patrat);
    }
}

// Tabulated n (code 10): the table is the data, its span the range.
void PuneTabel(MaterialOptic& m, std::initializer_list<std::pair<float, double>> valori) {
    m.ec_dispersie_n = 10;
    int slot = 0;
    for (const auto& [lambda, n] : valori) {
        m.lambda_indici[slot] = lambda;
        m.indice_n[slot] = n;
        ++slot;
    }
    m.domeniu_n[0] = static_cast<std::uint16_t>(valori.begin()->first);
    m.domeniu_n[1] = static_cast<std::uint16_t>((valori.end() - 1)->first);
}

// Internal transmittance at the record's reference thickness, stored the way
// the transmittance editor stores a typed value.
void PuneTransmisie(MaterialOptic& m, std::initializer_list<std::pair<std::uint16_t, double>> valori) {
    int slot = 0;
    for (const auto& [lambda, tau] : valori) {
        m.lambda_Ti[slot] = lambda;
        m.transmisia_interna[slot] = *AbsorbtieDinTransmisieInterna(tau, m.grosime_transmisie);
        ++slot;
    }
}

void PuneRoluri(MaterialOptic& m, CoduriRol roluri) { ScrieCuvantRoluri(m, ImpacheteazaRoluri(roluri)); }

// Six-digit glass code nd/vd (glasses only) from the dispersion equation, with the density
// after the point, as the catalogues print it (517642.251 for N-BK7).
void PuneCodSticla(MaterialOptic& m) {
    double c[6];
    for (int i = 0; i < 6; ++i) c[i] = m.coef_disp_n[i];
    const double nd = Sellmeier(c, 587.5618);
    const double vd = (nd - 1.0) / (Sellmeier(c, 486.1327) - Sellmeier(c, 656.2725));
    std::snprintf(m.cod, sizeof m.cod, "%03d%03d.%03d", static_cast<int>(std::lround((nd - 1.0) * 1000.0)),
                  static_cast<int>(std::lround(vd * 10.0)), static_cast<int>(std::lround(m.densitate * 100.0)));
}

// Schott glasses: Sellmeier constants, density, expansion (−30/+70 °C and
// 20/300 °C, in 10^-6/K as this producer's catalogue prints them), Tg and the
// rest as given in the manufacturer catalogue. A property not given here is 0.
std::vector<MaterialOptic> SticleSchott() {
    std::vector<MaterialOptic> v;

    MaterialOptic m = Nou("N-BK7", ProducatorSchott, TipOmogen, StasDin, Crown);
    PuneSellmeier(m, {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653}, 300, 2500);
    m.densitate = 2.51f;
    m.dilatare[0] = 7.1f;
    m.dilatare[1] = 8.3f;
    m.temperaturi[0] = 557;  // Tg
    m.temperaturi[2] = 719;  // T at 10^7.6 dPa·s
    m.duritate_knoop = 610.0f;
    m.modul_young = 82.0f;
    m.raport_poisson = 0.206f;
    m.caldura_specifica[0] = 858.0f;  // slot 0 is the value the export reads
    m.conductibilitate_termica[0] = 1.114f;
    m.pret_relativ = 10;  // the reference of the relative prices
    // Internal transmittance at 10 mm, rounded from the manufacturer's curve.
    PuneTransmisie(m, {{300, 0.60}, {310, 0.80}, {320, 0.91}, {334, 0.97}, {350, 0.99}, {365, 0.995},
                       {400, 0.997}, {500, 0.998}, {700, 0.998}, {1060, 0.999}, {1530, 0.992}, {1970, 0.933},
                       {2325, 0.793}, {2500, 0.665}});
    PuneRoluri(m, {Substrat, Lentila, Fereastra, 0});
    v.push_back(m);

    m = Nou("N-K5", ProducatorSchott, TipOmogen, StasDin, Crown);
    PuneSellmeier(m, {1.08511833, 0.199562005, 0.930511663, 0.00661099503, 0.024110866, 111.982777}, 310, 2500);
    m.densitate = 2.59f;
    PuneRoluri(m, {Lentila, 0, 0, 0});
    v.push_back(m);

    m = Nou("N-BAK4", ProducatorSchott, TipOmogen, StasDin, Crown);
    PuneSellmeier(m, {1.28834642, 0.132817724, 0.945395373, 0.00779980626, 0.0315631177, 105.965875}, 320, 2500);
    m.densitate = 3.05f;
    PuneRoluri(m, {Lentila, Prisma, 0, 0});
    v.push_back(m);

    m = Nou("N-LAK22", ProducatorSchott, TipOmogen, StasDin, CrownLantan);
    PuneSellmeier(m, {1.14229781, 0.535138441, 1.04088385, 0.00585778594, 0.0198546147, 100.834017}, 320, 2500);
    m.densitate = 3.77f;
    PuneRoluri(m, {Lentila, 0, 0, 0});
    v.push_back(m);

    m = Nou("F2", ProducatorSchott, TipOmogen, StasDin, Flint);
    PuneSellmeier(m, {1.34533359, 0.209073176, 0.937357162, 0.00997743871, 0.0470450767, 111.886764}, 320, 2500);
    m.densitate = 3.60f;
    m.dilatare[0] = 8.2f;
    m.dilatare[1] = 9.2f;
    m.temperaturi[0] = 434;
    m.duritate_knoop = 420.0f;
    m.modul_young = 57.0f;
    m.raport_poisson = 0.220f;
    PuneRoluri(m, {Lentila, Prisma, 0, 0});
    v.push_back(m);

    m = Nou("N-SF6", ProducatorSchott, TipOmogen, StasDin, Flint);
    PuneSellmeier(m, {1.77931763, 0.338149866, 2.08734474, 0.0133714182, 0.0617533621, 174.01759}, 370, 2500);
    m.densitate = 3.37f;
    PuneRoluri(m, {Lentila, Prisma, 0, 0});
    v.push_back(m);

    m = Nou("N-SF11", ProducatorSchott, TipOmogen, StasDin, Flint);
    PuneSellmeier(m, {1.73759695, 0.313747346, 1.89878101, 0.013188707, 0.0623068142, 155.23629}, 370, 2500);
    m.densitate = 3.22f;
    PuneRoluri(m, {Lentila, Prisma, 0, 0});
    v.push_back(m);

    for (auto& s : v) PuneCodSticla(s);
    return v;
}

// Crystals and fused silica: Sellmeier forms of the papers cited, written in
// the code-4 order with C = (published wavelength constant)², in µm².
std::vector<MaterialOptic> Cristale() {
    std::vector<MaterialOptic> v;

    // I. H. Malitson, J. Opt. Soc. Am. 55, 1205 (1965), 0.21-3.71 µm; the
    // other properties from the manufacturer's data sheet for this grade.
    MaterialOptic m = Nou("CORNING 7980", ProducatorCorning, TipOmogen, StasCorning, SticlaCuart);
    PuneSellmeier(m, {0.6961663, 0.4079426, 0.8974794, 0.0684043 * 0.0684043, 0.1162414 * 0.1162414,
                      9.896161 * 9.896161},
                  210, 3710);
    m.densitate = 2.201f;
    m.dilatare[0] = 0.52f;
    m.temperaturi[1] = 1042;  // annealing point, 10^13 poise
    m.temperaturi[2] = 1585;  // softening point, 10^7.6 poise
    m.temperaturi_vascozitate[1] = 1042.0f;
    m.modul_young = 72.7f;
    m.raport_poisson = 0.16f;
    PuneRoluri(m, {Substrat, Fereastra, UVs, LaserS});
    PuneCodSticla(m);
    v.push_back(m);

    // I. H. Malitson, Appl. Opt. 2, 1103 (1963), 0.23-9.7 µm.
    m = Nou("CaF2", ProducatorSaintGobain, TipOmogen, StasDin, CristalFluorura);
    PuneSellmeier(m, {0.5675888, 0.4710914, 3.8484723, 0.050263605 * 0.050263605, 0.1003909 * 0.1003909,
                      34.649040 * 34.649040},
                  230, 9700);
    m.densitate = 3.18f;
    m.dilatare[0] = 18.85f;
    m.duritate_knoop = 158.0f;
    m.modul_young = 75.8f;
    m.raport_poisson = 0.26f;
    PuneRoluri(m, {Lentila, Fereastra, UVs, IRs});
    v.push_back(m);

    // M. J. Dodge, Appl. Opt. 23, 1980 (1984), ordinary ray, 0.2-7 µm.
    m = Nou("MgF2", ProducatorSaintGobain, TipBirefringent, StasDin, CristalFluorura);
    PuneSellmeier(m, {0.48755108, 0.39875031, 2.3120353, 0.04338408 * 0.04338408, 0.09461442 * 0.09461442,
                      23.793604 * 23.793604},
                  200, 7000);
    m.densitate = 3.18f;
    m.duritate_knoop = 415.0f;
    PuneRoluri(m, {Fereastra, UVs, 0, 0});
    v.push_back(m);

    // I. H. Malitson and M. J. Dodge, J. Opt. Soc. Am. 62, 1405 (1972),
    // ordinary ray, 0.2-5.5 µm.
    m = Nou("SAPPHIRE", ProducatorSaintGobain, TipBirefringent, StasDin, CristalOxid);
    PuneSellmeier(m, {1.4313493, 0.65054713, 5.3414021, 0.0726631 * 0.0726631, 0.1193242 * 0.1193242,
                      18.028251 * 18.028251},
                  200, 5500);
    m.densitate = 3.98f;
    PuneRoluri(m, {Substrat, Fereastra, IRs, 0});
    v.push_back(m);

    // The crystals get no glass code: it has room for Abbe numbers below 100
    // only, and crystal catalogues do not use it.
    return v;
}

// Evaporation materials. Thin-film indices depend on the deposition process;
// these Cauchy constants and the MgF2 table are representative of
// electron-beam films on heated substrates, not a catalogue. Molar masses
// from the atomic weights, densities and melting points of the bulk material.
std::vector<MaterialOptic> MaterialeEvaporare() {
    std::vector<MaterialOptic> v;

    MaterialOptic m = Nou("TiO2", ProducatorEvaporare, TipOmogen, 0, OxidEvaporare);
    PuneCauchy(m, 2.20, 4.0e4, 1.5e9, 400, 1100);
    m.rata_evaporare = 0.25f;
    m.densitate = 4.23f;
    m.masa_molara = 79.87f;
    m.temperaturi[0] = 1843;  // Tmelt
    m.temperaturi[1] = 250;   // Tsubstrat
    m.puritate = 99.99f;
    PuneRoluri(m, {IndiceMare, 0, 0, 0});
    v.push_back(m);

    m = Nou("Ta2O5", ProducatorEvaporare, TipOmogen, 0, OxidEvaporare);
    PuneCauchy(m, 2.05, 2.2e4, 5.0e8, 350, 1800);
    m.rata_evaporare = 0.3f;
    m.densitate = 8.2f;
    m.masa_molara = 441.89f;
    m.temperaturi[0] = 1872;
    m.temperaturi[1] = 250;
    m.puritate = 99.95f;
    PuneRoluri(m, {IndiceMare, LaserE, 0, 0});
    v.push_back(m);

    m = Nou("SiO2", ProducatorEvaporare, TipOmogen, 0, OxidEvaporare);
    PuneCauchy(m, 1.45, 3.5e3, 0.0, 250, 2000);
    m.rata_evaporare = 0.8f;
    m.densitate = 2.20f;
    m.masa_molara = 60.08f;
    m.dilatare[0] = 0.55e-6f;  // evaporation materials store 1/K
    m.temperaturi[0] = 1713;
    m.temperaturi[1] = 250;
    m.puritate = 99.99f;
    PuneRoluri(m, {IndiceMic, UVe, LaserE, 0});
    v.push_back(m);

    m = Nou("MgF2-evap", ProducatorEvaporare, TipOmogen, 0, FluoruraEvaporare);
    PuneTabel(m, {{250.0f, 1.405}, {350.0f, 1.390}, {450.0f, 1.383}, {550.0f, 1.380}, {700.0f, 1.377},
                  {1000.0f, 1.375}, {1550.0f, 1.372}});
    m.rata_evaporare = 1.0f;
    m.densitate = 3.18f;
    m.masa_molara = 62.30f;
    m.temperaturi[0] = 1263;
    m.temperaturi[1] = 300;
    m.puritate = 99.99f;
    PuneRoluri(m, {IndiceMic, UVe, Protectie, 0});
    v.push_back(m);

    return v;
}

std::string FisierCategorii() {
    std::string s =
        "; Categorii de materiale optice: o linie pentru fiecare categorie.\n"
        "; Numarul categoriei este pozitia liniei, de la 0, fara comentarii.\n";
    for (const char* text : TexteCategorii) s += std::string(text) + "\n";
    return s;
}

// Role files: name, tab, flag (0 = offered for choosing), tab, description.
// Data line 0 is what a free slot shows and is never offered.
std::string FisierAtributeSubstrat() {
    return "; Roluri pentru sticle si cristale: nume<TAB>ascuns (0 = se ofera)<TAB>descriere\n"
           "(liber)\t1\tLoc liber: materialul nu are inca acest rol\n"
           "Substrat\t0\tSubstrat pentru acoperiri optice\n"
           "Lentila\t0\tMaterial pentru lentile\n"
           "Fereastra\t0\tFerestre si lame plan-paralele\n"
           "Prisma\t0\tPrisme si divizoare de fascicul\n"
           "UV\t0\tUtilizabil in ultraviolet\n"
           "IR\t0\tUtilizabil in infrarosu\n"
           "Laser\t0\tOptica pentru laseri de putere\n";
}

std::string FisierAtributeEvaporare() {
    return "; Roluri pentru materiale de evaporare: nume<TAB>ascuns (0 = se ofera)<TAB>descriere\n"
           "(liber)\t1\tLoc liber: materialul nu are inca acest rol\n"
           "Indice mare (H)\t0\tStrat cu indice de refractie mare\n"
           "Indice mic (L)\t0\tStrat cu indice de refractie mic\n"
           "Indice mediu (M)\t0\tStrat cu indice de refractie mediu\n"
           "UV\t0\tStraturi pentru ultraviolet\n"
           "Laser\t0\tStraturi cu prag mare de distrugere laser\n"
           "Protectie\t0\tStrat final de protectie\n";
}

// The producer table as the catalogue library keeps it: 278-byte entries in
// code order, the code little-endian, every producer in the glass directory.
std::string FisierProducatori() {
    std::string s;
    for (int cod = 0; cod < NumarCoduriTabel; ++cod) {
        tag_ProducatorMatOptic p;
        std::memset(&p, 0, sizeof p);
        std::strncpy(p.nume, NumeProducatorImplicit(cod), sizeof p.nume - 1);
        std::strncpy(p.director, ".", sizeof p.director - 1);
        char intrare[sizeof p];
        std::memcpy(intrare, &p, sizeof p);
        intrare[0] = static_cast<char>(cod & 0xFF);
        intrare[1] = static_cast<char>(cod >> 8);
        s.append(intrare, sizeof intrare);
    }
    return s;
}

}  // namespace

std::vector<MaterialOptic> MaterialeDemo() {
    std::vector<MaterialOptic> toate = SticleSchott();
    for (auto& m : Cristale()) toate.push_back(m);
    for (auto& m : MaterialeEvaporare()) toate.push_back(m);
    return toate;
}

std::vector<FisierDemo> FisiereDemo() {
    std::string baza;
    for (MaterialOptic m : MaterialeDemo()) {
        MaterialInOrdineaFisierului(m);
        baza.append(reinterpret_cast<const char*>(&m), sizeof m);
    }
    return {
        {NumeFisierSticleImplicit, baza},
        {"CategoriiMaterial.txt", FisierCategorii()},
        {"AtributMatSubstrat_ML.txt", FisierAtributeSubstrat()},
        {"AtributMatEvap_ML.txt", FisierAtributeEvaporare()},
        {NumeFisierProducatori, FisierProducatori()},
    };
}

}  // namespace vitramor::demo
