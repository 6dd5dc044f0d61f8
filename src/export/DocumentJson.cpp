#include "export/DocumentJson.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>

#include "material/RoluriMaterial.h"
#include "record/CodificareText.h"
#include "record/Roluri.h"
#include "database/CatalogMateriale.h"
#include "suite/Vedora.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

std::string_view Camp(const char* camp, std::size_t marime) { return TextCamp(camp, marime); }

std::uint32_t CoduriAtribute(const PerecheAtribute& a) { return std::uint32_t{a[0]} | (std::uint32_t{a[1]} << 16); }

// Builds one material's object. The first failed allocation is
// remembered; the caller then drops the whole object, so no half-built
// material reaches the document.
class Constructor {
public:
    bool ok = true;

    // `copil` into `parinte`: appended to an array, else added under `cheie`.
    cJSON* adauga(cJSON* parinte, const char* cheie, cJSON* copil) {
        const bool adaugat = copil && parinte &&
                             (cJSON_IsArray(parinte) ? cJSON_AddItemToArray(parinte, copil)
                                                     : cJSON_AddItemToObject(parinte, cheie, copil));
        if (adaugat) return copil;
        ok = false;
        cJSON_Delete(copil);
        return nullptr;
    }
    cJSON* obiect(cJSON* p, const char* cheie) { return adauga(p, cheie, cJSON_CreateObject()); }
    cJSON* lista(cJSON* p, const char* cheie) { return adauga(p, cheie, cJSON_CreateArray()); }
    void numar(cJSON* p, const char* cheie, double v, const char* format = nullptr) {
        adauga(p, cheie, NumarJson(v, format));
    }
    void text(cJSON* p, const char* cheie, const std::string& t) { adauga(p, cheie, cJSON_CreateString(t.c_str())); }
    void logic(cJSON* p, const char* cheie, bool b) { adauga(p, cheie, cJSON_CreateBool(b)); }
    void nul(cJSON* p, const char* cheie) { adauga(p, cheie, cJSON_CreateNull()); }
};

// {"value": V, "known": true}, or {"value": null, "known": false} for an
// exact zero.
void Valoare(Constructor& c, cJSON* p, const char* cheie, double valoare, const char* format) {
    cJSON* o = c.obiect(p, cheie);
    const bool necunoscut = valoare == 0;
    if (necunoscut)
        c.nul(o, "value");
    else
        c.numar(o, "value", valoare, format);
    c.logic(o, "known", !necunoscut);
}

void IndiciRefractie(const MaterialOptic& m, Constructor& c, cJSON* p) {
    // An entry without a wavelength or without n is no measurement; its k
    // goes along only with a positive n, and then even when it is 0.
    const auto masurat = [&m](int i) { return m.lambda_indici[i] > 0.0f && m.indice_n[i] > 0.0; };
    cJSON* o = c.obiect(p, "refractive_indexes");
    cJSON* lambda = c.lista(o, "wavelength_nm");
    cJSON* n = c.lista(o, "n");
    cJSON* k = c.lista(o, "k");
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        if (!masurat(i)) continue;
        c.numar(lambda, nullptr, m.lambda_indici[i], "%.2f");
        c.numar(n, nullptr, m.indice_n[i], "%.6f");
        c.numar(k, nullptr, m.indice_k[i], "%g");
    }
}

void TransmisieInterna(const MaterialOptic& m, Constructor& c, cJSON* p) {
    cJSON* o = c.obiect(p, "internal_transmittance");
    cJSON* lambda = c.lista(o, "wavelength_nm");
    cJSON* densitate = c.lista(o, "optical_density_[1/mm]");
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        if (m.lambda_Ti[i] == 0) continue;
        c.numar(lambda, nullptr, m.lambda_Ti[i]);
        c.numar(densitate, nullptr, m.transmisia_interna[i], "%g");
    }
}

void ProprietatiMecanice(const MaterialOptic& m, Constructor& c, cJSON* p) {
    cJSON* o = c.obiect(p, "mechanical_properties");
    Valoare(c, o, "density_g/cm^3", m.densitate, "%.3f");
    Valoare(c, o, "knoop_hardness_iso_9385", m.duritate_knoop, "%.1f");
    Valoare(c, o, "youngs_modulus_GPa", m.modul_young, "%.1f");
    Valoare(c, o, "poisson_ratio", m.raport_poisson, "%.3f");
    Valoare(c, o, "abrasion_hardness_iso_12844", m.duritate_abraziune, "%.3f");
}

