#include "export/DocumentJson.h"

#include <cstdio>
#include <new>
#include <string_view>

#include "editors/RoluriMaterial.h"
#include "platform/DouaFire.h"
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
    const char* model = cod == EroareJsonCreareObiect ? "Eroare la cJSON_CreateObject pentru obiectul '%s'."
                                                      : "Eroare la cJSON_AddItemToObject pentru obiectul '%s'.";
    char text[300];
    std::snprintf(text, sizeof text, model, eticheta ? eticheta : "");
    MesajBox(nullptr, text, "", MB_OK | MB_ICONEXCLAMATION);
    return cod;
}

std::string_view Camp(const char* camp, std::size_t marime) { return TextCamp(camp, marime); }

std::uint32_t CoduriAtribute(const PerecheAtribute& a) { return std::uint32_t{a[0]} | (std::uint32_t{a[1]} << 16); }

template <std::size_t N>
void CopiazaText(char (&camp)[N], const char* text) {
    std::snprintf(camp, N, "%s", text);
}

// {"value": V, "known": true}, or {"value": null, "known": false} for an
// exact zero.
void Valoare(TextJson& t, const char* cheie, double valoare, const char* format) {
    t.cheie(cheie).deschideObiect();
    const bool necunoscut = valoare == 0;
    if (necunoscut)
        t.cheie("value").nul();
    else
        t.cheie("value").numar(valoare, format);
    t.cheie("known").logic(!necunoscut);
    t.inchideObiect();
}

void IndiciRefractie(const MaterialOptic& m, TextJson& t) {
    // An entry without a wavelength or without n is no measurement; its k
    // goes along only with a positive n, and then even when it is 0.
    const auto masurat = [&m](int i) { return m.lambda_indici[i] > 0.0f && m.indice_n[i] > 0.0; };
    t.cheie("refractive_indexes").deschideObiect();
    t.cheie("wavelength_nm").deschideLista();
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (masurat(i)) t.numar(m.lambda_indici[i], "%.2f");
    t.inchideLista();
    t.cheie("n").deschideLista();
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (masurat(i)) t.numar(m.indice_n[i], "%.6f");
    t.inchideLista();
    t.cheie("k").deschideLista();
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (masurat(i)) t.numar(m.indice_k[i], "%g");
    t.inchideLista();
    t.inchideObiect();
}

void TransmisieInterna(const MaterialOptic& m, TextJson& t) {
    t.cheie("internal_transmittance").deschideObiect();
    t.cheie("wavelength_nm").deschideLista();
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (m.lambda_Ti[i] != 0) t.numar(m.lambda_Ti[i]);
    t.inchideLista();
    t.cheie("optical_density_[1/mm]").deschideLista();
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (m.lambda_Ti[i] != 0) t.numar(m.transmisia_interna[i], "%g");
    t.inchideLista();
    t.inchideObiect();
}

void ProprietatiMecanice(const MaterialOptic& m, TextJson& t) {
    t.cheie("mechanical_properties").deschideObiect();
    Valoare(t, "density_g/cm^3", m.densitate, "%.3f");
    Valoare(t, "knoop_hardness_iso_9385", m.duritate_knoop, "%.1f");
    Valoare(t, "youngs_modulus_GPa", m.modul_young, "%.1f");
    Valoare(t, "poisson_ratio", m.raport_poisson, "%.3f");
    Valoare(t, "abrasion_hardness_iso_12844", m.duritate_abraziune, "%.3f");
    t.inchideObiect();
}

// The expansion coefficient in 1/K, the product taken in single precision
// as the coating software's own import computes it.
float DilatareJson(float valoare, std::uint16_t producator) {
    if (static_cast<double>(valoare) < 0.005) return valoare;
    const float scara = producator == 0 || producator == 1 ? 1e-7f : 1e-6f;
    return valoare * scara;
}

void ProprietatiTermice(const MaterialOptic& m, TextJson& t) {
    t.cheie("thermal_properties").deschideObiect();
    Valoare(t, "heat_conductivity_[W/(m*K)]", m.conductibilitate_termica[0], "%.3f");
    Valoare(t, "heat_capacity_[J/(kg*K)]", m.caldura_specifica[0], "%.3f");

    static constexpr const char* Domenii[2] = {"[-30, 70]", "[20, 300]"};
    t.cheie("coefficients_of_linear_thermal_expansion").deschideLista();
    for (int i = 0; i < 2; ++i) {
        t.deschideObiect();
        t.cheie("temperature_range_[Celsius]").text(Domenii[i]);
        Valoare(t, "coef_linear_thermal_expansion_[1/K]", DilatareJson(m.dilatare[i], m.producator), "%.2e");
        t.inchideObiect();
    }
    t.inchideLista();

    t.cheie("temperatures_[Celsius]").deschideObiect();
    Valoare(t, "Tg", m.temperaturi[0], nullptr);
    Valoare(t, "T13", m.temperaturi[1], nullptr);
    Valoare(t, "T7.6", m.temperaturi[2], nullptr);
    t.inchideObiect();
    t.inchideObiect();
}

