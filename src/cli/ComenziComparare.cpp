// diff-catalogue: a maker's new catalogue release against the database,
// and what of it to apply.

#include <cstdio>
#include <sstream>

#include "cli/Cli.h"
#include "cli/ProgresConsola.h"
#include "import/comparare/ComparaCatalog.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

std::vector<ClasaComparatie> ClaseDeAplicat(const std::string& text) {
    std::vector<ClasaComparatie> clase;
    std::istringstream in(text);
    for (std::string t; std::getline(in, t, ',');) {
        if (t == "new") clase.push_back(ClasaComparatie::Nou);
        else if (t == "changed") clase.push_back(ClasaComparatie::Schimbat);
        else throw EroareUtilizare{"--apply takes a comma list of new and changed, not \"" + t + "\""};
    }
    if (clase.empty()) throw EroareUtilizare{"--apply needs new, changed or new,changed"};
    return clase;
}

}  // namespace

int ComandaDiffCatalogue(Context& c) {
    const PoliticaConflict laConflict = ScoatePoliticaConflict(c);
    CerereComparatie cerere;
    cerere.directorSticle = path_sticle;
    const std::string producator = ScoateValoare(c, "--producer");
    const std::string format = ScoateValoare(c, "--format");
    const std::string cod = ScoateValoare(c, "--code");
    const std::string aplica = ScoateValoare(c, "--apply");
    cerere.asocieri = ScoateValoare(c, "--associations");
    cerere.randAntet = ScoateRandAntet(c);
    if (const std::string nume = ScoateValoare(c, "--name"); !nume.empty()) cerere.nume = NumeMaterialDinArgument(nume);
    if (producator.empty()) throw EroareUtilizare{"--producer CODE is required"};
    cerere.producator = static_cast<std::uint16_t>(CitesteIntreg(producator, "--producer", 0, 15));
    const std::vector<ClasaComparatie> clase = aplica.empty() ? std::vector<ClasaComparatie>{} : ClaseDeAplicat(aplica);
    CereArgumente(c, 1, 2);
    cerere.fisier = c.argumente[0];
    const auto f = format.empty() ? FormatCatalogDinFisier(cerere.fisier) : FormatCatalogDinText(format);
    if (!f) throw EroareUtilizare{format.empty() ? "the file's extension names no format: give --format" : "--format is agf, table, text, db or rii"};
    cerere.format = *f;
    if (cerere.format == FormatCatalog::Tabel) {
        if (c.argumente.size() != 2 || cerere.asocieri.empty() || cod.empty())
            throw EroareUtilizare{"a table needs --associations FILE.aso, --code 1|3 and TABLE"};
        cerere.tabel = c.argumente[1];
        cerere.cod = static_cast<int>(CitesteIntreg(cod, "--code", 1, 3));
        if (cerere.cod == 2) throw EroareUtilizare{"--code is 1 or 3"};
    } else if (c.argumente.size() != 1) {
        throw EroareUtilizare{"too many arguments"};
    }
    if (cerere.format == FormatCatalog::Text) {
        if (cod.empty()) throw EroareUtilizare{"a text catalogue needs --code 1-5"};
        cerere.cod = static_cast<int>(CitesteIntreg(cod, "--code", 1, 5));
    }

    ComparatieCatalog r;
    {
        ProgresConsola progres(c.err);
        if (const RezultatOperatie citit = ComparaCatalog(nullptr, path_sticle, cerere, r, progres);
            citit.stare != StareOperatie::Facut) {
            if (citit.esuat() && !citit.motiv.empty())
                MesajBox(nullptr, citit.motiv, TitluComparaCatalog, stil::MB_OK | stil::MB_ICONEXCLAMATION);
            return IesireEsec;
        }
    }
    for (const MaterialRefuzat& m : r.refuzate)
        std::fprintf(c.err, "%s: %s\n", m.material.c_str(), m.motiv.c_str());
    for (const SticlaComparata& s : r.sticle)
        std::fprintf(c.out, "%s\t%s\t%.2e\t%.4f\t%s\n", TextPentruTerminal(s.nume).c_str(), TextClasaComparatie(s.clasa),
                     s.dnMax, s.dvd, s.textCampuri().c_str());
    std::fprintf(c.out, "total\t%d nou\t%d schimbat\t%d neschimbat\t%d disparut\t%d conflict\n", r.numar[0], r.numar[1],
                 r.numar[2], r.numar[3], r.numar[4]);
    std::fflush(c.out);
    if (clase.empty()) return IesireOk;
    OptiuniAplicare o;
    o.actiuni = ActiuniPentruClase(r, clase);
    o.laConflict = laConflict;
    return IesireDinRezultat(TitluComparaCatalog, AplicaComparatia(platforma(), nullptr, path_sticle, r, o));
}

}  // namespace vitramor::cli
