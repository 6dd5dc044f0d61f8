#include "export/ExportRii.h"

#include <cerrno>
#include <cstring>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "dispersion/EcuatieDispersie.h"
#include "dispersion/TextCoeficient.h"
#include "fileutil/AlegereFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "record/MaterialJson.h"
#include "record/SetLucru.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

// Points of an equation sampled over its range when the record has no
// table wavelengths to write it at.
constexpr int PuncteEsantion = 40;

// µm as short as reads back to the same float nm, as the import multiplies.
std::string Um(float nm) {
    const std::string scurt = NumarScurt(static_cast<float>(nm / 1000.0));
    double citit = 0.0;
    if (CitesteCoeficient(scurt, citit) && static_cast<float>(citit * 1000.0) == nm) return scurt;
    return TextCoeficient(nm / 1000.0);
}

// A value that is a float (an equation's, as the record evaluates it) in
// the float's own digits; a table's double in all of its own.
std::string Valoare(double v) {
    const auto f = static_cast<float>(v);
    return static_cast<double>(f) == v ? NumarScurt(f) : TextCoeficient(v);
}

struct Punct {
    float lambda;
    double n, k;
};

// The values of n (care 0) or k at the wavelengths the record lists, in
// wavelength order: a table's own slots, an equation's values there.
std::vector<Punct> Valori(const MaterialOptic& m, int care) {
    const std::int16_t cod = care == 0 ? m.ec_dispersie_n : m.ec_dispersie_k;
    const double* tabel = care == 0 ? m.indice_n : m.indice_k;
    std::vector<float> lungimi;
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (m.lambda_indici[i] > 0.0f && std::isfinite(m.lambda_indici[i]) && (cod != EcuatieTabelata || tabel[i] > 0.0))
            lungimi.push_back(m.lambda_indici[i]);
    const std::uint16_t* d = care == 0 ? m.domeniu_n : m.domeniu_k;
    if (lungimi.empty() && cod != EcuatieTabelata && DomeniuSpectralValid(d))
        for (int i = 0; i < PuncteEsantion; ++i)
            lungimi.push_back(static_cast<float>(d[0] + (d[1] - d[0]) * i / double(PuncteEsantion - 1)));
    std::sort(lungimi.begin(), lungimi.end());
    lungimi.erase(std::unique(lungimi.begin(), lungimi.end()), lungimi.end());
    std::vector<Punct> r;
    for (float l : lungimi) {
        float v = 0.0f;
        if (cod == EcuatieTabelata) {
            for (int i = 0; i < NumarSloturiTabel; ++i)
                if (m.lambda_indici[i] == l && tabel[i] > 0.0 && std::isfinite(tabel[i])) {
                    r.push_back({l, tabel[i], 0.0});
                    break;
                }
        } else if (IndiceMaterial(m, care, l, v) == IndiceValid && std::isfinite(v)) {
            r.push_back({l, v, 0.0});
        }
    }
    return r;
}

std::string Date(const std::vector<Punct>& p, bool n, bool k) {
    std::string t;
    for (const Punct& q : p) {
        t += Um(q.lambda);
        if (n) t += " " + Valoare(q.n);
        if (k) t += " " + Valoare(q.k);
        t += "\n";
    }
    return t;
}

void Tabel(YAML::Emitter& e, const char* tip, const std::string& date) {
    e << YAML::BeginMap << YAML::Key << "type" << YAML::Value << tip << YAML::Key << "data" << YAML::Value
      << YAML::Literal << date << YAML::EndMap;
}

bool KNul(const MaterialOptic& m) { return m.ec_dispersie_k == 0 && m.coef_disp_k[0] == 0.0; }

}  // namespace

