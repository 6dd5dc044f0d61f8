#include "explorare/ComparaSticle.h"

#include <cstdio>

#include "dispersion/MarimiOptice.h"
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

std::vector<std::string> LiniiComparare(const std::vector<const MaterialOptic*>& materiale, int continutCerut) {
    std::vector<std::string> linii;
    if (!(continutCerut & continut::Indici)) return linii;
    linii.emplace_back("Lambda [nm]");
    linii.emplace_back();
    for (float l : ReuniuneLungimiUnda(materiale)) {
        std::string linie = TextFormatat("%g\t", static_cast<double>(l));
        for (const MaterialOptic* m : materiale) {
            int slot = 0;
            while (slot < NumarSloturiTabel && m->lambda_indici[slot] != l) ++slot;
            linie += slot < NumarSloturiTabel ? TextFormatat("%g\t", m->indice_n[slot]) : std::string("\t");
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
    return linii;
}

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

std::vector<int> TabulatoriComparare(const std::array<int, 100>& latimi, int bazaX) {
    std::vector<int> stopuri;
    // A unit is rarely a whole number of pixels (7 / 4 with the usual
    // fonts): dividing by a rounded unit would put the text columns off
    // their header columns by the rounding, more with every column.
    const int baza = bazaX > 0 ? bazaX : 4;
    int suma = 0;
    for (int j = 0; j < NumarMaximComparate; ++j) {
        suma += latimi[static_cast<std::size_t>(j)];
        stopuri.push_back(suma * 4 / baza);
    }
    return stopuri;
}

}  // namespace vitramor