// The expansion coefficient in 1/K, the product taken in single precision
// as the coating software's own import computes it.
float DilatareJson(float valoare, std::uint16_t producator) {
    if (static_cast<double>(valoare) < 0.005) return valoare;
    const float scara = producator == 0 || producator == 1 ? 1e-7f : 1e-6f;
    return valoare * scara;
}

void ProprietatiTermice(const MaterialOptic& m, Constructor& c, cJSON* p) {
    cJSON* o = c.obiect(p, "thermal_properties");
    Valoare(c, o, "heat_conductivity_[W/(m*K)]", m.conductibilitate_termica[0], "%.3f");
    Valoare(c, o, "heat_capacity_[J/(kg*K)]", m.caldura_specifica[0], "%.3f");

    static constexpr const char* Domenii[2] = {"[-30, 70]", "[20, 300]"};
    cJSON* dilatari = c.lista(o, "coefficients_of_linear_thermal_expansion");
    for (int i = 0; i < 2; ++i) {
        cJSON* d = c.obiect(dilatari, nullptr);
        c.text(d, "temperature_range_[Celsius]", Domenii[i]);
        Valoare(c, d, "coef_linear_thermal_expansion_[1/K]", DilatareJson(m.dilatare[i], m.producator), "%.2e");
    }

    cJSON* t = c.obiect(o, "temperatures_[Celsius]");
    Valoare(c, t, "Tg", m.temperaturi[0], nullptr);
    Valoare(c, t, "T13", m.temperaturi[1], nullptr);
    Valoare(c, t, "T7.6", m.temperaturi[2], nullptr);
}

void ProprietatiChimice(const MaterialOptic& m, Constructor& c, cJSON* p) {
    cJSON* o = c.obiect(p, "chemical_properties");
    static constexpr const char* Clase[5] = {"CR", "FR", "SR", "AR", "PR"};
    for (int i = 0; i < 5; ++i) Valoare(c, o, Clase[i], m.stabilitate_chimica[i], nullptr);
}

void ElementTestLaser(Constructor& c, cJSON* lista, float prag, std::uint16_t lungimeUnda) {
    cJSON* o = c.obiect(lista, nullptr);
    c.numar(o, "wavelength_nm", lungimeUnda);
    DescriptorMarimeJson d;
    CopiazaInCamp(d.parametru, "damage_threshold_MW_per_cm2");
    d.valoare = prag;
    d.incredere = 1.0;
    d.optiuni = OptiuneCunoscut | OptiuneIncredere;
    CopiazaInCamp(d.format, "%.1f");
    if (!o || !AdaugaMarimeMasurataJson(o, d)) c.ok = false;
    // The pulse width is not kept in the record: the coating software gets
    // an explicit "unknown".
    CopiazaInCamp(d.parametru, "pulse_width_nsec");
    d.valoare = 0;
    if (!o || !AdaugaMarimeMasurataJson(o, d)) c.ok = false;
}

void ProprietatiLaser(const MaterialOptic& m, Constructor& c, cJSON* p) {
    cJSON* o = c.obiect(p, "LIDT_properties");
    cJSON* s = c.lista(o, "test_methode_S-ON-1");
    const bool oricare = m.lidt[0] > 0.0f || m.lidt[1] > 0.0f || m.lidt[2] > 0.0f;
    if (!oricare) {
        c.nul(s, nullptr);
    } else {
        for (int i = 0; i < 3; ++i) {
            if (!(m.lidt[i] > 0.0f) || m.lidt_lambda[i] == 0)
                c.nul(s, nullptr);
            else
                ElementTestLaser(c, s, m.lidt[i], m.lidt_lambda[i]);
        }
    }
    c.nul(c.lista(o, "test_methode_CW"), nullptr);
}

// A value's format: "%f", "%e", "%E" or "%g", with an optional precision
// (".3"), written by std::to_chars exactly as printf writes it in the C
// locale, whatever the locale of the program; any other text is no format.
struct FormatNumar {
    std::chars_format fel;
    int zecimale;
    bool mare;  // "%E": the exponent's letter upper-case
};

