// Catalogue tables from ODBC sources and spreadsheet files: listing them,
// their columns, the connection report, association files and the update.

#include <cstdio>
#include <cstring>

#include "cli/Cli.h"
#include "import/tabele/ActualizareExcel.h"
#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/SursaTabel.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

// Table and column names and the result lines are UTF-8 already.
void Scrie(Context& c, const std::string& linie) { std::fprintf(c.out, "%s\n", linie.c_str()); }

bool ScoateSteag(Context& c, const std::string& optiune) {
    for (std::size_t i = 0; i < c.argumente.size(); ++i)
        if (c.argumente[i] == optiune) {
            c.argumente.erase(c.argumente.begin() + static_cast<long>(i));
            return true;
        }
    return false;
}

void ScrieBloc(Context& c, const BlocText& b) {
    if (!b) return;
    std::size_t inceput = 0;
    for (;;) {
        const auto sfarsit = b->find("\r\n", inceput);
        Scrie(c, b->substr(inceput, sfarsit == std::string::npos ? std::string::npos : sfarsit - inceput));
        if (sfarsit == std::string::npos) break;
        inceput = sfarsit + 2;
    }
}

// A source or table that cannot be read, said once.
int EsecSursa(const std::string& motiv) {
    MesajBox(nullptr, motiv, TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    return IesireEsec;
}

}  // namespace

int ComandaTables(Context& c) {
    CereArgumente(c, 1, 1);
    std::string eroare;
    auto sursa = DeschideSursaTabel(c.argumente[0], eroare);
    if (!sursa) return EsecSursa(eroare);
    std::vector<std::string> tabele;
    if (!sursa->citesteTabele(tabele)) return EsecSursa(sursa->eroare());
    for (const auto& t : tabele) Scrie(c, t);
    return IesireOk;
}

int ComandaColumns(Context& c) {
    const int antet = ScoateRandAntet(c);
    CereArgumente(c, 2, 2);
    std::string eroare;
    auto sursa = DeschideSursaTabel(c.argumente[0], eroare, antet);
    if (!sursa) return EsecSursa(eroare);
    std::vector<ColoanaTabel> coloane;
    if (!sursa->citesteColoane(c.argumente[1], coloane)) return EsecSursa(sursa->eroare());
    for (std::size_t i = 0; i < coloane.size(); ++i)
        Scrie(c, std::to_string(i) + "\t" + coloane[i].nume + "\t" + coloane[i].tip);
    return IesireOk;
}

int ComandaOdbcInfo(Context& c) {
    CereArgumente(c, 1, 1);
    ConexiuneODBC conexiune;
    conexiune.sirConexiune = c.argumente[0];
    if (conexiune.sirConexiune.empty()) throw EroareUtilizare{"the connection string is empty"};
    const RezultatOperatie r = ConecteazaOdbcSourceSiSalveazaInRegistri(&platforma(), nullptr, conexiune);
    if (r.stare == StareOperatie::Facut) ScrieBloc(c, RaportConexiuneOdbc(conexiune));
    DeconecteazaOdbc(conexiune);
    ElibereazaHandleOdbc(conexiune);
    if (r.stare != StareOperatie::Facut)
        return EsecSursa(r.motiv.empty() ? "Conectarea la sursa de date ODBC nu a reusit." : r.motiv);
    return IesireOk;
}

int ComandaAssociations(Context& c) {
    CereArgumente(c, 1, 1);
    TabelAsocieri t{};
    if (const RezultatOperatie r = IncarcaAsocieriDinFisier(c.argumente[0], t); r.esuat())
        return MesajBox(nullptr, r.motiv, TitluAsociere, stil::MB_OK), IesireEsec;
    for (int i = 0; i < NumarAsocieri; ++i) {
        if (!t[static_cast<std::size_t>(i)].nume[0]) continue;
        VerificaAsociere(t[static_cast<std::size_t>(i)], nullptr);
        const auto celule = CeluleAsociere(t, i, nullptr, -1);
        std::string linie = celule.front();
        for (std::size_t k = 1; k < celule.size(); ++k) linie += "\t" + celule[k];
        Scrie(c, linie);
    }
    return IesireOk;
}

int ComandaImportTable(Context& c) {
    const bool actualizeaza = ScoateSteag(c, "--update");
    const int antet = ScoateRandAntet(c);
    const std::string cod = ScoateValoare(c, "--code");
    const std::string aso = ScoateValoare(c, "--associations");
    const std::string producator = ScoateValoare(c, "--producer");
    const std::string grosime = ScoateValoare(c, "--thickness");
    const std::string conflict = ScoateValoare(c, "--on-conflict");
    if (cod.empty() || aso.empty()) throw EroareUtilizare{"--code and --associations are required"};
    const int codSelectie = static_cast<int>(CitesteIntreg(cod, "--code", 1, 3));
    if (codSelectie == 2) throw EroareUtilizare{"--code is 1 or 3"};
    OptiuniActualizare o;
    o.intrebari = &platforma();
    o.directorSticle = path_sticle;
    if (!conflict.empty()) {
        const auto politica = PoliticaConflictDinText(conflict);
        if (!politica) throw EroareUtilizare{"--on-conflict is replace, rename or skip"};
        o.laConflict = *politica;
    }
    const double mm = grosime.empty() ? 0.0 : CitesteReal(grosime, "--thickness");
    if (!grosime.empty() && !(mm > 0 && mm <= 1000)) throw EroareUtilizare{"--thickness is a thickness in mm above 0"};
    CereArgumente(c, 2, 2);
    if (actualizeaza && path_sticle.empty()) {
        std::fprintf(c.err, "The glass directory is not set: give --glass-dir DIR.\n");
        return IesireEsec;
    }

    auto ctx = std::make_unique<ContextImportExcel>();
    StergeAsocieri(ctx->asocieri);
    ScrieAsocieriImplicite(*ctx);
    if (const RezultatOperatie r = IncarcaAsocieriDinFisier(aso, ctx->asocieri); r.esuat())
        return MesajBox(nullptr, r.motiv, TitluAsociere, stil::MB_OK), IesireEsec;
    DupaIncarcareAsocieri(*ctx);
    std::string eroare;
    ctx->sursa = DeschideSursaTabel(c.argumente[0], eroare, antet);
    if (!ctx->sursa) return EsecSursa(eroare);
    if (c.argumente[0].find('=') == std::string::npos) ctx->caleSursa = c.argumente[0];
    ctx->tabel = c.argumente[1];
    if (!ctx->sursa->citesteColoane(ctx->tabel, ctx->coloane)) return EsecSursa(ctx->sursa->eroare());
    ctx->sticla.producator = static_cast<std::uint16_t>(
        producator.empty() ? ProducatorDinCodSelectie(codSelectie) : CitesteIntreg(producator, "--producer", 0, 15));
    ctx->grosimeUtilizator = static_cast<float>(mm);
    std::vector<std::string> linii;
    const int detectat = DetecteazaLambda(*ctx, codSelectie, linii);
    for (const auto& l : linii) Scrie(c, l);
    if (!detectat) return MesajBox(nullptr, ctx->motivDetectie, {}, stil::MB_OK), IesireEsec;

    o.actualizeaza = actualizeaza;
    o.codProducator = codSelectie;
    o.linie = [&c](const std::string& l) {
        Scrie(c, l);
        return true;
    };
    const RezultatOperatie r = ImportaTabelExcel(*ctx, o);
    if (o.actualizeaza || r.stare == StareOperatie::Esuat) RaporteazaRezultat(nullptr, TitluActualizareExcel, r);
    return r.codIesire();
}

}  // namespace vitramor::cli
