#include "material/FisaMaterial.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/CitesteIntrareFisierText.h"
#include "database/JurnalMateriale.h"
#include "dispersion/EcuatieDispersie.h"
#include "dispersion/MarimiOptice.h"
#include "material/ClaseChimice.h"
#include "material/ProprietatiTermice.h"
#include "material/RoluriMaterial.h"
#include "material/TabelTransmisie.h"
#include "explorare/RezumatCatalog.h"
#include "record/CodificareText.h"
#include "record/FisierMaterial.h"
#include "record/Roluri.h"
#include "record/TextFormatat.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

constexpr const char* Lipsa = "-";
constexpr float LambdaImplicitMin = 380.0f, LambdaImplicitMax = 1000.0f;

std::string Valoare(double v, const char* format) { return AreValoare(v) ? TextFormatat(format, v) : Lipsa; }
std::string Pozitiv(double v, const char* format) { return v > 0.0 ? TextFormatat(format, v) : Lipsa; }

std::string TextRecord(const char* bytes, std::size_t marime) {
    return Utf8DinWindows1252(std::string(bytes, strnlen(bytes, marime)));
}

std::string Categorie(const std::string& directorSticle, std::uint16_t cod) {
    std::vector<std::string> categorii;
    CitesteIntrariFisierText(directorSticle, NumeFisierCategorii, categorii);
    if (cod >= categorii.size()) return std::to_string(cod);
    std::string nume = categorii[cod].substr(0, categorii[cod].find('\t'));
    return Utf8DinWindows1252(nume) + " (" + std::to_string(cod) + ")";
}

std::string Ecuatie(const MaterialOptic& m) {
    const DescriereEcuatieDispersie d = DescriereEcuatie(m.ec_dispersie_n);
    return std::to_string(m.ec_dispersie_n) + " " + d.nume;
}

// "CR 1  FR 0  SR 1": the short name of each scale (its letters in
// parentheses or after the dash) and the class the record keeps.
std::string ClaseChimiceText(const MaterialOptic& m) {
    if (DialogChimicProducator(m.producator) == DialogChimic::Niciunul) return Lipsa;
    const std::vector<std::string>& scale = NumeScaleChimice(m.producator);
    std::string text;
    for (std::size_t i = 0; i < scale.size() && i < std::size(m.stabilitate_chimica); ++i) {
        std::string nume = scale[i];
        if (const auto dash = nume.rfind(" - "); dash != std::string::npos) nume = nume.substr(dash + 3);
        else if (const auto a = nume.rfind('('), b = nume.rfind(')'); a != std::string::npos && b > a + 1)
            nume = nume.substr(a + 1, b - a - 1);
        if (!text.empty()) text += "  ";
        text += nume + " " + std::to_string(m.stabilitate_chimica[i]);
    }
    return text.empty() ? Lipsa : text;
}

std::string RoluriText(const std::string& directorSticle, const MaterialOptic& m) {
    const std::uint32_t cuvant = CitesteCuvantRoluri(m);
    std::vector<std::string> linii;
    const bool citit = CitesteLiniiAtribute(directorSticle, FisierAtributeMaterial(m), linii) != 0;
    std::string text;
    for (std::uint8_t cod : DespacheteazaRoluri(cuvant)) {
        if (cod == 0) continue;
        std::string nume = std::to_string(cod);
        if (citit && cod < linii.size()) nume = Utf8DinWindows1252(linii[cod].substr(0, linii[cod].find('\t')));
        if (!text.empty()) text += ", ";
        text += nume;
    }
    return text.empty() ? Lipsa : text;
}

}  // namespace

std::vector<RandFisa> RanduriFisaMaterial(const std::string& directorSticle, const MaterialOptic& m) {
    const MarimiOptice q = CalculeazaMarimiOptice(m);
    const bool evaporare = EsteMaterialEvaporare(m);
    std::vector<RandFisa> r = {
        {"Nume", TextRecord(m.nume, sizeof m.nume)},
        {"Producator", Utf8DinWindows1252(NumeProducatori(directorSticle).nume(m.producator))},
        {"Categorie", Categorie(directorSticle, m.categorie)},
        {"Cod", TextRecord(m.cod, sizeof m.cod)},
        {"nd", Valoare(q.nd, "%.6f")},
        {"ne", Valoare(q.ne, "%.6f")},
        {"vd", Valoare(q.vd, "%.2f")},
        {"ve", Valoare(q.ve, "%.2f")},
        {"P g,F", Valoare(q.pgF, "%.4f")},
        {"Ecuatie n", Ecuatie(m)},
        {"Domeniu n [nm]", DomeniuSpectralValid(m.domeniu_n)
                               ? std::to_string(m.domeniu_n[0]) + " - " + std::to_string(m.domeniu_n[1])
                               : Lipsa},
        {"Densitate [g/cm\xc2\xb3]", Pozitiv(m.densitate, "%.3f")},
        {evaporare ? "T topire [\xc2\xb0"
                     "C]"
                   : "Tg [\xc2\xb0"
                     "C]",
         Pozitiv(m.temperaturi[0], "%.0f")},
        {"\xce\xb1 -60..+20 \xc2\xb0"
         "C",
         Pozitiv(DilatareAfisata(m.dilatare[0], m.producator), "%.2f \xc2\xb7 10\xe2\x81\xbb\xe2\x81\xb7/K")},
        {"\xce\xb1 +20..+120 \xc2\xb0"
         "C",
         Pozitiv(DilatareAfisata(m.dilatare[1], m.producator), "%.2f \xc2\xb7 10\xe2\x81\xbb\xe2\x81\xb7/K")},
        {"Clase chimice", ClaseChimiceText(m)},
        {"Roluri", RoluriText(directorSticle, m)},
    };
    return r;
}