std::optional<FormatNumar> CitesteFormat(std::string_view f) {
    if (f.size() < 2 || f.front() != '%') return std::nullopt;
    f.remove_prefix(1);
    int zecimale = 6;
    if (f.front() == '.') {
        f.remove_prefix(1);
        zecimale = 0;
        const auto [p, ec] = std::from_chars(f.data(), f.data() + f.size(), zecimale);
        if (ec != std::errc() || zecimale > 100) return std::nullopt;
        f.remove_prefix(static_cast<std::size_t>(p - f.data()));
    }
    if (f.size() != 1) return std::nullopt;
    switch (f.front()) {
        case 'f': return FormatNumar{std::chars_format::fixed, zecimale, false};
        case 'e': return FormatNumar{std::chars_format::scientific, zecimale, false};
        case 'E': return FormatNumar{std::chars_format::scientific, zecimale, true};
        case 'g': return FormatNumar{std::chars_format::general, zecimale, false};
        default: return std::nullopt;
    }
}

}  // namespace

// Node failures come from exhausted memory only; the text travels up with
// the code to the export, which stops there and tells it once.
std::string TextEroareNodJson(int cod, const char* eticheta) {
    const char* model = cod == EroareJsonCreareObiect ? "Eroare la cJSON_CreateObject pentru obiectul '%s'."
                                                      : "Eroare la cJSON_AddItemToObject pentru obiectul '%s'.";
    return TextFormatat(model, eticheta ? eticheta : "");
}

cJSON* NumarJson(double v, const char* format) {
    if (!std::isfinite(v)) return cJSON_CreateNull();
    const std::optional<FormatNumar> f = format ? CitesteFormat(format) : std::nullopt;
    if (!f) return cJSON_CreateNumber(v);
    char text[400];
    const auto [sfarsit, ec] = std::to_chars(text, text + sizeof text - 1, v, f->fel, f->zecimale);
    if (ec != std::errc()) return cJSON_CreateNumber(v);
    *sfarsit = '\0';
    if (f->fel == std::chars_format::scientific) {
        if (f->mare)
            for (char* c = text; c != sfarsit; ++c)
                if (*c == 'e') *c = 'E';
        return cJSON_CreateRaw(text);
    }
    double tiparit = v;  // the value as the format rounds it
    NumarCatalog(text, tiparit);
    return cJSON_CreateNumber(tiparit);
}

bool AdaugaMarimeMasurataJson(cJSON* parinte, const DescriptorMarimeJson& d) {
    const std::string parametru(Camp(d.parametru, sizeof d.parametru));
    const std::string unitate(Camp(d.unitate, sizeof d.unitate));
    std::string indicator(Camp(d.numeIndicator, sizeof d.numeIndicator));
    if (indicator.empty()) indicator = "known";
    const std::string format(Camp(d.format, sizeof d.format));
    const unsigned o = d.optiuni;

    Constructor c;
    cJSON* v = c.obiect(parinte, parametru.c_str());
    if ((o & OptiuneParametru) && !parametru.empty()) c.text(v, "parameter", parametru);
    if (!(o & OptiuneZeroCaNumar) && d.valoare == 0) {
        c.nul(v, "value");
        if (o & OptiuneCunoscut) c.logic(v, indicator.c_str(), false);
    } else {
        c.numar(v, "value", d.valoare, format.c_str());
        if ((o & OptiuneUnitate) && !unitate.empty()) c.text(v, "unit", unitate);
        if (o & OptiuneIncredere) c.numar(v, "confidence", d.incredere, "%.3f");
        if (o & OptiuneCunoscut) c.logic(v, indicator.c_str(), true);
    }
    return c.ok;
}

DocumentMaterialeJson::DocumentMaterialeJson(cJSON* radacina, std::string directorSticle)
    : radacina_(radacina), directorSticle_(std::move(directorSticle)) {
    if (!cJSON_IsObject(radacina)) return;
    for (const cJSON* c = radacina->child; c; c = c->next)
        if (c->string) membri_.insert(c->string);
}

// The "%s (%d)" text of each non-zero code among the four bytes of `coduri`
// (lowest byte first), named from the attribute file of the glass
// directory, which is read once a code needs naming. A code the file does
// not have is told each time it comes up.
void DocumentMaterialeJson::cautaNumeCoduri(std::uint32_t coduri) {
    for (std::uint8_t cod : DespacheteazaRoluri(coduri)) {
        if (cod == 0) continue;
        if (!atributeIncercate_) {
            atributeCitite_ = CitesteLiniiAtribute(directorSticle_, NumeFisierAtributeSubstrat, liniiAtribute_) != 0;
            atributeIncercate_ = true;
        }
        std::string nume;
        NumeRolDinLinii(liniiAtribute_, atributeCitite_, NumeFisierAtributeSubstrat, cod, nume, NumeRolLipsaJson);
        numeCoduri_[cod] = nume + " (" + std::to_string(cod) + ")";
    }
}

