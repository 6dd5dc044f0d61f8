#include "explorare/ComparaSticle.h"

#include <cstdio>

#include <algorithm>
#include <cmath>
#include <set>
#include <span>

#include "dispersion/MarimiOptice.h"
#include "record/ConversiiMaterial.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {


// The catalogue's own precisions for the derived quantities.
struct RandDerivat {
    const char* eticheta;
    const char* format;
    double MarimiOptice::*camp;
};
constexpr RandDerivat randuriDerivate[] = {
    {"nd", "%.6f\t", &MarimiOptice::nd},     {"ne", "%.6f\t", &MarimiOptice::ne},
    {"vd", "%.2f\t", &MarimiOptice::vd},     {"ve", "%.2f\t", &MarimiOptice::ve},
    {"P g,F", "%.4f\t", &MarimiOptice::pgF}, {"P C,t", "%.4f\t", &MarimiOptice::pCt},
    {"dP g,F", "%.4f\t", &MarimiOptice::deltaPgF},
};

// A property row: its label with the unit, and the value a record gives
// (0 or less: the record has none).
struct RandProprietate {
    const char* eticheta;
    const char* format;
    double (*valoare)(const MaterialOptic&);
};
const RandProprietate randuriMecanice[] = {
    {"Densitate [g/cm3]", "%.3f\t", [](const MaterialOptic& m) { return double(m.densitate); }},
    {"Modul Young [10^3 N/mm2]", "%g\t", [](const MaterialOptic& m) { return double(m.modul_young); }},
    {"Raport Poisson", "%.3f\t", [](const MaterialOptic& m) { return double(m.raport_poisson); }},
    {"Duritate Knoop", "%g\t", [](const MaterialOptic& m) { return double(m.duritate_knoop); }},
    {"Duritate abraziune", "%g\t", [](const MaterialOptic& m) { return double(m.duritate_abraziune); }},
    {"Coef. optic tensiune", "%g\t", [](const MaterialOptic& m) { return double(m.coef_optic_tensiune); }},
};
const RandProprietate randuriTermice[] = {
    {"Tg [C]", "%.0f\t", [](const MaterialOptic& m) { return double(m.temperaturi[0]); }},
    {"Dilatare -60..+20 C [10^-7/K]", "%.2f\t",
     [](const MaterialOptic& m) { return DilatarePeKelvin(m.dilatare[0], m.producator) * 1e7; }},
    {"Dilatare +20..+120 C [10^-7/K]", "%.2f\t",
     [](const MaterialOptic& m) { return DilatarePeKelvin(m.dilatare[1], m.producator) * 1e7; }},
    {"Conductibilitate +20 C [W/(m*K)]", "%g\t",
     [](const MaterialOptic& m) { return double(m.conductibilitate_termica[2]); }},
    {"Caldura specifica +20 C [J/(kg*K)]", "%g\t",
     [](const MaterialOptic& m) { return double(m.caldura_specifica[2]); }},
};

void AdaugaProprietati(std::vector<std::string>& linii, const std::vector<const MaterialOptic*>& materiale,
                       std::span<const RandProprietate> randuri) {
    if (!linii.empty()) linii.emplace_back();
    for (const RandProprietate& r : randuri) {
        std::string linie = std::string(r.eticheta) + '\t';
        for (const MaterialOptic* m : materiale) {
            const double v = r.valoare(*m);
            linie += v > 0.0 && std::isfinite(v) ? TextFormatat(r.format, v) : std::string("\t");
        }
        linii.push_back(std::move(linie));
    }
}

// The slots of an evaporation material below 10 hold its evaporation data.
int PrimulSlotTransmisie(const MaterialOptic& m) { return EsteMaterialEvaporare(m) ? 10 : 0; }

void AdaugaTransmisie(std::vector<std::string>& linii, const std::vector<const MaterialOptic*>& materiale,
                      float grosime) {
    std::set<std::uint16_t> lungimi;
    for (const MaterialOptic* m : materiale)
        for (int s = PrimulSlotTransmisie(*m); s < NumarSloturiTabel; ++s)
            if (m->lambda_Ti[s] != 0) lungimi.insert(m->lambda_Ti[s]);
    if (!linii.empty()) linii.emplace_back();
    linii.push_back(TextFormatat("Transmisie interna [%%] la %g mm", grosime));
    linii.emplace_back();
    for (std::uint16_t l : lungimi) {
        std::string linie = std::to_string(l) + '\t';
        for (const MaterialOptic* m : materiale) {
            int s = PrimulSlotTransmisie(*m);
            while (s < NumarSloturiTabel && m->lambda_Ti[s] != l) ++s;
            linie += s < NumarSloturiTabel
                         ? TextFormatat("%.2f\t", 100.0 * TransmisieInternaDinAbsorbtie(m->transmisia_interna[s], grosime))
                         : std::string("\t");
        }
        linii.push_back(std::move(linie));
    }
}

}  // namespace

