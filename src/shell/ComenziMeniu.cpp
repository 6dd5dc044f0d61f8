#include "shell/ComenziMeniu.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "explorare/ComparaSticleDialog.h"
#include "explorare/HartaSticleWindow.h"
#include "explorare/SticleEchivalenteDialog.h"
#include "checks/VerificariDispersieUi.h"
#include "import/tabele/ActualizareExcelDialog.h"
#include "database/NumeDialog.h"
#include "database/ProducatoriDialog.h"
#include "database/PuneCategorieDialog.h"
#include "database/RecupereazaMaterialDialog.h"
#include "database/StergeMaterialeProducatorDialog.h"
#include "editors/GraficIndiciWindow.h"
#include "editors/IndiciWindow.h"
#include "material/InitializareMaterial.h"
#include "editors/LaserDamageDialog.h"
#include "editors/MecanicWindow.h"
#include "editors/RolMaterialDialog.h"
#include "editors/StabilitateChimicaDialog.h"
#include "material/TabelTransmisie.h"
#include "editors/TermicWindow.h"
#include "editors/TransmisieWindow.h"
#include "dispersion/PotrivireEcuatieDialog.h"
#include "export/ExportAgfDialog.h"
#include "export/ExportRii.h"
#include "export/ExportSubstratDialog.h"
#include "export/VerificaSubstratWindow.h"
#include "import/agf/ImportAgfDialog.h"
#include "import/comparare/ComparaCatalogWindow.h"
#include "import/rii/ImportRiiDialog.h"
#include "import/schott/ImportSchottUi.h"
#include "import/csv/ImportaCsvDialog.h"
#include "import/ImportaIntreMaterialeDialog.h"
#include "import/text/ImportCatalogTextDialog.h"
#include "import/bazadate/ImportSticleDialog.h"
#include "database/ConversieSticle32.h"
#include "messages/ListaMesaje.h"
#include "suite/LucruInFundalUi.h"
#include "dispersion/ComenziDispersie.h"
#include "settings/Directoare.h"
#include "settings/DirectoriDialog.h"
#include "shell/DespreDialog.h"
#include "shell/FereastraPrincipala.h"
#include "shell/PanouCatalog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

