#include "export/DocumentJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "editors/RoluriMaterial.h"
#include "export/LocalaC.h"
#include "record/CodificareText.h"
#include "record/Roluri.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"
#include "suite/Vedora.h"

namespace vitramor {

using namespace stil;

namespace {

// Node failures come from exhausted memory only; each is told once, in a
// warning box, and its code travels up to the export, which stops there.
int EroareNod(int cod, const char* eticheta) {
    const char* model = cod == EroareJsonCreareObiect     ? "Eroare la cJSON_CreateObject pentru obiectul '%s'."
                        : cod == EroareJsonCreareLista ? "Eroare la cJSON_CreateArray pentru obiectul '%s'."
                                                       : "Eroare la cJSON_AddItemToObject pentru obiectul '%s'.";
    char text[300];
    std::snprintf(text, sizeof text, model, eticheta ? eticheta : "");
    MesajBox(nullptr, text, "", MB_OK | MB_ICONEXCLAMATION);
    return cod;
}

// Attaches `item` under `cheie` to an object, or appends it to an array. An
// item that cannot be attached is released here, so callers never leak it.
bool Ataseaza(cJSON* parinte, const char* cheie, cJSON* item) {
    if (!item) return false;
    const bool ok = cJSON_IsArray(parinte) ? cJSON_AddItemToArray(parinte, item)
                                           : cJSON_AddItemToObject(parinte, cheie, item);
    if (!ok) cJSON_Delete(item);
    return ok;
}

bool AreExponent(const char* format) { return std::strpbrk(format, "eE") != nullptr; }

// The number node of a value under a printf format. A non-finite value
// (only a damaged record holds one) stays a plain number node, which cJSON
// prints as null: a raw "nan" or "inf" token would make the file unreadable.
// A format of the plain "%.Nf", "%.Ne" or "%g" kind written by to_chars,
// which gives printf's digits in the C locale at a fraction of its cost (an
// export writes hundreds of thousands of numbers). False for any other form.
bool FormatSimplu(double v, const char* format, char* text, std::size_t marime) {
    if (format[0] != '%') return false;
    const char* p = format + 1;
    int precizie = 6;
    if (*p == '.') {
        ++p;
        if (!(*p >= '0' && *p <= '9')) return false;
        precizie = 0;
        while (*p >= '0' && *p <= '9') precizie = precizie * 10 + (*p++ - '0');
        if (precizie > 17) return false;
    }
    std::chars_format fel;
    switch (*p) {
        case 'f': fel = std::chars_format::fixed; break;
        case 'e': fel = std::chars_format::scientific; break;
        case 'g': fel = std::chars_format::general; break;
        default: return false;
    }
    if (p[1] != '\0') return false;
    const auto [sfarsit, ec] = std::to_chars(text, text + marime - 1, v, fel, precizie);
    if (ec != std::errc()) return false;
    *sfarsit = '\0';
    return true;
}

cJSON* Numar(double v, const char* format) {
    if (!format || !*format || !std::isfinite(v)) return cJSON_CreateNumber(v);
    char text[128];
    if (!FormatSimplu(v, format, text, sizeof text)) std::snprintf(text, sizeof text, format, v);
    if (AreExponent(format)) return cJSON_CreateRaw(text);
    double citit = 0.0;
    const char* sfarsit = text + std::strlen(text);
    if (std::from_chars(text, sfarsit, citit).ec != std::errc()) citit = std::strtod(text, nullptr);
    return cJSON_CreateNumber(citit);
}

// A group object created and attached before its values are written, so a
// failure further down leaves nothing unowned.
int CreazaGrup(cJSON* parinte, const char* cheie, const char* eticheta, cJSON*& grup) {
    grup = cJSON_CreateObject();
    if (!grup) return EroareNod(EroareJsonCreareObiect, eticheta);
    if (!Ataseaza(parinte, cheie, grup)) {
        grup = nullptr;
        return EroareNod(EroareJsonAdaugareObiect, eticheta);
    }
    return 1;
}

int CreazaLista(cJSON* parinte, const char* cheie, const char* eticheta, cJSON*& lista) {
    lista = cJSON_CreateArray();
    if (!lista) return EroareNod(EroareJsonCreareLista, eticheta);
    if (!Ataseaza(parinte, cheie, lista)) {
        lista = nullptr;
        return EroareNod(EroareJsonAdaugareObiect, eticheta);
    }
    return 1;
}

std::string Camp(const char* camp, std::size_t marime) { return std::string(TextCamp(camp, marime)); }

template <std::size_t N>
void CopiazaText(char (&camp)[N], const char* text) {
    std::snprintf(camp, N, "%s", text);
}

int IndiciRefractie(const MaterialOptic& m, cJSON* optice) {
    cJSON* grup = nullptr;
    cJSON* lambda = nullptr;
    cJSON* n = nullptr;
    cJSON* k = nullptr;
    if (int r = CreazaGrup(optice, "refractive_indexes", "refractiveIndexes", grup); r != 1) return r;
    if (int r = CreazaLista(grup, "wavelength_nm", "wavelengths", lambda); r != 1) return r;
    if (int r = CreazaLista(grup, "n", "n", n); r != 1) return r;
    if (int r = CreazaLista(grup, "k", "k", k); r != 1) return r;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        // An entry without a wavelength or without n is no measurement; its
        // k goes along only with a positive n, and then even when it is 0.
        if (!(m.lambda_indici[i] > 0.0f) || !(m.indice_n[i] > 0.0)) continue;
        if (!Ataseaza(lambda, nullptr, Numar(m.lambda_indici[i], "%.2f")) ||
            !Ataseaza(n, nullptr, Numar(m.indice_n[i], "%.6f")) || !Ataseaza(k, nullptr, Numar(m.indice_k[i], "%g")))
            return EroareNod(EroareJsonAdaugareObiect, "refractiveIndexes");
    }
    return 1;
}

int TransmisieInterna(const MaterialOptic& m, cJSON* optice) {
    cJSON* grup = nullptr;
    cJSON* lambda = nullptr;
    cJSON* densitate = nullptr;
    if (int r = CreazaGrup(optice, "internal_transmittance", "internal_transmittance", grup); r != 1) return r;
    if (int r = CreazaLista(grup, "wavelength_nm", "wavelength_nm", lambda); r != 1) return r;
    if (int r = CreazaLista(grup, "optical_density_[1/mm]", "optical_density_[1/mm]", densitate); r != 1) return r;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        if (m.lambda_Ti[i] == 0) continue;
        if (!Ataseaza(lambda, nullptr, cJSON_CreateNumber(m.lambda_Ti[i])) ||
            !Ataseaza(densitate, nullptr, Numar(m.transmisia_interna[i], "%g")))
            return EroareNod(EroareJsonAdaugareObiect, "internal_transmittance");
    }
    return 1;
}