namespace {
void LiniiIndici(std::vector<std::string>& linii, const std::vector<const MaterialOptic*>& materiale);
}  // namespace

CerereComparare& cerereComparare() {
    static CerereComparare c;
    return c;
}

std::vector<float> ReuniuneLungimiUnda(const std::vector<const MaterialOptic*>& materiale) {
    std::array<float, NumarMaximLungimiUnda> r{};
    for (const MaterialOptic* m : materiale) {
        for (int s = 0; s < NumarSloturiEditabile; ++s) {
            const float l = m->lambda_indici[s];
            if (!(m->indice_n[s] > 0.0) || !(l > 0.0f)) continue;
            for (int i = 0; i < NumarMaximLungimiUnda; ++i) {
                if (r[i] == l) break;
                if (r[i] == 0.0f) {
                    r[i] = l;
                    break;
                }
                if (r[i] > l) {
                    for (int j = NumarMaximLungimiUnda - 1; j > i; --j) r[j] = r[j - 1];
                    r[i] = l;
                    break;
                }
            }
        }
    }
    std::vector<float> folosite;
    for (float l : r) {
        if (l == 0.0f) break;
        folosite.push_back(l);
    }
    return folosite;
}

std::vector<std::string> LiniiComparare(const std::vector<const MaterialOptic*>& materiale, int continutCerut,
                                        float grosime) {
    std::vector<std::string> linii;
    if (continutCerut & continut::Indici) LiniiIndici(linii, materiale);
    if (continutCerut & continut::Transmisie) AdaugaTransmisie(linii, materiale, grosime);
    if (continutCerut & continut::Mecanic) AdaugaProprietati(linii, materiale, randuriMecanice);
    if (continutCerut & continut::Termic) AdaugaProprietati(linii, materiale, randuriTermice);
    return linii;
}

namespace {

// The index block: n at the union of the table wavelengths, then the derived quantities.
void LiniiIndici(std::vector<std::string>& linii, const std::vector<const MaterialOptic*>& materiale) {
    linii.emplace_back("Lambda [nm]");
    linii.emplace_back();
    for (float l : ReuniuneLungimiUnda(materiale)) {
        std::string linie = TextFormatat("%g\t", static_cast<double>(l));
        for (const MaterialOptic* m : materiale) {
            int slot = 0;
            while (slot < NumarSloturiTabel && m->lambda_indici[slot] != l) ++slot;
            // A slot at the wavelength without an index is as empty as no slot.
            linie += slot < NumarSloturiTabel && m->indice_n[slot] > 0.0 ? TextFormatat("%g\t", m->indice_n[slot])
                                                                         : std::string("\t");
        }
        linii.push_back(std::move(linie));
    }
    std::vector<MarimiOptice> marimi;
    for (const MaterialOptic* m : materiale) marimi.push_back(CalculeazaMarimiOptice(*m));
    linii.emplace_back();
    for (const RandDerivat& r : randuriDerivate) {
        std::string linie = std::string(r.eticheta) + '\t';
        for (const MarimiOptice& q : marimi)
            linie += AreValoare(q.*r.camp) ? TextFormatat(r.format, q.*r.camp) : std::string("\t");
        linii.push_back(std::move(linie));
    }
}

}  // namespace

std::vector<std::string> LiniiComparareLaLungimi(const std::vector<const MaterialOptic*>& materiale,
                                                 const std::vector<float>& lungimi) {
    std::vector<std::string> linii;
    for (float l : lungimi) {
        std::string linie = TextFormatat("%g\t", static_cast<double>(l));
        for (const MaterialOptic* m : materiale) {
            const double n = IndiceNLa(*m, l);
            linie += AreValoare(n) ? TextFormatat("%.6f\t", n) : std::string("\t");
        }
        linii.push_back(std::move(linie));
    }
    return linii;
}

}  // namespace vitramor
