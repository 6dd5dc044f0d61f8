#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/Cli.h"
#include "database/StocareMateriale.h"
#include "dispersion/EcuatieDispersie.h"
#include "dispersion/PotrivireEcuatie.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"

namespace vitramor::cli {

int ComandaEval(Context& c) {
    const bool k = ScoateOptiune(c, "--k");
    CereArgumente(c, 2, static_cast<std::size_t>(-1));
    std::vector<float> lungimi;
    for (std::size_t i = 1; i < c.argumente.size(); ++i) {
        const double l = CitesteReal(c.argumente[i], "a wavelength");
        if (l <= 0 || l > 1e7) throw EroareUtilizare{"a wavelength is a positive number of nanometres"};
        lungimi.push_back(static_cast<float>(l));
    }
    MaterialOptic m;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), m)) return IesireEsec;
    for (float l : lungimi) {
        float valoare = 0;
        const int stare = IndiceMaterial(m, k ? 1 : 0, l, valoare);
        std::fprintf(c.out, "%g\t%d\t%.9g\n", static_cast<double>(l), stare, static_cast<double>(valoare));
    }
    return IesireOk;
}

int ComandaFit(Context& c) {
    bool k = false, stocheaza = false;
    std::int16_t cod = 0;
    double toleranta = TolerantaPotrivireImplicita;
    std::string nume;
    const auto& a = c.argumente;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--k") {
            k = true;
        } else if (a[i] == "--store") {
            stocheaza = true;
        } else if (a[i] == "--code") {
            if (i + 1 >= a.size()) throw EroareUtilizare{"--code needs a value"};
            cod = static_cast<std::int16_t>(CitesteIntreg(a[++i], "C", 1, CodMaximEcuatieDispersie));
        } else if (a[i] == "--tolerance") {
            if (i + 1 >= a.size()) throw EroareUtilizare{"--tolerance needs a value"};
            toleranta = CitesteReal(a[++i], "X");
            if (!(toleranta > 0.0) || !std::isfinite(toleranta)) throw EroareUtilizare{"--tolerance takes a positive number"};
        } else if (a[i].rfind("--", 0) == 0 || !nume.empty()) {
            throw EroareUtilizare{a[i].rfind("--", 0) == 0 ? "unknown option " + a[i] : "too many arguments"};
        } else {
            nume = NumeMaterialDinArgument(a[i]);
        }
    }
    if (nume.empty()) throw EroareUtilizare{"missing NAME"};
    MaterialOptic m;
    if (!GasesteMaterial(nume, m)) return IesireEsec;
    const int care = k ? 1 : 0;
    const PotrivireTabel p = PotrivesteTabel(m, care, cod);
    if (!p.ok()) {
        MesajBox(nullptr, p.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    std::fprintf(c.out, "%d", p.ecuatie.cod);
    for (int i = 0; i < DescriereEcuatie(p.ecuatie.cod).coeficientiFolositi; ++i)
        std::fprintf(c.out, "\t%.9e", p.ecuatie.coef[i]);
    std::fprintf(c.out, "\n");
    double maxim = 0.0;
    for (const PunctPotrivire& q : p.puncte) {
        std::fprintf(c.out, "%g\t%.6g\t%.2e\n", static_cast<double>(q.lambda), q.valoare, q.reziduu);
        maxim = std::max(maxim, std::fabs(q.reziduu));
    }
    std::fprintf(c.out, "max\t%.2e\n", maxim);
    std::fflush(c.out);
    if (!stocheaza) return IesireOk;
    constexpr const char* Titlu = "Potrivire ec. dispersie";
    RezultatOperatie r;
    if (const std::string motiv = MotivRefuzPotrivire(p, care, toleranta); !motiv.empty()) {
        r = RezultatOperatie::Esec(motiv);
    } else {
        const std::string nota = AplicaPotrivire(m, care, p);
        OptiuniStocare o(platforma());
        o.editare = true;
        o.titlu = Titlu;
        r = StocheazaMateriale(nullptr, path_sticle, {&m, 1}, o);
        if (!nota.empty() && r.schimbate() > 0) r.note.push_back(nota);
    }
    RaporteazaRezultat(nullptr, Titlu, r);
    return r.codIesire();
}

}  // namespace vitramor::cli
