#include <cmath>
#include <cstdio>
#include <cerrno>
#include <set>

#include "explorare/ComparaSticle.h"
#include "explorare/HartaSticle.h"
#include "explorare/HartaSvgUi.h"
#include "explorare/RezumatCatalog.h"
#include "explorare/SticleEchivalente.h"
#include "cli/Cli.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "platform/SistemFisiere.h"
#include "record/CodificareText.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

// Takes "--name VALUE" from anywhere before the positional arguments.
bool ScoateValoare(Context& c, const std::string& optiune, std::string& valoare) {
    if (c.argumente.empty() || c.argumente.front() != optiune) return false;
    if (c.argumente.size() < 2) throw EroareUtilizare{optiune + " needs a value"};
    valoare = c.argumente[1];
    c.argumente.erase(c.argumente.begin(), c.argumente.begin() + 2);
    return true;
}

double LungimeUnda(const std::string& text) {
    const double l = CitesteReal(text, "a wavelength");
    if (l <= 0 || l > 1e7) throw EroareUtilizare{"a wavelength is a positive number of nanometres"};
    return l;
}

bool CitesteCatalog(std::vector<RezumatMaterial>& catalog) {
    const CitireRezumat r = CitesteRezumatCatalog(CaleBazaDate(path_sticle), catalog);
    if (!r.ok) MesajBox(nullptr, r.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
    return r.ok;
}

std::string Text(const std::string& windows1252) { return TextPentruTerminal(windows1252); }

}  // namespace

int ComandaCompare(Context& c) {
    std::string de, la, pas;
    for (bool gasit = true; gasit;)
        gasit = ScoateValoare(c, "--from", de) || ScoateValoare(c, "--to", la) || ScoateValoare(c, "--step", pas);
    const int date = !de.empty() + !la.empty() + !pas.empty();
    if (date != 0 && date != 3) throw EroareUtilizare{"--from, --to and --step go together"};
    CereArgumente(c, 1, NumarMaximComparate);

    std::vector<MaterialOptic> materiale(c.argumente.size());
    for (std::size_t i = 0; i < c.argumente.size(); ++i)
        if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[i]), materiale[i])) return IesireEsec;
    std::vector<const MaterialOptic*> p;
    for (const MaterialOptic& m : materiale) p.push_back(&m);

    std::vector<std::string> linii;
    if (date == 3) {
        const double a = LungimeUnda(de), b = LungimeUnda(la), s = LungimeUnda(pas);
        if (b < a) throw EroareUtilizare{"--to must not be below --from"};
        if ((b - a) / s > NumarMaximLungimiUnda) throw EroareUtilizare{"at most 1000 wavelengths"};
        std::vector<float> lungimi;
        for (int i = 0; a + i * s <= b + s * 1e-9; ++i) lungimi.push_back(static_cast<float>(a + i * s));
        linii = LiniiComparareLaLungimi(p, lungimi);
    } else {
        // The window's wavelength lines, without its heading and its quantities.
        const std::size_t numar = ReuniuneLungimiUnda(p).size();
        const auto toate = LiniiComparare(p, continut::Indici);
        linii.assign(toate.begin() + 2, toate.begin() + 2 + static_cast<std::ptrdiff_t>(numar));
    }
    for (const std::string& l : linii) std::fprintf(c.out, "%s\n", l.c_str());
    return IesireOk;
}

int ComandaGlassMap(Context& c) {
    std::string producator, svg;
    for (bool gasit = true; gasit;)
        gasit = ScoateValoare(c, "--producer", producator) || ScoateValoare(c, "--svg", svg);
    CereArgumente(c, 0, 0);
    std::set<std::uint16_t> producatori;
    if (!producator.empty()) producatori.insert(static_cast<std::uint16_t>(CitesteIntreg(producator, "CODE", 0, 15)));
    if (!svg.empty() && RefuzaNeobisnuit(svg)) return IesireEsec;

    std::vector<RezumatMaterial> catalog;
    if (!CitesteCatalog(catalog)) return IesireEsec;
    const NumeProducatori nume(path_sticle);
    const auto puncte = PuncteHarta(catalog, VedereHarta::NdVd, producatori);
    for (std::size_t i : puncte) {
        const RezumatMaterial& m = catalog[i];
        std::fprintf(c.out, "%s\t%s\t%.6f\t%.4f\t%.4f\n", Text(m.numeText()).c_str(),
                     Text(nume.nume(m.producator)).c_str(), m.nd, m.vd, m.pgF);
    }
    if (!svg.empty()) {
        if (const RezultatOperatie r = ScrieFisierIntreg(svg, SvgHartaSticle(std::move(catalog), producatori));
            r.esuat()) {
            MesajBox(nullptr, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
            return IesireEsec;
        }
    }
    return IesireOk;
}

int ComandaSubstitute(Context& c) {
    std::string numar = std::to_string(NumarImplicitEchivalente);
    std::string de, la;
    for (bool gasit = true; gasit;) {
        gasit = ScoateValoare(c, "--count", numar);
        if (!gasit && !c.argumente.empty() && c.argumente.front() == "--range") {
            if (c.argumente.size() < 3) throw EroareUtilizare{"--range needs FROM and TO"};
            de = c.argumente[1];
            la = c.argumente[2];
            c.argumente.erase(c.argumente.begin(), c.argumente.begin() + 3);
            gasit = true;
        }
    }
    CereArgumente(c, 1, 1);
    const int n = static_cast<int>(CitesteIntreg(numar, "--count", 1, 100000));
    MaterialOptic referinta;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), referinta)) return IesireEsec;

    std::vector<Echivalent> gasite;
    if (!de.empty()) {
        const double a = LungimeUnda(de), b = LungimeUnda(la);
        if (b <= a) throw EroareUtilizare{"the range must go from a shorter to a longer wavelength"};
        CitireRezumat r;
        gasite = CautaEchivalenteRms(referinta, CaleBazaDate(path_sticle), static_cast<float>(a), static_cast<float>(b), n, &r);
        if (!r.ok) {
            MesajBox(nullptr, r.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
            return IesireEsec;
        }
    } else {
        std::vector<RezumatMaterial> catalog;
        if (!CitesteCatalog(catalog)) return IesireEsec;
        gasite = CautaEchivalente(RezumaMaterial(referinta, 0), catalog, n);
    }
    const NumeProducatori nume(path_sticle);
    for (const Echivalent& e : gasite)
        std::fprintf(c.out, "%s\t%s\t%g\t%.6f\t%.4f\n", Text(e.material.numeText()).c_str(),
                     Text(nume.nume(e.material.producator)).c_str(), e.distanta, e.material.nd, e.material.vd);
    return IesireOk;
}

}  // namespace vitramor::cli