void Creaza(FereastraPrincipala& w) { w.creazaMaterial(); }
void Copiaza(FereastraPrincipala& w) { w.copiazaMaterial(); }
void Distruge(FereastraPrincipala& w) { w.distrugeMaterial(); }
void Incarca(FereastraPrincipala& w) { w.incarcaMaterial(); }
void Salveaza(FereastraPrincipala& w) { w.salveazaMaterial(); }
void StergeCurent(FereastraPrincipala& w) { w.stergeMaterialCurent(); }
void StergeAcelasiNume(FereastraPrincipala& w) { w.stergeMaterialeAcelasiNume(); }
void StergeProducator(FereastraPrincipala& w) { DeschideStergeMaterialeProducator(w.proprietar()); }
void Curata(FereastraPrincipala& w) { w.curataMateriale(); }
// A recovered material comes in as a new open material, left for the user
// to check and save.
void Recupereaza(FereastraPrincipala& w) {
    MaterialOptic m;
    if (!AlegeMaterialRecuperat(w.proprietar(), m) || !w.creazaMaterial()) return;
    SetLucru& set = setLucru();
    set.incarca(set.materialCurent, m);
    set.modificat = 1;
    w.potrivesteCuBazaDate(set.materialCurent);
    w.actualizeazaRandCurent();
}
void Directori(FereastraPrincipala& w) { DeschideDirectori(&w); }
void Iesire(FereastraPrincipala& w) { w.iesire(); }
void CoeficientiDispersie(FereastraPrincipala& w) { ComandaCoeficientiDispersie(w.proprietar(), path_sticle); }
// The slots whose n could not be computed, in one box.
void InitNDinDispersie(FereastraPrincipala& w) {
    const RezultatOperatie r = ComandaInitNDinDispersie(platforma(), w.proprietar());
    std::string text;
    for (const auto& x : r.refuzate) text += (text.empty() ? "" : "\n") + x.motiv;
    if (!text.empty()) MesajBox(w.proprietar(), text, TitluAplicatie(), stil::MB_OK);
}
void Despre(FereastraPrincipala& w) { DeschideDespre(&w); }
void EditProducatori(FereastraPrincipala& w) { ComandaEditProducatori(&w); }
void PuneCategorie(FereastraPrincipala& w) { ComandaPuneCategorie(&w); }
// An import built its glasses in record `index`, storing each one: the
// record now holds another material than its windows were opened for, and
// it is modified only when it is not what the database holds (its last glass
// refused, say).
void DupaImport(FereastraPrincipala& w, int index) {
    SetLucru& set = setLucru();
    set.incarca(index, set.materiale[static_cast<std::size_t>(index)]);
    w.potrivesteCuBazaDate(index);
}
void ImportSchott(FereastraPrincipala& w) {
    // The glasses are built in records of their own: the open materials
    // stay as they are, and the browser shows what was stored.
    if (ComandaImportSchott(&w)) w.reumpleLista();
}
void ImportaCsv(FereastraPrincipala& w) { ComandaImportaCsv(&w); }
void ImportSticle(FereastraPrincipala& w) { ComandaImportSticle(&w); }
void ConversieSticle32(FereastraPrincipala& w) {
    Fereastra owner = w.proprietar();
    RezultatOperatie r;
    RuleazaCuProgres(&w, QString::fromLatin1(TitluConversieSticle32), [owner, &r](Progres& progres) {
        r = ComandaConvertesteSticle32(platforma(), owner, path_sticle, progres);
    });
    RaporteazaRezultat(owner, TitluConversieSticle32, r);
}
template <int Cod>
void CatalogText(FereastraPrincipala& w) {
    // The glasses are built in the current record, each stored as it is
    // built: a modified material there is offered for saving first.
    SetLucru& set = setLucru();
    if (!set.gol() && !w.poatePleca(set.materialCurent)) return;
    const int index = set.materialCurent;
    const MaterialOptic inainte = set.gol() ? MaterialOptic{} : set.curent();
    ComandaImportCatalogText(&w, Cod, [&w, index, inainte] {
        SetLucru& s = setLucru();
        if (index < s.numarMateriale() &&
            std::memcmp(&inainte, &s.materiale[static_cast<std::size_t>(index)], sizeof inainte) != 0)
            DupaImport(w, index);
        w.actualizeazaRandCurent();
    });
}
void ImportAgf(FereastraPrincipala& w) { ComandaImportAgf(&w); }
void ImportRii(FereastraPrincipala& w) { ComandaImportRii(&w); }
void ComparaCatalogNou(FereastraPrincipala& w) { ComandaComparaCatalog(&w); }
void ImportaExcel(FereastraPrincipala& w) { ComandaImportaExcel(&w); }
void VerificaSubstrat(FereastraPrincipala& w) {
    // A double-click in the verification window offers that material to
    // "Incarca material"; the current record changes only once it is loaded.
    ComandaVerificaSubstrat(&w, [&w](const std::string& nume, int) {
        if (!setLucru().gol()) w.incarcaMaterial(nume.c_str());
    });
}
void ExportSubstrat(FereastraPrincipala& w) { ComandaExportSubstrat(&w); }
void ExportAgf(FereastraPrincipala& w) { ComandaExportAgf(&w); }
void ExportRii(FereastraPrincipala& w) { ComandaExportMaterialRii(w.proprietar(), path_sticle, path_machine_learning); }
void PotrivireEcuatie(FereastraPrincipala& w) { ComandaPotrivireEcuatie(&w, setLucru().materialCurent, 0); }
void Nume(FereastraPrincipala& w) {
    ComandaNume(&w, [&w](int, const std::string&) { w.actualizeazaRandCurent(); });
}
void IndiciN(FereastraPrincipala& w) { ComandaIndiciN(&w); }
void IndiciK(FereastraPrincipala& w) { ComandaIndiciK(&w); }
void GraficIndici(FereastraPrincipala& w) { ComandaGraficIndici(&w); }
void ImportaIndici(FereastraPrincipala& w) { ComandaImportaIndici(&w); }
void ImportaEcuatii(FereastraPrincipala& w) { ComandaImportaEcuatii(&w); }
void RolMaterial(FereastraPrincipala& w) { ComandaRolMaterial(&w); }
void Transmisie(FereastraPrincipala& w) { ComandaTransmisie(&w); }
void KDinTransmisie(FereastraPrincipala& w) {
    RaporteazaRezultat(w.proprietar(), TitluAplicatie(), ComandaKDinTransmisie(platforma(), w.proprietar()));
}
void Mecanic(FereastraPrincipala& w) { ComandaMecanic(&w); }
void Chimic(FereastraPrincipala& w) { ComandaChimic(&w); }
void Termic(FereastraPrincipala& w) { ComandaTermic(&w); }
void LaserDamage(FereastraPrincipala& w) { ComandaLaserDamage(&w); }
// An initialisation changes the whole material: its open windows show it again.
template <int (*Comanda)(Intrebari&, Fereastra, SetLucru&)>
void Initializare(FereastraPrincipala& w) {
    if (Comanda(platforma(), w.proprietar(), setLucru()) == 1)
        ferestreMaterial().reimprospateazaMaterial(setLucru().materialCurent);
}
void AnuleazaModificare(FereastraPrincipala& w) { w.anuleazaUltimaModificare(); }
void PropuneDomenii(FereastraPrincipala& w) { ComandaPropuneDomenii(&w); }
void VerificaBazaDate(FereastraPrincipala& w) { ComandaVerificaBazaDate(&w); }
void VerificaMaterialCurent(FereastraPrincipala& w) { ComandaVerificaMaterialCurent(&w); }
void ComparaSticle(FereastraPrincipala& w) { ComandaComparaSticle(&w); }
void HartaSticle(FereastraPrincipala& w) {
    ComandaHartaSticle(&w, [&w](const std::string& nume) { DeschideMaterialDinBaza(w, nume); });
}
void SticleEchivalente(FereastraPrincipala& w) {
    ComandaSticleEchivalente(&w, [&w](const std::string& nume) { DeschideMaterialDinBaza(w, nume); });
}

