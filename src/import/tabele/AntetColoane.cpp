#include "import/tabele/AntetColoane.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "material/LiniiSpectrale.h"
#include "record/ConversiiMaterial.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

// Compatibility forms folded into plain ones ("／" -> "/", "⁻⁷" -> "-7",
// "³" -> "3", "℃" -> "°c"), lower case. With `compact`, also without
// blanks, brackets, multiplication signs and carets, minus signs as '-' and
// degrees Celsius as K (an expansion per °C is one per K): "10⁻⁷ /℃" and
// "10^-7/K" both read "10-7/k".
std::string Pliat(std::string_view text, bool compact) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                          .normalized(QString::NormalizationForm_KC)
                          .toLower();
    if (!compact) return s.toStdString();
    QString r;
    for (const QChar ch : s) {
        const char16_t u = ch.unicode();
        if (QStringLiteral(" \t\n()[]{}*^\u00b7\u00d7\u2022\u2219\u22c5").contains(ch)) continue;
        r += u == 0x2212 || u == 0x2013 || u == 0x2014 ? QChar(u'-') : ch;
    }
    r.replace(QStringLiteral("\u00b0c"), QStringLiteral("k")).replace(QStringLiteral("\u00b0k"), QStringLiteral("k"));
    for (qsizetype i = r.indexOf(QStringLiteral("/c")); i >= 0; i = r.indexOf(QStringLiteral("/c"), i + 1))
        if (i + 2 == r.size() || !r[i + 2].isLetter()) r[i + 1] = u'k';
    return r.toStdString();
}

// A number at `i` of `t`, and where it ends.
std::optional<double> NumarLa(std::string_view t, std::size_t i, std::size_t& sfarsit) {
    double v = 0;
    const CitireNumar c = CitesteNumarCatalog(t.substr(i), v);
    if (c.lungime == 0 || c.depasire) return std::nullopt;
    sfarsit = i + c.lungime;
    return v;
}

std::string_view FaraSpatii(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    return t;
}

// A wavelength written after its number: nothing or "nm" (nm), "µm" or
// "um" (µm); nothing when another text follows.
std::optional<double> CuUnitateLungime(double v, std::string_view rest) {
    const std::string u = Pliat(FaraSpatii(rest), true);
    if (u.empty() || u == "nm") return v;
    if (u == "um" || u == "\u03bcm") return v * 1000;
    return std::nullopt;
}

}  // namespace

std::string AntetColoana(const std::vector<ColoanaTabel>& coloane, int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= coloane.size()) return {};
    std::string antet = coloane[static_cast<std::size_t>(k)].nume;
    for (std::size_t r = 0; r < coloane[static_cast<std::size_t>(k)].deasupra.size(); ++r)
        for (int j = k; j >= 0; --j) {
            const auto& d = coloane[static_cast<std::size_t>(j)].deasupra;
            if (r < d.size() && !d[r].empty()) {
                antet += "\n" + d[r];
                break;
            }
        }
    return antet;
}

float LungimeUndaIndice(std::string_view nume) {
    const auto inNm = [](double v) { return static_cast<float>(v < 10 ? v * 1000 : v); };
    // "n2325.4", "n 1013.98#2": an 'n' that a number follows.
    for (std::size_t pn = nume.find('n'); pn != std::string_view::npos; pn = nume.find('n', pn + 1)) {
        std::size_t i = pn + 1, sfarsit = 0;
        while (i < nume.size() && nume[i] == ' ') ++i;
        if (i >= nume.size() || !std::isdigit(static_cast<unsigned char>(nume[i]))) continue;
        const auto v = NumarLa(nume, i, sfarsit);
        if (!v) continue;
        const std::string_view rest = nume.substr(sfarsit, nume.find('#', sfarsit) - sfarsit);
        const auto l = CuUnitateLungime(*v, rest);
        return l ? inNm(*l) : inNm(*v);
    }
    if (const auto pn = nume.find('n'); pn != std::string_view::npos)
        if (const float l = LungimeUndaDinNumeLinie(nume.substr(pn)); l > 0) return l;
    const std::string_view t = FaraSpatii(nume);
    std::size_t sfarsit = 0;
    const auto v = NumarLa(t, 0, sfarsit);
    const auto l = v ? CuUnitateLungime(*v, t.substr(sfarsit)) : std::nullopt;
    return l ? inNm(*l) : 0.0f;
}

NumeTransmisie CitesteNumeTransmisie(std::string_view nume) {
    NumeTransmisie r;
    if (const auto p = nume.find("TAUI"); p != std::string_view::npos) {
        const auto bara = nume.find('/', p + 4);
        if (bara == std::string_view::npos) return r;
        r.taui = true;
        r.grosime = std::string(nume.substr(p + 4, std::min<std::size_t>(bara - p - 4, 11)));
        std::size_t sfarsit = 0;
        const auto v = NumarLa(nume, bara + 1, sfarsit);
        r.lambda = v && *v >= 1 && *v <= 65535 ? static_cast<int>(*v) : 0;
        return r;
    }
    // The last number of the name before a '#', in nm unless its unit says
    // µm; below 100 nm it is a position ("T1", "Ti 2"), not a wavelength.
    nume = nume.substr(0, nume.find('#'));
    std::optional<double> ultim;
    for (std::size_t i = 0; i < nume.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(nume[i]))) continue;
        std::size_t sfarsit = i + 1;
        const auto v = NumarLa(nume, i, sfarsit);
        if (v) {
            std::size_t u = sfarsit;
            while (u < nume.size() && nume[u] != ' ' && !std::isdigit(static_cast<unsigned char>(nume[u]))) ++u;
            const auto l = CuUnitateLungime(*v, nume.substr(sfarsit, u - sfarsit));
            ultim = l ? *l : *v;
        }
        i = sfarsit - 1;
    }
    if (ultim && *ultim >= 100 && *ultim <= 65535) r.lambda = static_cast<int>(std::lround(*ultim));
    return r;
}