void ProprietatiChimice(const MaterialOptic& m, TextJson& t) {
    t.cheie("chemical_properties").deschideObiect();
    static constexpr const char* Clase[5] = {"CR", "FR", "SR", "AR", "PR"};
    for (int i = 0; i < 5; ++i) Valoare(t, Clase[i], m.stabilitate_chimica[i], nullptr);
    t.inchideObiect();
}

void ElementTestLaser(TextJson& t, float prag, std::uint16_t lungimeUnda) {
    t.deschideObiect();
    t.cheie("wavelength_nm").numar(lungimeUnda);
    DescriptorMarimeJson d;
    CopiazaText(d.parametru, "damage_threshold_MW_per_cm2");
    d.valoare = prag;
    d.incredere = 1.0;
    d.optiuni = OptiuneCunoscut | OptiuneIncredere;
    CopiazaText(d.format, "%.1f");
    AdaugaMarimeMasurataJson(t, d);
    // The pulse width is not kept in the record: the coating software gets
    // an explicit "unknown".
    CopiazaText(d.parametru, "pulse_width_nsec");
    d.valoare = 0;
    AdaugaMarimeMasurataJson(t, d);
    t.inchideObiect();
}

void ProprietatiLaser(const MaterialOptic& m, TextJson& t) {
    t.cheie("LIDT_properties").deschideObiect();
    t.cheie("test_methode_S-ON-1").deschideLista();
    const bool oricare = m.lidt[0] > 0.0f || m.lidt[1] > 0.0f || m.lidt[2] > 0.0f;
    if (!oricare) {
        t.nul();
    } else {
        for (int i = 0; i < 3; ++i) {
            if (!(m.lidt[i] > 0.0f) || m.lidt_lambda[i] == 0)
                t.nul();
            else
                ElementTestLaser(t, m.lidt[i], m.lidt_lambda[i]);
        }
    }
    t.inchideLista();
    t.cheie("test_methode_CW").deschideLista();
    t.nul();
    t.inchideLista();
    t.inchideObiect();
}

}  // namespace

int RaporteazaEroareNodJson(int cod, const char* eticheta) { return EroareNod(cod, eticheta); }

void AdaugaMarimeMasurataJson(TextJson& t, const DescriptorMarimeJson& d) {
    const std::string parametru(Camp(d.parametru, sizeof d.parametru));
    const std::string_view unitate = Camp(d.unitate, sizeof d.unitate);
    std::string indicator(Camp(d.numeIndicator, sizeof d.numeIndicator));
    if (indicator.empty()) indicator = "known";
    const std::string format(Camp(d.format, sizeof d.format));
    const unsigned o = d.optiuni;

    if (!t.inLista()) t.cheie(parametru);
    t.deschideObiect();
    if ((o & OptiuneParametru) && !parametru.empty()) t.cheie("parameter").text(parametru);
    if (!(o & OptiuneZeroCaNumar) && d.valoare == 0) {
        t.cheie("value").nul();
        if (o & OptiuneCunoscut) t.cheie(indicator).logic(false);
    } else {
        t.cheie("value").numar(d.valoare, format.c_str());
        if ((o & OptiuneUnitate) && !unitate.empty()) t.cheie("unit").text(unitate);
        if (o & OptiuneIncredere) t.cheie("confidence").numar(d.incredere, "%.3f");
        if (o & OptiuneCunoscut) t.cheie(indicator).logic(true);
    }
    t.inchideObiect();
}

DocumentMaterialeJson::DocumentMaterialeJson(cJSON* radacina, bool tineTexte)
    : radacina_(radacina), tineTexte_(tineTexte) {
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
            atributeCitite_ = CitesteLiniiAtribute(path_sticle, NumeFisierAtributeSubstrat, liniiAtribute_) != 0;
            atributeIncercate_ = true;
        }
        std::string nume;
        NumeRolDinLinii(liniiAtribute_, atributeCitite_, NumeFisierAtributeSubstrat, cod, nume, NumeRolLipsaJson);
        numeCoduri_[cod] = nume + " (" + std::to_string(cod) + ")";
    }
}

void DocumentMaterialeJson::listaCoduri(TextJson& t, const char* cheie, std::uint32_t coduri) const {
    t.cheie(cheie).deschideLista();
    for (std::uint8_t cod : DespacheteazaRoluri(coduri))
        if (cod != 0) t.text(numeCoduri_[cod]);
    t.inchideLista();
}