using enum Activare;

constexpr const char* File = "&File";
constexpr const char* Importa = "&File/&Importa";
constexpr const char* CatalogTextMeniu = "&File/&Importa/Import catalog text";
constexpr const char* Exporta = "&File/&Exporta";
constexpr const char* Material = "&Material";
constexpr const char* Initializeaza = "&Initializeaza";
constexpr const char* Verificari = "&Verificari";
constexpr const char* Help = "&Help";
constexpr bool Sep = true;

// clang-format off
const ComandaMeniu tabela[] = {
    {40001, "Creaza material nou",                                  Mereu,      File, false, Creaza},
    {40099, "Creaza material nou copiat....",                       CuMaterial, File, false, Copiaza},
    {40002, "Distruge material",                                    CuMaterial, File, false, Distruge},
    {40003, "Incarca material",                                     Mereu,      File, Sep,   Incarca},
    {40004, "Salveaza material in SticleNou32.dat",                 CuMaterial, File, false, Salveaza},
    {40005, "Sterge material curent din SticleNou32.dat",           CuMaterial, File, Sep,   StergeCurent},
    {40028, "Sterge materiale cu acelasi nume din SticleNou32.dat", CuMaterial, File, false, StergeAcelasiNume},
    {40043, "Sterge materiale producator din SticleNou32.dat...",   CuMaterial, File, false, StergeProducator},
    {40071, "Curata materiale  in SticleNou32.dat...",              CuMaterial, File, false, Curata},
    {40150, "Recupereaza material...",                              Mereu,      File, false, Recupereaza},
    {40060, "Edit producatori...",                                  Mereu,      File, Sep,   EditProducatori},
    {40078, "Pune categorie material....",                          Mereu,      File, false, PuneCategorie},

    {40024, "Import sticle Schott (allglass.sch)",                  CuMaterial, Importa, false, ImportSchott},
    {40069, "Importa sticle din Excel (*.xls) cu ODBC...",          CuMaterial, Importa, false, ImportaExcel},
    {40034, "Import sticle din CSV file (*.csv)...",                CuMaterial, Importa, false, ImportaCsv},
    {40121, "Import catalog AGF (*.agf)...",                        Mereu,      Importa, false, ImportAgf},
    {40122, "Import n,k din refractiveindex.info (*.yml)...",       Mereu,      Importa, false, ImportRii},
    {40029, "Import din alt fisier STICLE32.DAT...",                CuMaterial, Importa, false, ImportSticle},
    {40130, "Compara catalog nou...",                               Mereu,      Importa, false, ComparaCatalogNou},
    {40080, "Creaza fisier Sticle32Nou.dat din STICLE32.DAT",       Mereu,      Importa, Sep,   ConversieSticle32},

    {40086, "Verifica materiale substrat ptr. export...",           CuMaterial, Exporta, false, VerificaSubstrat},
    {40084, "Exporta sticle in SubstrateMaterials.json...",         CuMaterial, Exporta, false, ExportSubstrat},
    {40123, "Exporta catalog AGF (*.agf)...",                       Mereu,      Exporta, false, ExportAgf},

    {40032, "Directori",                                            Mereu,      File, Sep,   Directori},
    {40007, "E&xit",                                                Mereu,      File, Sep,   Iesire},

    {40151, "Anuleaza ultima modificare",                           CuMaterial, Material, false, AnuleazaModificare},
    {40012, "Nume",                                                 CuMaterial, Material, Sep,   Nume},
    {40013, "Indici n",                                             CuMaterial, Material, Sep,   IndiciN},
    {40027, "Indici k",                                             CuMaterial, Material, false, IndiciK},
    {40076, "Grafic indici n, k...",                                CuMaterial, Material, false, GraficIndici},
    {40014, "Coef. ec. dispersie",                                  CuMaterial, Material, Sep,   CoeficientiDispersie},
    {40125, "Potriveste ec. dispersie...",                          CuMaterial, Material, false, PotrivireEcuatie},
    // The check of the current material sits with its equations; the
    // database-wide check of the same name is under Verificari.
    {40047, "Verifica indici / ec. dispersie...",                   CuMaterial, Material, false, VerificaMaterialCurent},
    {40064, "Init n from dispersion eq.",                           Mereu,      Material, false, InitNDinDispersie},
    {40057, "Importa n,k...",                                       CuMaiMulteMateriale, Material, Sep, ImportaIndici},
    {40058, "Importa ec. dispersie...",                             Mereu,      Material, false, ImportaEcuatii},
    {40124, "Exporta n,k in refractiveindex.info (*.yml)...",       CuMaterial, Material, false, ExportRii},
    {40016, "Transmisie interna...",                                CuMaterial, Material, Sep,   Transmisie},
    {40067, "Calculeaza k din transmisie",                          CuMaterial, Material, false, KDinTransmisie},
    {40017, "Mecanic",                                              CuMaterial, Material, Sep,   Mecanic},
    {40019, "Chimic",                                               CuMaterial, Material, false, Chimic},
    {40020, "Termic",                                               CuMaterial, Material, false, Termic},
    {40062, "Laser damage threshold...",                            CuMaterial, Material, false, LaserDamage},
    {40096, "Rol material...",                                      Mereu,      Material, Sep,   RolMaterial},

    {40008, "Initializeaza material",                               CuMaterial, Initializeaza, false, Initializare<ComandaInitializeazaMaterial>},
    {40009, "Init lambda indici",                                   CuMaterial, Initializeaza, false, Initializare<ComandaInitLambdaIndici>},
    {40010, "Init indici",                                          CuMaterial, Initializeaza, false, Initializare<ComandaInitIndici>},
    {40011, "Init lambda transmisie",                               CuMaterial, Initializeaza, false, Initializare<ComandaInitLambdaTransmisie>},

    {40098, "Verifica domeniu spectral valabilitate ec. dispersie din indici...", Mereu, Verificari, false, PropuneDomenii},
    {40045, "Verifica indici / ec. dispersie...",                   Mereu,      Verificari, false, VerificaBazaDate},
    {40049, "Compara sticle...",                                    CuMaiMulteMateriale, Verificari, Sep, ComparaSticle},
    {40101, "Sticle echivalente...",                                CuMaterial, Verificari, false, SticleEchivalente},
    {40102, "Harta sticlelor",                                      Mereu,      Verificari, false, HartaSticle},

    {40015, "Despre...",                                            Mereu,      Help, false, Despre},

    // The manufacturer text catalogues, selection codes 1 to 5.
    {40036, "Import catalog text Schott",                           CuMaterial, CatalogTextMeniu, false, CatalogText<1>},
    {40037, "Import catalog text Hoya",                             CuMaterial, CatalogTextMeniu, false, CatalogText<2>},
    {40039, "Import catalog text Ohara",                            CuMaterial, CatalogTextMeniu, false, CatalogText<3>},
    {40052, "Import catalog text Sumita",                           CuMaterial, CatalogTextMeniu, false, CatalogText<4>},
    {40054, "Import catalog text Pilkington",                       CuMaterial, CatalogTextMeniu, false, CatalogText<5>},
};
// clang-format on

}  // namespace