int ProprietatiMecanice(const MaterialOptic& m, cJSON* material) {
    cJSON* g = nullptr;
    if (int r = CreazaGrup(material, "mechanical_properties", "mechanicalProperties", g); r != 1) return r;
    AdaugaValoareJson(g, "density_g/cm^3", m.densitate, OptiuneCunoscut, "%.3f");
    AdaugaValoareJson(g, "knoop_hardness_iso_9385", m.duritate_knoop, OptiuneCunoscut, "%.1f");
    AdaugaValoareJson(g, "youngs_modulus_GPa", m.modul_young, OptiuneCunoscut, "%.1f");
    AdaugaValoareJson(g, "poisson_ratio", m.raport_poisson, OptiuneCunoscut, "%.3f");
    AdaugaValoareJson(g, "abrasion_hardness_iso_12844", m.duritate_abraziune, OptiuneCunoscut, "%.3f");
    return 1;
}

// The expansion coefficient in 1/K, the product taken in single precision
// as the coating software's own import computes it.
float DilatareJson(float valoare, std::uint16_t producator) {
    if (static_cast<double>(valoare) < 0.005) return valoare;
    const float scara = producator == 0 || producator == 1 ? 1e-7f : 1e-6f;
    return valoare * scara;
}

int ProprietatiTermice(const MaterialOptic& m, cJSON* material) {
    cJSON* g = nullptr;
    if (int r = CreazaGrup(material, "thermal_properties", "thermalProperties", g); r != 1) return r;
    AdaugaValoareJson(g, "heat_conductivity_[W/(m*K)]", m.conductibilitate_termica[0], OptiuneCunoscut, "%.3f");
    AdaugaValoareJson(g, "heat_capacity_[J/(kg*K)]", m.caldura_specifica[0], OptiuneCunoscut, "%.3f");

    static constexpr const char* Domenii[2] = {"[-30, 70]", "[20, 300]"};
    cJSON* dilatari = nullptr;
    if (CreazaLista(g, "coefficients_of_linear_thermal_expansion", "coefficients_of_linear_thermal_expansion",
                    dilatari) == 1) {
        for (int i = 0; i < 2; ++i) {
            cJSON* item = cJSON_CreateObject();
            if (!item) {
                EroareNod(EroareJsonCreareObiect, "itemArray");
                continue;
            }
            if (!Ataseaza(dilatari, nullptr, item)) {
                EroareNod(EroareJsonAdaugareObiect, "itemArray");
                continue;
            }
            if (!Ataseaza(item, "temperature_range_[Celsius]", cJSON_CreateString(Domenii[i])))
                EroareNod(EroareJsonAdaugareObiect, "itemArray");
            AdaugaValoareJson(item, "coef_linear_thermal_expansion_[1/K]", DilatareJson(m.dilatare[i], m.producator),
                              OptiuneCunoscut, "%.2e");
        }
    }

    cJSON* temperaturi = nullptr;
    if (CreazaGrup(g, "temperatures_[Celsius]", "temperatures_[Celsius]", temperaturi) == 1) {
        AdaugaValoareJson(temperaturi, "Tg", m.temperaturi[0], OptiuneCunoscut, nullptr);
        AdaugaValoareJson(temperaturi, "T13", m.temperaturi[1], OptiuneCunoscut, nullptr);
        AdaugaValoareJson(temperaturi, "T7.6", m.temperaturi[2], OptiuneCunoscut, nullptr);
    }
    return 1;
}