std::vector<float> GrosimiDinText(std::string_view text) {
    const std::string t = Pliat(text, false);
    std::vector<float> g;
    for (std::size_t p = t.find("mm"); p != std::string::npos; p = t.find("mm", p + 2)) {
        if (p + 2 < t.size() && std::isdigit(static_cast<unsigned char>(t[p + 2]))) continue;  // mm², an area
        std::size_t i = p;
        while (i > 0 && t[i - 1] == ' ') --i;
        std::size_t inceput = i;
        while (inceput > 0 && (std::isdigit(static_cast<unsigned char>(t[inceput - 1])) || t[inceput - 1] == '.'))
            --inceput;
        double v = 0;
        if (inceput == i || !NumarCatalog(std::string_view(t).substr(inceput, i - inceput), v)) continue;
        if (v > 0 && v <= 1000 && std::find(g.begin(), g.end(), static_cast<float>(v)) == g.end())
            g.push_back(static_cast<float>(v));
    }
    return g;
}

namespace {

// The units makers write, folded as Pliat folds a header; a longer spelling
// comes before the shorter one it contains ("kj/kgk" before "j/kgk").
// `scara`: the value in the field's own unit of one unit of the column;
// for the expansion, in 1/K.
struct Unitate {
    int intrare;
    const char* model;
    const char* nume;
    double scara;
};
const Unitate Unitati[] = {
    {7, "103kg/m3", "10^3 kg/m^3", 1},    {7, "kg/m3", "kg/m^3", 1e-3},      {7, "g/cm3", "g/cm^3", 1},
    {7, "gcm-3", "g/cm^3", 1},            {7, "g/cc", "g/cc", 1},            {7, "g/ml", "g/ml", 1},
    {10, "1010dyn/cm2", "10^10 dyn/cm^2", 1}, {10, "108n/m2", "10^8 N/m^2", 0.1}, {10, "108pa", "10^8 Pa", 0.1},
    {10, "109n/m2", "10^9 N/m^2", 1},     {10, "109pa", "10^9 Pa", 1},       {10, "103n/mm2", "10^3 N/mm^2", 1},
    {10, "kn/mm2", "kN/mm^2", 1},         {10, "gpa", "GPa", 1},             {10, "mpa", "MPa", 1e-3},
    {10, "n/mm2", "N/mm^2", 1e-3},
    {14, "w/mk", "W/(m*K)", 1},           {14, "w/m/k", "W/(m*K)", 1},       {14, "wm-1k-1", "W/(m*K)", 1},
    {15, "10-7/k", "10^-7/K", 1e-7},      {15, "10-7k-1", "10^-7/K", 1e-7},  {15, "10-6/k", "10^-6/K", 1e-6},
    {15, "10-6k-1", "10^-6/K", 1e-6},     {15, "ppm/k", "10^-6/K", 1e-6},    {15, "1/k", "1/K", 1},
    {17, "kj/kgk", "kJ/(kg*K)", 1000},    {17, "kj/kg/k", "kJ/(kg*K)", 1000}, {17, "j/gk", "J/(g*K)", 1000},
    {17, "j/g/k", "J/(g*K)", 1000},       {17, "jg-1k-1", "J/(g*K)", 1000},  {17, "j/kgk", "J/(kg*K)", 1},
    {17, "j/kg/k", "J/(kg*K)", 1},        {17, "jkg-1k-1", "J/(kg*K)", 1},   {17, "cal/gk", "cal/(g*K)", 4186.8},
};

// The scale of a stored expansion number: the catalogue's, as the record
// reads it back (DilatarePeKelvin of a catalogue number).
double ScaraDilatare(int producator) {
    return DilatarePeKelvin(1.0f, static_cast<std::uint16_t>(producator < 0 ? 2 : producator));
}

}  // namespace

std::string UnitateCamp(int intrare, int producator) {
    switch (intrare) {
        case 2: case 8: return "nm";
        case 7: return "g/cm^3";
        case 9: return "0..1";
        case 10: return "GPa";
        case 13: return "C";
        case 14: return "W/(m*K)";
        case 15: return ScaraDilatare(producator) < 5e-7 ? "10^-7/K" : "10^-6/K";
        case 17: return "J/(kg*K)";
        case 19: return "mm";
        default: return {};
    }
}

std::optional<UnitateAntet> UnitateDinAntet(int intrare, std::string_view antet, int producator) {
    const std::string t = Pliat(antet, true);
    for (const Unitate& u : Unitati) {
        if (u.intrare != intrare || t.find(u.model) == std::string::npos) continue;
        const double factor = intrare == 15 ? u.scara / ScaraDilatare(producator) : u.scara;
        // 1e-7 / 1e-6 is 0.09999..., not the 0.1 a user would type: twelve
        // digits written and read back.
        char text[32];
        double rotunjit = factor;
        const auto [sfarsit, ec] = std::to_chars(text, text + sizeof text, factor, std::chars_format::general, 12);
        if (ec == std::errc()) NumarCatalog(std::string_view(text, static_cast<std::size_t>(sfarsit - text)), rotunjit);
        return UnitateAntet{u.nume, rotunjit};
    }
    return std::nullopt;
}

}  // namespace vitramor