std::span<const ComandaMeniu> TabelaComenzi() { return tabela; }

const ComandaMeniu* GasesteComanda(int id) {
    const auto it = std::find_if(std::begin(tabela), std::end(tabela), [id](const ComandaMeniu& c) { return c.id == id; });
    return it == std::end(tabela) ? nullptr : &*it;
}

const char* ScurtaturaComanda(int id) {
    switch (id) {
    case 40001: return "Ctrl+N";
    case 40003: return "Ctrl+O";
    case 40004: return "Ctrl+S";
    case 40151: return "Ctrl+Z";
    case 40015: return "F1";
    default: return nullptr;
    }
}

std::string TextCuMnemonica(std::string_view text, std::string& folosite) {
    const auto litera = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    if (const auto amp = text.find('&'); amp != std::string_view::npos && amp + 1 < text.size()) {
        folosite += litera(text[amp + 1]);
        return std::string(text);
    }
    const auto libera = [&](std::size_t i) {
        return std::isalnum(static_cast<unsigned char>(text[i])) && folosite.find(litera(text[i])) == std::string::npos;
    };
    // The first letter of a word if one is free, else any free letter.
    std::size_t ales = std::string_view::npos;
    for (std::size_t i = 0; i < text.size() && ales == std::string_view::npos; ++i)
        if ((i == 0 || text[i - 1] == ' ') && libera(i)) ales = i;
    for (std::size_t i = 0; i < text.size() && ales == std::string_view::npos; ++i)
        if (libera(i)) ales = i;
    if (ales == std::string_view::npos) return std::string(text);
    folosite += litera(text[ales]);
    return std::string(text.substr(0, ales)) + '&' + std::string(text.substr(ales));
}

std::string TextComandaIndisponibila(const ComandaMeniu& c, int numarMateriale) {
    std::string nume;
    for (const char* t = c.text; *t; ++t)
        if (*t != '&') nume += *t;
    while (!nume.empty() && nume.back() == '.') nume.pop_back();
    if (c.activare == CuMaiMulteMateriale)
        return "\"" + nume + "\" lucreaza cu cel putin doua materiale deschise; acum este deschis " +
               std::to_string(numarMateriale) + ".\nDeschideti inca unul din catalog (dublu clic) sau cu File > Incarca material.";
    return "\"" + nume + "\" lucreaza pe materialul curent, dar nu este deschis niciun material.\nDeschideti unul din "
           "catalog (dublu clic) sau cu File > Incarca material (Ctrl+O), ori creati unul cu File > Creaza material nou "
           "(Ctrl+N).";
}

bool ComandaActiva(const ComandaMeniu& c, int numarMateriale) {
    switch (c.activare) {
    case Mereu: return true;
    case CuMaterial: return numarMateriale > 0;
    case CuMaiMulteMateriale: return numarMateriale > 1;
    }
    return true;
}

}  // namespace vitramor