int ProprietatiChimice(const MaterialOptic& m, cJSON* material) {
    cJSON* g = nullptr;
    if (int r = CreazaGrup(material, "chemical_properties", "chemical_properties", g); r != 1) return r;
    static constexpr const char* Clase[5] = {"CR", "FR", "SR", "AR", "PR"};
    for (int i = 0; i < 5; ++i) AdaugaValoareJson(g, Clase[i], m.stabilitate_chimica[i], OptiuneCunoscut, nullptr);
    return 1;
}

int ElementTestLaser(cJSON* lista, float prag, std::uint16_t lungimeUnda) {
    cJSON* item = cJSON_CreateObject();
    if (!item) return EroareNod(EroareJsonCreareObiect, "itemArray_S-ON-1");
    if (!Ataseaza(lista, nullptr, item)) return EroareNod(EroareJsonAdaugareObiect, "itemArray_S-ON-1");
    if (!Ataseaza(item, "wavelength_nm", cJSON_CreateNumber(lungimeUnda)))
        return EroareNod(EroareJsonAdaugareObiect, "itemArray_S-ON-1");

    DescriptorMarimeJson d;
    CopiazaText(d.parametru, "damage_threshold_MW_per_cm2");
    d.valoare = prag;
    d.incredere = 1.0;
    d.optiuni = OptiuneCunoscut | OptiuneIncredere;
    CopiazaText(d.format, "%.1f");
    if (int r = AdaugaMarimeMasurataJson(item, d); r != 1) return r;

    // The pulse width is not kept in the record: the coating software gets
    // an explicit "unknown".
    CopiazaText(d.parametru, "pulse_width_nsec");
    d.valoare = 0;
    return AdaugaMarimeMasurataJson(item, d);
}

int ProprietatiLaser(const MaterialOptic& m, cJSON* material) {
    cJSON* g = nullptr;
    if (int r = CreazaGrup(material, "LIDT_properties", "LIDT_properties", g); r != 1) return r;
    cJSON* sOn1 = nullptr;
    if (int r = CreazaLista(g, "test_methode_S-ON-1", "test_methode_S-ON-1", sOn1); r != 1) return r;
    const bool oricare = m.lidt[0] > 0.0f || m.lidt[1] > 0.0f || m.lidt[2] > 0.0f;
    if (!oricare) {
        if (!Ataseaza(sOn1, nullptr, cJSON_CreateNull())) return EroareNod(EroareJsonAdaugareObiect, "test_methode_S-ON-1");
    } else {
        for (int i = 0; i < 3; ++i) {
            if (!(m.lidt[i] > 0.0f) || m.lidt_lambda[i] == 0) {
                if (!Ataseaza(sOn1, nullptr, cJSON_CreateNull()))
                    return EroareNod(EroareJsonAdaugareObiect, "test_methode_S-ON-1");
                continue;
            }
            if (ElementTestLaser(sOn1, m.lidt[i], m.lidt_lambda[i]) != 1) return EroareJsonAtribut;
        }
    }
    cJSON* cw = nullptr;
    if (int r = CreazaLista(g, "test_methode_CW", "test_methode_CW", cw); r != 1) return r;
    if (!Ataseaza(cw, nullptr, cJSON_CreateNull())) return EroareNod(EroareJsonAdaugareObiect, "test_methode_CW");
    return 1;
}

}  // namespace

