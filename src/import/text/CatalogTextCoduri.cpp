// The column layouts of the five text catalogues: which column goes to which
// record field, and the wavelengths of the slots each catalogue fills.
#include <cmath>
#include <cstring>
#include <limits>

#include "import/text/CatalogText.h"
#include "import/text/ColoaneText.h"
#include "import/schott/ImportSchott.h"

namespace vitramor {

namespace {

constexpr float AbsorbtieOpaca = 37.0f;

// Slot wavelengths (nm) of the index tables.
constexpr float LambdaIndici1[] = {248.3f,   280.4f,  296.7278f, 312.5f,   334.1f,  365.01f, 404.6f,  435.8f,
                                   479.99f,  486.13f, 546.07f,   587.56f,  589.29f, 632.8f,  643.84f, 656.27f,
                                   706.5f,   852.11f, 1013.98f,  1060.0f,  1529.582f, 1970.09f, 2325.42f};
constexpr float LambdaIndici2[] = {365.01f, 404.6f,  435.8f,  479.99f, 486.13f, 546.07f, 587.56f, 589.29f,
                                   632.8f,  643.84f, 656.27f, 706.52f, 768.19f, 852.11f, 1013.98f};
constexpr float LambdaIndici3[] = {365.01f, 404.65f, 435.83f, 441.57f, 479.99f, 486.13f, 546.07f,
                                   587.56f, 589.29f, 632.8f,  643.84f, 656.27f, 706.52f, 768.19f,
                                   852.11f, 1013.98f, 1129.0f, 1529.582f, 1970.09f, 2325.42f};
constexpr float LambdaIndici4[] = {365.01f, 404.65f, 435.83f, 479.99f, 486.13f, 546.07f, 587.56f, 589.29f,
                                   643.84f, 656.27f, 706.52f, 768.19f, 1013.98f, 1309.0f, 1548.0f};
constexpr float LambdaIndici5[] = {404.65f, 435.83f, 479.99f, 486.13f, 546.07f, 587.56f, 656.27f, 706.52f, 768.19f};

// Slot wavelengths (nm) of the transmittance tables.
constexpr std::uint16_t LambdaTi1[] = {250, 260, 270, 280, 290, 300, 310, 320, 334, 350,  365,  370,  380,  390,  400,
                                       405, 420, 436, 460, 500, 546, 580, 620, 660, 700, 1060, 1530, 1970, 2325, 2500};
constexpr std::uint16_t LambdaTi2[] = {280, 290, 300, 310, 320, 330, 340, 350, 360, 370, 380,  390,  400,
                                       420, 440, 460, 480, 500, 550, 600, 650, 700, 750, 780, 800,  830,
                                       850, 900, 950, 1000, 1050, 1060, 1100, 1200, 1300, 1400, 1500, 1550};
constexpr std::uint16_t LambdaTi3[] = {280, 290, 300, 310, 320, 330, 340, 350, 360,  370,  380,  390,  400,  420,  440,  460,
                                       480, 500, 550, 600, 650, 700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400};
constexpr std::uint16_t LambdaTi4[] = {270, 280, 290, 300, 310, 320, 330, 340, 350, 360, 370, 380,  390,  400,
                                       420, 440, 460, 480, 500, 550, 600, 650, 700, 800, 1060, 1500, 2000};

template <std::size_t N>
constexpr int Numar(const float (&)[N]) { return static_cast<int>(N); }
template <std::size_t N>
constexpr int Numar(const std::uint16_t (&)[N]) { return static_cast<int>(N); }

// A group of columns written to neighbouring slots: the first column to
// slot `primul`, the following ones down (descrescator) or up from there.
struct Grup {
    int coloana;
    int primul;
    bool descrescator;
    int numar;
    int slot(int i) const { return descrescator ? primul - i : primul + i; }
};

class Linie {
public:
    Linie(std::string_view text, char separator, MaterialOptic& m) : c_(text, separator), m_(m) {}

    std::string_view text(int coloana) const { return c_.coloana(coloana); }
    float real(int coloana) const { return RealText(c_.coloana(coloana)); }
    std::uint16_t cuvant(int coloana) const { return CuvantText(c_.coloana(coloana)); }

    // The name columns give at most 10 characters; trailing blanks would make
    // a name that no search typed by hand finds.
    bool nume(int coloana) {
        std::string_view t = c_.coloana(coloana).substr(0, CaractereNumeCatalogText);
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
        if (t.empty()) return false;
        std::memcpy(m_.nume, t.data(), t.size());
        return true;
    }
    void cod(int coloana) {
        const std::string_view t = c_.coloana(coloana).substr(0, CaractereNumeCatalogText);
        if (!t.empty()) std::memcpy(m_.cod, t.data(), t.size());
    }