std::vector<PunctGrafic> PuncteTabelIndici(const MaterialOptic& m, int which) {
    const double* valori = which == 0 ? m.indice_n : m.indice_k;
    std::vector<PunctGrafic> p;
    for (int s = 0; s < NumarSloturiEditabile; ++s)
        if (m.lambda_indici[s] > 0.0f && m.lambda_indici[s] < 65535.0f && valori[s] > 0.0)
            p.push_back({m.lambda_indici[s], valori[s]});
    std::sort(p.begin(), p.end(), [](const PunctGrafic& a, const PunctGrafic& b) { return a.x < b.x; });
    return p;
}

std::vector<PunctGrafic> CurbaEcuatieIndici(const MaterialOptic& m, int which, int numar) {
    const std::int16_t cod = which == 0 ? m.ec_dispersie_n : m.ec_dispersie_k;
    if (!EsteEcuatieDispersie(cod) || cod == 0 || numar < 2) return {};
    const std::uint16_t* domeniu = which == 0 ? m.domeniu_n : m.domeniu_k;
    float de = LambdaImplicitMin, la = LambdaImplicitMax;
    const bool implicit = domeniu[0] == DomeniuImplicitInferior && domeniu[1] == DomeniuImplicitSuperior;
    if (DomeniuSpectralValid(domeniu) && !implicit) {
        de = domeniu[0];
        la = domeniu[1];
    } else {
        IntervalDinTabel(m, which == 0 ? m.indice_n : m.indice_k, de, la, 65535.0f);
    }
    if (la <= de) return {};
    std::vector<PunctGrafic> p;
    for (int i = 0; i < numar; ++i) {
        const float lambda = de + (la - de) * static_cast<float>(i) / static_cast<float>(numar - 1);
        float v = 0.0f;
        if (IndiceDinEcuatieDispersie(m, which, lambda, v) == IndiceValid && (which == 1 || v > 0.0f))
            p.push_back({lambda, v});
    }
    return p;
}

bool CitesteMaterialDinBaza(const std::string& caleBazaDate, std::uint32_t index, MaterialOptic& m) {
    const FisierDeschis f(std::fopen(caleBazaDate.c_str(), "rb"));
    if (!f.f) return false;
    return std::fseek(f.f, static_cast<long>(index) * static_cast<long>(sizeof m), SEEK_SET) == 0 &&
           CitesteMaterial(f.f, m);
}

std::vector<PunctGrafic> PuncteTransmisiePercent(const MaterialOptic& m, float grosime) {
    std::vector<PunctGrafic> p;
    for (const PunctTransmisie& t : ListaTransmisie(m, grosime)) p.push_back({double(t.lambda), t.t * 100.0});
    std::sort(p.begin(), p.end(), [](const PunctGrafic& a, const PunctGrafic& b) { return a.x < b.x; });
    return p;
}

std::vector<std::string> IstoricFisaMaterial(const std::string& directorSticle, const MaterialOptic& m) {
    const std::string producator = Utf8DinWindows1252(NumeProducatorSticla(directorSticle, m.producator));
    std::vector<LinieJurnal> linii = IstoricMaterial(directorSticle, Utf8DinWindows1252(NumeDinCamp(m.nume)));
    std::erase_if(linii, [&](const LinieJurnal& l) { return l.producator != producator; });
    if (linii.empty()) return {"Jurnalul nu are nicio inregistrare a acestui material."};
    const auto sursa = [](const LinieJurnal& l) {
        if (l.sursa == "-") return std::string(l.operatie == "editat" ? "editare" : "-");
        return l.sursa + (l.sha256 == "-" ? std::string() : " (SHA-256 " + l.sha256.substr(0, 12) + "...)");
    };
    // Where it came from: its latest arrival, as new or under a new name.
    auto venit = std::find_if(linii.rbegin(), linii.rend(),
                              [](const LinieJurnal& l) { return l.operatie == "nou" || l.operatie == "redenumit"; });
    const LinieJurnal& prima = venit != linii.rend() ? *venit : linii.front();
    const LinieJurnal& ultima = linii.back();
    std::vector<std::string> t{"Provine din: " + sursa(prima) + ", " + prima.operatie + " la " + prima.data,
                               "Ultima schimbare: " + ultima.data + ", " + ultima.operatie + " din " + sursa(ultima) +
                                   (ultima.campuri == "-" ? std::string() : "; campuri: " + ultima.campuri)};
    t.push_back("Inregistrari in jurnal: " + std::to_string(linii.size()));
    return t;
}

}  // namespace vitramor