int RaporteazaEroareNodJson(int cod, const char* eticheta) { return EroareNod(cod, eticheta); }

std::string CheieMaterialJson(const MaterialOptic& m) { return Camp(m.nume, sizeof m.nume); }

int AdaugaValoareJson(cJSON* parinte, const char* cheie, double valoare, unsigned optiuni, const char* format) {
    LocalaC locala;
    cJSON* obiect = cJSON_CreateObject();
    if (!obiect) return EroareNod(EroareJsonCreareObiect, cheie);
    const bool necunoscut = valoare == 0 && !(optiuni & OptiuneZeroCaNumar);
    bool ok = Ataseaza(obiect, "value", necunoscut ? cJSON_CreateNull() : Numar(valoare, format));
    if (ok && (optiuni & OptiuneCunoscut)) ok = Ataseaza(obiect, "known", cJSON_CreateBool(!necunoscut));
    if (!ok) {
        cJSON_Delete(obiect);
        return EroareNod(EroareJsonAdaugareObiect, cheie);
    }
    if (!Ataseaza(parinte, cheie, obiect)) return EroareNod(EroareJsonAdaugareObiect, cheie);
    return 1;
}

int AdaugaMarimeMasurataJson(cJSON* parinte, const DescriptorMarimeJson& d) {
    LocalaC locala;
    const std::string parametru = Camp(d.parametru, sizeof d.parametru);
    const std::string unitate = Camp(d.unitate, sizeof d.unitate);
    std::string indicator = Camp(d.numeIndicator, sizeof d.numeIndicator);
    if (indicator.empty()) indicator = "known";
    const std::string format = Camp(d.format, sizeof d.format);
    const unsigned o = d.optiuni;

    cJSON* obiect = cJSON_CreateObject();
    if (!obiect) return EroareNod(EroareJsonCreareObiect, parametru.c_str());
    bool ok = true;
    if ((o & OptiuneParametru) && !parametru.empty())
        ok = Ataseaza(obiect, "parameter", cJSON_CreateString(parametru.c_str()));
    if (!(o & OptiuneZeroCaNumar) && d.valoare == 0) {
        ok = ok && Ataseaza(obiect, "value", cJSON_CreateNull());
        if (o & OptiuneCunoscut) ok = ok && Ataseaza(obiect, indicator.c_str(), cJSON_CreateFalse());
    } else {
        ok = ok && Ataseaza(obiect, "value", Numar(d.valoare, format.c_str()));
        if ((o & OptiuneUnitate) && !unitate.empty())
            ok = ok && Ataseaza(obiect, "unit", cJSON_CreateString(unitate.c_str()));
        if (o & OptiuneIncredere) ok = ok && Ataseaza(obiect, "confidence", Numar(d.incredere, "%.3f"));
        if (o & OptiuneCunoscut) ok = ok && Ataseaza(obiect, indicator.c_str(), cJSON_CreateTrue());
    }
    if (!ok) {
        cJSON_Delete(obiect);
        return EroareNod(EroareJsonAdaugareObiect, parametru.c_str());
    }
    if (!Ataseaza(parinte, parametru.c_str(), obiect)) return EroareNod(EroareJsonAdaugareObiect, parametru.c_str());
    return 1;
}

int AdaugaListaCoduriJson(cJSON* parinte, const std::string& numeFisierAtribute, const char* cheie,
                          std::uint32_t coduri) {
    cJSON* lista = cJSON_CreateArray();
    if (!lista) {
        EroareNod(EroareJsonCreareLista, cheie);
        return 0;
    }
    // The file is read once per list, and only when there is a code to name.
    std::vector<std::string> linii;
    bool citit = false;
    bool incercat = false;
    for (std::uint8_t cod : DespacheteazaRoluri(coduri)) {
        if (cod == 0) continue;
        if (!incercat) {
            citit = CitesteLiniiAtribute(path_sticle, numeFisierAtribute, linii) != 0;
            incercat = true;
        }
        std::string nume;
        NumeRolDinLinii(linii, citit, numeFisierAtribute, cod, nume, NumeRolLipsaJson);
        const std::string text = nume + " (" + std::to_string(cod) + ")";
        if (!Ataseaza(lista, nullptr, cJSON_CreateString(text.c_str()))) {
            cJSON_Delete(lista);
            EroareNod(EroareJsonAdaugareObiect, cheie);
            return 0;
        }
    }
    if (!Ataseaza(parinte, cheie, lista)) {
        EroareNod(EroareJsonAdaugareObiect, cheie);
        return 0;
    }
    return 1;
}