std::string TextMaterialRii(const std::string& directorSticle, const MaterialOptic& m,
                            std::vector<std::string>& mesaje) {
    const std::string nume = Utf8DinWindows1252(NumeDinCamp(m.nume, sizeof m.nume));
    const std::string producator = Utf8DinWindows1252(NumeProducatorSticla(directorSticle, m.producator));

    YAML::Emitter e;
    e << YAML::BeginMap;
    e << YAML::Key << "REFERENCES" << YAML::Value << "VITRAMOR: " + nume + (producator.empty() ? "" : ", " + producator);
    e << YAML::Key << "DATA" << YAML::Value << YAML::BeginSeq;

    const std::int16_t cod = m.ec_dispersie_n;
    std::string coeficienti;
    const double* c = m.coef_disp_n;
    if (cod == 4) {
        coeficienti = "0";
        for (int i = 0; i < 3; ++i) coeficienti += " " + TextCoeficient(c[i]) + " " + TextCoeficient(c[3 + i]);
    } else if (cod == 1) {
        static const char* const exponenti[] = {"2", "-2", "-4", "-6", "-8"};
        coeficienti = TextCoeficient(c[0]);
        for (int i = 0; i < 5; ++i) coeficienti += " " + TextCoeficient(c[1 + i]) + " " + exponenti[i];
    }
    const bool formula = !coeficienti.empty() && DomeniuSpectralValid(m.domeniu_n) &&
                         std::all_of(c, c + 6, [](double v) { return std::isfinite(v); });
    std::vector<Punct> n = formula ? std::vector<Punct>{} : Valori(m, 0);
    std::vector<Punct> k = KNul(m) ? std::vector<Punct>{} : Valori(m, 1);
    if (!formula && !n.empty() && cod != EcuatieTabelata)
        mesaje.push_back(TextFormatat("ecuatia n %d nu are o formula exacta in refractiveindex.info; valorile ei sunt "
                                      "scrise ca tabel (%zu puncte)",
                                      cod, n.size()));
    if (!k.empty() && m.ec_dispersie_k != EcuatieTabelata)
        mesaje.push_back(TextFormatat("ecuatia k %d este scrisa ca tabel (%zu puncte)", m.ec_dispersie_k, k.size()));
    if (formula) {
        e << YAML::BeginMap << YAML::Key << "type" << YAML::Value << (cod == 4 ? "formula 2" : "formula 3");
        e << YAML::Key << "wavelength_range" << YAML::Value << Um(m.domeniu_n[0]) + " " + Um(m.domeniu_n[1]);
        e << YAML::Key << "coefficients" << YAML::Value << coeficienti << YAML::EndMap;
    }
    // n and k on one line where they share every wavelength.
    const bool impreuna = !n.empty() && n.size() == k.size() &&
                          std::equal(n.begin(), n.end(), k.begin(), [](auto& a, auto& b) { return a.lambda == b.lambda; });
    if (impreuna) {
        for (std::size_t i = 0; i < n.size(); ++i) n[i].k = k[i].n;
        Tabel(e, "tabulated nk", Date(n, true, true));
    } else {
        if (!n.empty()) Tabel(e, "tabulated n", Date(n, true, false));
        if (!k.empty()) Tabel(e, "tabulated k", Date(k, true, false));
    }
    if (!formula && n.empty()) mesaje.push_back("materialul nu are indice n de scris");
    e << YAML::EndSeq;

    e << YAML::Key << "SPECS" << YAML::Value << YAML::BeginMap;
    if (!producator.empty()) e << YAML::Key << "manufacturer" << YAML::Value << producator;
    if (m.grosime_transmisie > 0.0f && std::isfinite(m.grosime_transmisie))
        e << YAML::Key << "thickness" << YAML::Value << NumarScurt(m.grosime_transmisie);
    if (m.densitate > 0.0f && std::isfinite(m.densitate)) e << YAML::Key << "density" << YAML::Value << NumarScurt(m.densitate);
    e << YAML::EndMap;
    e << YAML::EndMap;
    std::string text = e.c_str();
    text += "\n";
    return text;
}

std::string ExportaMaterialRii(const std::string& directorSticle, const MaterialOptic& m, const std::string& cale,
                               std::vector<std::string>* note) {
    std::vector<std::string> mesaje;
    const std::string text = TextMaterialRii(directorSticle, m, mesaje);
    for (const std::string& t : mesaje) AfiseazaMesajInLista(cale + ": " + t, NivelInformatie);
    if (note) *note = mesaje;
    RezultatOperatie r = ScrieFisierIntreg(cale, text, true);
    return r.esuat() ? std::move(r.motiv) : std::string();
}

int ComandaExportMaterialRii(Fereastra owner, const std::string& directorSticle, const std::string& directorMl) {
    SetLucru& set = setLucru();
    if (set.gol()) return 0;
    std::string director = directorMl;
    std::string fisier = std::string(NumeDinCamp(set.curent().nume, sizeof set.curent().nume)) + ".yml";
    if (AlegeFisierSalvare(owner, tipfisier::Yml, director, fisier) != 0) return 0;
    const std::string cale = (std::filesystem::path(director) / fisier).string();
    std::vector<std::string> note;
    if (const std::string motiv = ExportaMaterialRii(directorSticle, set.curent(), cale, &note); !motiv.empty()) {
        MesajBox(owner, motiv, TitluExportRii, stil::MB_OK | stil::MB_ICONHAND);
        return 0;
    }
    // What was written, and what the format could not hold exactly.
    std::string text = "Materialul " + std::string(NumeDinCamp(set.curent().nume, sizeof set.curent().nume)) +
                       " a fost scris in " + cale + ".";
    for (const std::string& n : note) text += "\n- " + n;
    MesajBox(owner, text, TitluExportRii, stil::MB_OK | stil::MB_ICONASTERISK);
    return 1;
}

}  // namespace vitramor