    // Indices with their slots' wavelengths; `doarPesteUnu` leaves a slot
    // empty for a value below 1.0 (the catalogue's "not measured").
    void indici(const Grup& g, const float* lambda, bool doarPesteUnu = false) {
        for (int i = 0; i < g.numar; ++i) {
            const float n = real(g.coloana + i);
            if (doarPesteUnu && !(n >= 1.0f)) continue;
            const int s = g.slot(i);
            m_.lambda_indici[s] = lambda[s];
            m_.indice_n[s] = n;
        }
    }
    void transmisii(const Grup& g, const std::uint16_t* lambda, float grosime) {
        m_.grosime_transmisie = grosime;
        for (int i = 0; i < g.numar; ++i) {
            const int s = g.slot(i);
            const float alfa = AbsorbtieDinTransmisieCatalog(real(g.coloana + i), grosime);
            // A transmittance outside 0..1 has no logarithm: taken as opaque.
            m_.transmisia_interna[s] = std::isfinite(alfa) ? alfa : AbsorbtieOpaca;
            m_.lambda_Ti[s] = lambda[s];
        }
    }
    void coeficienti(int coloana, std::int16_t ecuatie) {
        for (int i = 0; i < 6; ++i) m_.coef_disp_n[i] = real(coloana + i);
        m_.ec_dispersie_n = ecuatie;
        m_.ec_dispersie_k = 0;
    }

private:
    ColoaneText c_;
    MaterialOptic& m_;
};

// The n range from the index table: from the first slot with an index to the
// end of the run of positive indices that starts there (slot 38 at most).
// The k range of these catalogues is the visible, with or without indices.
void DomeniuDinIndici(MaterialOptic& m) {
    m.domeniu_k[0] = 400;
    m.domeniu_k[1] = 700;
    int i = 0;
    while (i < NumarSloturiEditabile && m.indice_n[i] == 0.0) ++i;
    if (i == NumarSloturiEditabile) return;  // no index: no n range to give
    int j = i;
    while (j < 38 && m.indice_n[j + 1] > 0.0) ++j;
    m.domeniu_n[0] = static_cast<std::uint16_t>(m.lambda_indici[i]);
    m.domeniu_n[1] = static_cast<std::uint16_t>(m.lambda_indici[j]);
}

StareLinieText Cod1(std::string_view text, MaterialOptic& m) {
    Linie l(text, '\t', m);
    if (!l.nume(1)) return StareLinieText::NumeGol;
    l.coeficienti(7, 4);
    l.transmisii({38, 29, true, 30}, LambdaTi1, 25.0f);
    for (int i = 0; i < 5; ++i) m.stabilitate_chimica[i] = l.cuvant(99 + i);
    m.densitate = l.real(104);
    m.temperaturi[0] = l.cuvant(105);
    m.dilatare[0] = l.real(110);
    m.dilatare[1] = l.real(111);
    m.duritate_knoop = l.real(114);
    l.indici({117, 22, true, 23}, LambdaIndici1);
    l.cod(159);
    const double pret = std::floor(static_cast<double>(l.real(162)) * 10.0);
    m.pret_relativ = pret >= 0.0 && pret <= 65535.0 ? static_cast<std::uint16_t>(pret) : 0;
    DomeniuDinIndici(m);
    return StareLinieText::Stocheaza;
}

StareLinieText Cod2(std::string_view text, MaterialOptic& m) {
    Linie l(text, ',', m);
    if (!l.nume(2)) return StareLinieText::NumeGol;
    l.cod(3);
    l.indici({10, 14, true, 15}, LambdaIndici2);
    // Mantissa and exponent pairs: c0 = m·10^e, c1..c5 = m·10^-e.
    for (int i = 0; i < 6; ++i) {
        const float mantisa = l.real(26 + 2 * i);
        const float exponent = l.real(27 + 2 * i);
        const double putere = std::pow(10.0, static_cast<double>(i == 0 ? exponent : -exponent));
        if (!(putere <= static_cast<double>(std::numeric_limits<float>::max()))) continue;  // no float: not given
        const float c = mantisa * static_cast<float>(putere);
        m.coef_disp_n[i] = std::isfinite(c) ? c : 0.0f;
    }
    m.ec_dispersie_n = 1;
    m.ec_dispersie_k = 0;
    m.stabilitate_chimica[0] = l.cuvant(62);
    m.stabilitate_chimica[2] = l.cuvant(64);
    m.stabilitate_chimica[1] = l.cuvant(66);
    m.stabilitate_chimica[3] = l.cuvant(68);
    m.stabilitate_chimica[4] = l.cuvant(70);
    m.temperaturi[0] = l.cuvant(73);
    m.densitate = l.real(107);
    l.transmisii({153, 37, true, 38}, LambdaTi2, 10.0f);
    DomeniuDinIndici(m);
    return StareLinieText::Stocheaza;
}

StareLinieText Cod3(std::string_view text, MaterialOptic& m) {
    Linie l(text, '\t', m);
    if (!l.nume(2)) return StareLinieText::NumeGol;
    l.indici({5, 19, true, 20}, LambdaIndici3);
    l.coeficienti(61, 4);
    l.transmisii({76, 0, false, 32}, LambdaTi3, 10.0f);
    m.temperaturi[0] = l.cuvant(152);
    m.stabilitate_chimica[2] = l.cuvant(169);
    m.stabilitate_chimica[4] = l.cuvant(170);
    m.densitate = l.real(172);
    DomeniuDinIndici(m);
    return StareLinieText::Stocheaza;
}

StareLinieText Cod4(std::string_view text, MaterialOptic& m) {
    Linie l(text, '\t', m);
    const bool indicator = IntregText(l.text(1)) != 0;
    if (!l.nume(3)) return StareLinieText::NumeGol;
    l.indici({8, 14, true, 15}, LambdaIndici4, true);
    l.coeficienti(47, 1);
    m.temperaturi[0] = l.cuvant(60);
    m.stabilitate_chimica[2] = l.cuvant(67);
    m.densitate = l.real(73);
    // Without a thickness the transmittances cannot be converted; the slots
    // keep the opaque mark of a glass without data rather than infinities.
    const float grosime = l.real(75);
    if (grosime > 0.0f) l.transmisii({76, 0, false, 27}, LambdaTi4, grosime);
    DomeniuDinIndici(m);
    return indicator ? StareLinieText::Stocheaza : StareLinieText::FaraIndicator;
}

std::uint16_t NanometriDinMicrometri(float um) {
    const double nm = std::trunc(static_cast<double>(um) * 1000.0);
    return nm >= 0.0 && nm <= 65535.0 ? static_cast<std::uint16_t>(nm) : 0;
}

std::string_view FaraBlancuriLaSfarsit(std::string_view t) {
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

// The two files are paired by their whole names: a name cut to the
// catalogue's 10 characters could pair two different glasses.
StareLinieText Cod5(std::string_view text2, std::string_view text1, MaterialOptic& m) {
    Linie l(text2, '\t', m);
    const std::string_view nume2 = FaraBlancuriLaSfarsit(l.text(1));
    if (nume2.size() > static_cast<std::size_t>(CaractereNumeCatalogText)) return StareLinieText::NumePreaLung;
    if (!l.nume(1)) return StareLinieText::NumeGol;
    l.indici({3, 8, true, 9}, LambdaIndici5, true);

    Linie e(text1, '\t', m);
    if (FaraBlancuriLaSfarsit(e.text(1)) != nume2) return StareLinieText::NumeDiferite;
    constexpr int Coeficient[] = {5, 4, 3, 2, 0, 1};  // columns 3 to 8
    for (int i = 0; i < 6; ++i) m.coef_disp_n[Coeficient[i]] = e.real(3 + i);
    m.ec_dispersie_n = 1;
    m.domeniu_n[0] = m.domeniu_k[0] = NanometriDinMicrometri(e.real(9));
    m.domeniu_n[1] = m.domeniu_k[1] = NanometriDinMicrometri(e.real(10));
    return StareLinieText::Stocheaza;
}

static_assert(Numar(LambdaIndici1) == 23 && Numar(LambdaIndici2) == 15 && Numar(LambdaIndici3) == 20 &&
              Numar(LambdaIndici4) == 15 && Numar(LambdaIndici5) == 9);
static_assert(Numar(LambdaTi1) == 30 && Numar(LambdaTi2) == 38 && Numar(LambdaTi3) == 32 && Numar(LambdaTi4) == 27);

}  // namespace

void ReseteazaRecordCatalogText(int cod, MaterialOptic& m) {
    std::memset(&m, 0, sizeof m);
    for (int i = 0; i < NumarSloturiEditabile; ++i) m.transmisia_interna[i] = AbsorbtieOpaca;
    const DescriereCatalogText* d = DescriereCatalog(cod);
    m.stas = m.producator = d ? d->producator : 0;
}

StareLinieText ParseazaLinieCatalogText(int cod, std::string_view linie, std::string_view linie1, MaterialOptic& m) {
    ReseteazaRecordCatalogText(cod, m);
    switch (cod) {
    case 1: return Cod1(linie, m);
    case 2: return Cod2(linie, m);
    case 3: return Cod3(linie, m);
    case 4: return Cod4(linie, m);
    case 5: return Cod5(linie, linie1, m);
    default: return StareLinieText::NumeGol;
    }
}

}  // namespace vitramor