bool DocumentMaterialeJson::listaCoduri(cJSON* parinte, const char* cheie, std::uint32_t coduri) const {
    Constructor c;
    cJSON* lista = c.lista(parinte, cheie);
    for (std::uint8_t cod : DespacheteazaRoluri(coduri))
        if (cod != 0) c.text(lista, nullptr, numeCoduri_[cod]);
    return c.ok;
}

cJSON* DocumentMaterialeJson::obiectMaterial(const MaterialOptic& m,
                                             const std::optional<PerecheAtribute>& atribute) const {
    Constructor c;
    cJSON* o = cJSON_CreateObject();
    if (!o) return nullptr;
    cJSON* metadata = c.obiect(o, "metadata");
    c.numar(metadata, "manufacturer_code", m.producator);
    const auto producator = producatori_.find(m.producator);
    c.text(metadata, "manufacturer_name", producator != producatori_.end() ? producator->second : std::string());

    if (!listaCoduri(o, "category", CitesteCuvantRoluri(m))) c.ok = false;

    cJSON* optice = c.obiect(o, "optical_properties");
    IndiciRefractie(m, c, optice);
    TransmisieInterna(m, c, optice);

    ProprietatiMecanice(m, c, o);
    ProprietatiTermice(m, c, o);
    ProprietatiChimice(m, c, o);
    ProprietatiLaser(m, c, o);

    if (atribute && !listaCoduri(o, "attribute", CoduriAtribute(*atribute))) c.ok = false;
    if (c.ok) return o;
    cJSON_Delete(o);
    return nullptr;
}

void DocumentMaterialeJson::propune(const MaterialOptic& m, const std::string& numeFisier, Intrebari* intreaba,
                                    const std::optional<PerecheAtribute>& atribute) {
    std::string cheie(Camp(m.nume, sizeof m.nume));
    // Names are keys exactly: the database itself tells "F2" from "f2".
    if (membri_.count(cheie) != 0) {
        if (!intreaba) return;
        const std::string text = TextFormatat("Materialul %s este in fisierul %s\nScriem peste?", cheie.c_str(),
                                              numeFisier.c_str());
        if (intreaba->intreaba(nullptr, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != raspuns::IDYES)
            return;
        // The old member may still be waiting to be added in this pass.
        std::erase_if(propuse_, [&cheie](const Propus& p) { return p.cheie == cheie; });
        cJSON_DeleteItemFromObjectCaseSensitive(radacina_, cheie.c_str());
    }
    if (auto [it, nou] = producatori_.try_emplace(m.producator); nou)
        it->second = NumeProducatorSticla(directorSticle_, m.producator);
    cautaNumeCoduri(CitesteCuvantRoluri(m));
    if (atribute) cautaNumeCoduri(CoduriAtribute(*atribute));
    membri_.insert(cheie);
    propuse_.push_back({std::move(cheie), &m, atribute});
}

int DocumentMaterialeJson::adaugaPropuse() {
    std::vector<Propus> propuse;
    propuse.swap(propuse_);
    eroare_.clear();
    int cod = 0;
    for (const Propus& p : propuse) {
        if (cod != 0) {
            membri_.erase(p.cheie);
            continue;
        }
        cJSON* nod = nullptr;
        try {
            nod = obiectMaterial(*p.material, p.atribute);
        } catch (const std::bad_alloc&) {
        }
        if (!nod) {
            cod = EroareJsonCreareObiect;
        } else if (!cJSON_AddItemToObject(radacina_, p.cheie.c_str(), nod)) {
            cJSON_Delete(nod);
            cod = EroareJsonAdaugareObiect;
        }
        if (cod != 0) eroare_ = TextEroareNodJson(cod, "rootMaterial");
        if (cod != 0) membri_.erase(p.cheie);
    }
    return cod;
}

int AdaugaMaterialInDocumentJson(const std::string& directorSticle, const MaterialOptic& m, cJSON* radacina,
                                 const std::string& numeFisier, Intrebari* intreaba,
                                 const std::optional<PerecheAtribute>& atribute, std::string* motiv) {
    DocumentMaterialeJson document(radacina, directorSticle);
    const int cod = document.adauga(m, numeFisier, intreaba, atribute);
    if (cod != 0 && motiv) *motiv = document.eroare();
    return cod;
}

}  // namespace vitramor