int CreazaObiectMaterialJson(const MaterialOptic& m, cJSON* obiect, const std::optional<PerecheAtribute>& atribute) {
    LocalaC locala;

    cJSON* metadata = cJSON_CreateObject();
    if (!metadata || !Ataseaza(obiect, "metadata", metadata)) {
        eroare(path_help, nullptr, MB_ICONEXCLAMATION, MesajEroareMetadata);
        return EroareJsonMetadata;
    }
    std::string producator;
    ReturneazaNumeCodProducatorSticla(m.producator, producator, 64);
    if (!Ataseaza(metadata, "manufacturer_code", cJSON_CreateNumber(m.producator)) ||
        !Ataseaza(metadata, "manufacturer_name", cJSON_CreateString(producator.c_str())))
        return EroareNod(EroareJsonAdaugareObiect, "metadata");

    if (!AdaugaListaCoduriJson(obiect, NumeFisierAtributeSubstrat, "category", CitesteCuvantRoluri(m)))
        return EroareJsonCreareLista;

    cJSON* optice = cJSON_CreateObject();
    if (!optice) return EroareNod(EroareJsonCreareObiect, "optical_properties");
    if (!Ataseaza(obiect, "optical_properties", optice)) return EroareNod(EroareJsonAdaugareObiect, "newMaterial");
    if (int r = IndiciRefractie(m, optice); r != 1) return r;
    if (int r = TransmisieInterna(m, optice); r != 1) return r;

    if (int r = ProprietatiMecanice(m, obiect); r != 1) return r;
    if (int r = ProprietatiTermice(m, obiect); r != 1) return r;
    if (int r = ProprietatiChimice(m, obiect); r != 1) return r;
    if (int r = ProprietatiLaser(m, obiect); r != 1) return r;

    if (atribute) {
        const std::uint32_t coduri = std::uint32_t{(*atribute)[0]} | (std::uint32_t{(*atribute)[1]} << 16);
        return AdaugaListaCoduriJson(obiect, NumeFisierAtributeSubstrat, "attribute", coduri) ? 0 : EroareJsonAtribut;
    }
    return 0;
}

MembriDocumentJson::MembriDocumentJson(const cJSON* radacina) {
    if (!cJSON_IsObject(radacina)) return;
    for (const cJSON* c = radacina->child; c; c = c->next)
        if (c->string) nume_.insert(c->string);
}

int AdaugaMaterialInDocumentJson(const MaterialOptic& m, cJSON* radacina, const std::string& numeFisier,
                                 bool intreaba, const std::optional<PerecheAtribute>& atribute,
                                 MembriDocumentJson* membri) {
    const std::string cheie = CheieMaterialJson(m);
    // Names are keys exactly: the database itself tells "F2" from "f2".
    if (membri ? membri->are(cheie) : cJSON_GetObjectItemCaseSensitive(radacina, cheie.c_str()) != nullptr) {
        if (!intreaba) return 0;
        char text[600];
        std::snprintf(text, sizeof text, "Materialul %s este in fisierul %s\nScriem peste?",
                      Camp(m.nume, sizeof m.nume).c_str(), numeFisier.c_str());
        if (MesajBox(nullptr, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES) return 0;
        cJSON_DeleteItemFromObjectCaseSensitive(radacina, cheie.c_str());
        if (membri) membri->sterge(cheie);
    }
    cJSON* obiect = cJSON_CreateObject();
    if (!obiect) return EroareNod(EroareJsonCreareObiect, "rootMaterial");
    if (const int r = CreazaObiectMaterialJson(m, obiect, atribute); r != 0) {
        cJSON_Delete(obiect);
        return r;
    }
    if (!Ataseaza(radacina, cheie.c_str(), obiect)) return EroareNod(EroareJsonAdaugareObiect, "rootMaterial");
    if (membri) membri->adauga(cheie);
    return 0;
}

}  // namespace vitramor