std::string DocumentMaterialeJson::obiectMaterial(const MaterialOptic& m,
                                                  const std::optional<PerecheAtribute>& atribute) const {
    TextJson t(1);
    t.rezerva(4096);
    t.deschideObiect();
    t.cheie("metadata").deschideObiect();
    t.cheie("manufacturer_code").numar(m.producator);
    const auto producator = producatori_.find(m.producator);
    t.cheie("manufacturer_name").text(producator != producatori_.end() ? producator->second : std::string());
    t.inchideObiect();

    listaCoduri(t, "category", CitesteCuvantRoluri(m));

    t.cheie("optical_properties").deschideObiect();
    IndiciRefractie(m, t);
    TransmisieInterna(m, t);
    t.inchideObiect();

    ProprietatiMecanice(m, t);
    ProprietatiTermice(m, t);
    ProprietatiChimice(m, t);
    ProprietatiLaser(m, t);

    if (atribute) listaCoduri(t, "attribute", CoduriAtribute(*atribute));
    t.inchideObiect();
    return t.preia();
}

void DocumentMaterialeJson::propune(const MaterialOptic& m, const std::string& numeFisier, bool intreaba,
                                    const std::optional<PerecheAtribute>& atribute) {
    std::string cheie(Camp(m.nume, sizeof m.nume));
    // Names are keys exactly: the database itself tells "F2" from "f2".
    if (membri_.count(cheie) != 0) {
        if (!intreaba) return;
        char text[600];
        std::snprintf(text, sizeof text, "Materialul %s este in fisierul %s\nScriem peste?", cheie.c_str(),
                      numeFisier.c_str());
        if (MesajBox(nullptr, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES) return;
        // The old member may still be waiting to be added in this pass.
        std::erase_if(propuse_, [&cheie](const Propus& p) { return p.cheie == cheie; });
        cJSON_DeleteItemFromObjectCaseSensitive(radacina_, cheie.c_str());
    }
    if (auto [it, nou] = producatori_.try_emplace(m.producator); nou)
        ReturneazaNumeCodProducatorSticla(m.producator, it->second, 64);
    cautaNumeCoduri(CitesteCuvantRoluri(m));
    if (atribute) cautaNumeCoduri(CoduriAtribute(*atribute));
    membri_.insert(cheie);
    propuse_.push_back({std::move(cheie), &m, atribute});
}

int DocumentMaterialeJson::adaugaPropuse() {
    std::vector<Propus> propuse;
    propuse.swap(propuse_);
    // Each object becomes a raw node where it is written; a node that could
    // not be made stays null and is told below, in the order of the pass.
    std::vector<cJSON*> noduri(propuse.size(), nullptr);
    const auto scrie = [&](std::size_t de, std::size_t pana, ZonaTexte* zona) {
        for (std::size_t i = de; i < pana; ++i) {
            try {
                const std::string text = obiectMaterial(*propuse[i].material, propuse[i].atribute);
                if (!zona) {
                    noduri[i] = cJSON_CreateRaw(text.c_str());
                } else if ((noduri[i] = cJSON_CreateNull()) != nullptr) {
                    // A reference: the tree prints the text but leaves it to the zone.
                    noduri[i]->type = cJSON_Raw | cJSON_IsReference;
                    noduri[i]->valuestring = const_cast<char*>(zona->adauga(text));
                }
            } catch (const std::bad_alloc&) {
                cJSON_Delete(noduri[i]);
                noduri[i] = nullptr;
            }
        }
    };
    ZonaTexte* zona1 = tineTexte_ ? &texte_.emplace_back() : nullptr;
    // A few objects are not worth a thread.
    if (propuse.size() < 64) {
        scrie(0, propuse.size(), zona1);
    } else {
        ZonaTexte* zona2 = tineTexte_ ? &texte_.emplace_back() : nullptr;
        const std::size_t jumatate = propuse.size() / 2;
        InDouaFire([&] { scrie(0, jumatate, zona1); }, [&] { scrie(jumatate, propuse.size(), zona2); });
    }

    int cod = 0;
    for (std::size_t i = 0; i < propuse.size(); ++i) {
        if (cod == 0 && !noduri[i]) cod = EroareNod(EroareJsonCreareObiect, "rootMaterial");
        if (cod == 0 && !cJSON_AddItemToObject(radacina_, propuse[i].cheie.c_str(), noduri[i]))
            cod = EroareNod(EroareJsonAdaugareObiect, "rootMaterial");
        if (cod != 0) {
            cJSON_Delete(noduri[i]);
            membri_.erase(propuse[i].cheie);
        }
    }
    return cod;
}

int AdaugaMaterialInDocumentJson(const MaterialOptic& m, cJSON* radacina, const std::string& numeFisier,
                                 bool intreaba, const std::optional<PerecheAtribute>& atribute) {
    DocumentMaterialeJson document(radacina);
    return document.adauga(m, numeFisier, intreaba, atribute);
}

}  // namespace vitramor
