#include "shell/ComenziMeniu.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "checks/VerificariDispersieUi.h"
#include "database/NumeDialog.h"
#include "database/ProducatoriDialog.h"
#include "database/PuneCategorieDialog.h"
#include "database/StergeMaterialeProducatorDialog.h"
#include "editors/IndiciWindow.h"
#include "editors/InitializareMaterial.h"
#include "editors/RolMaterialDialog.h"
#include "export/ExportSubstratDialog.h"
#include "export/VerificaSubstratWindow.h"
#include "import/ImportSchottUi.h"
#include "import/ImportaCsvDialog.h"
#include "import/ImportaIntreMaterialeDialog.h"
#include "dispersion/ComenziDispersie.h"
#include "settings/Directoare.h"
#include "settings/DirectoriDialog.h"
#include "shell/DespreDialog.h"
#include "shell/FereastraPrincipala.h"
#include "suite/Vedora.h"

namespace vitramor {

void FaraActiune(FereastraPrincipala&) {}

namespace {

// "Electric" has no editor of its own: it answers with the message of a
// command without function, as the commands not built yet do.
void MesajFaraFunctie(FereastraPrincipala& w) { eroare(path_help, w.proprietar(), 48, 0); }

void Creaza(FereastraPrincipala& w) { w.creazaMaterial(); }
void Copiaza(FereastraPrincipala& w) { w.copiazaMaterial(); }
void Distruge(FereastraPrincipala& w) { w.distrugeMaterial(); }
void Incarca(FereastraPrincipala& w) { w.incarcaMaterial(); }
void Salveaza(FereastraPrincipala& w) { w.salveazaMaterial(); }
void StergeCurent(FereastraPrincipala& w) { w.stergeMaterialCurent(); }
void StergeAcelasiNume(FereastraPrincipala& w) { w.stergeMaterialeAcelasiNume(); }
void StergeProducator(FereastraPrincipala& w) { DeschideStergeMaterialeProducator(w.proprietar()); }
void Curata(FereastraPrincipala& w) { w.curataMateriale(); }
void Directori(FereastraPrincipala& w) { DeschideDirectori(&w); }
void Corectie(FereastraPrincipala& w) { w.corectieDimensiuni(); }
void Iesire(FereastraPrincipala& w) { w.iesire(); }
void CoeficientiDispersie(FereastraPrincipala& w) { ComandaCoeficientiDispersie(w.proprietar()); }
void InitNDinDispersie(FereastraPrincipala& w) { ComandaInitNDinDispersie(w.proprietar()); }
void Despre(FereastraPrincipala& w) { DeschideDespre(&w); }
void EditProducatori(FereastraPrincipala& w) { ComandaEditProducatori(&w); }
void PuneCategorie(FereastraPrincipala& w) { ComandaPuneCategorie(&w); }
void ImportSchott(FereastraPrincipala& w) { ComandaImportSchott(&w); }
void ImportaCsv(FereastraPrincipala& w) { ComandaImportaCsv(&w); }
void VerificaSubstrat(FereastraPrincipala& w) {
    // A double-click in the verification window loads that material into the
    // current slot through the main window's material search.
    ComandaVerificaSubstrat(&w, [&w](const std::string& nume, int producator) {
        SetLucru& set = setLucru();
        if (set.gol()) return;
        MaterialOptic& m = set.curent();
        std::memset(m.nume, 0, sizeof m.nume);
        std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
        m.producator = static_cast<std::uint16_t>(producator);
        w.incarcaMaterial();
    });
}
void ExportSubstrat(FereastraPrincipala& w) { ComandaExportSubstrat(&w); }
void Nume(FereastraPrincipala& w) {
    ComandaNume(&w, [&w](int, const std::string&) { w.actualizeazaRandCurent(); });
}
void IndiciN(FereastraPrincipala& w) { ComandaIndiciN(&w); }
void IndiciK(FereastraPrincipala& w) { ComandaIndiciK(&w); }
void ImportaIndici(FereastraPrincipala& w) { ComandaImportaIndici(&w); }
void ImportaEcuatii(FereastraPrincipala& w) { ComandaImportaEcuatii(&w); }
void RolMaterial(FereastraPrincipala& w) { ComandaRolMaterial(&w); }
void InitializeazaMaterial(FereastraPrincipala&) { ComandaInitializeazaMaterial(); }
void InitLambdaIndici(FereastraPrincipala&) { ComandaInitLambdaIndici(); }
void InitIndici(FereastraPrincipala&) { ComandaInitIndici(); }
void InitLambdaTransmisie(FereastraPrincipala&) { ComandaInitLambdaTransmisie(); }
void PropuneDomenii(FereastraPrincipala& w) { ComandaPropuneDomenii(&w); }
void VerificaBazaDate(FereastraPrincipala& w) { ComandaVerificaBazaDate(&w); }
void VerificaMaterialCurent(FereastraPrincipala& w) { ComandaVerificaMaterialCurent(&w); }

using enum Activare;

constexpr const char* File = "&File";
constexpr const char* Importa = "&File/&Importa";
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
    {40003, "Incarca material",                                     CuMaterial, File, Sep,   Incarca},
    {40004, "Salveaza material in SticleNou32.dat",                 CuMaterial, File, false, Salveaza},
    {40005, "Sterge material curent din SticleNou32.dat",           CuMaterial, File, Sep,   StergeCurent},
    {40028, "Sterge materiale cu acelasi nume din SticleNou32.dat", CuMaterial, File, false, StergeAcelasiNume},
    {40043, "Sterge materiale producator din SticleNou32.dat...",   CuMaterial, File, false, StergeProducator},
    {40071, "Curata materiale  in SticleNou32.dat...",              CuMaterial, File, false, Curata},
    {40060, "Edit producatori...",                                  Mereu,      File, Sep,   EditProducatori},
    {40078, "Pune categorie material....",                          Mereu,      File, false, PuneCategorie},

    {40024, "Import sticle Schott (allglass.sch)",                  CuMaterial, Importa, false, ImportSchott},
    {40069, "Importa sticle din Excel (*.xls) cu ODBC...",          CuMaterial, Importa, false, nullptr},
    {40034, "Import sticle din CSV file (*.csv)...",                CuMaterial, Importa, false, ImportaCsv},
    {40029, "Import din alt fisier STICLE32.DAT...",                CuMaterial, Importa, false, nullptr},
    {40080, "Creaza fisier Sticle32Nou.dat din STICLE32.DAT",       Mereu,      Importa, Sep,   nullptr},
    {40041, "Test",                                                 Mereu,      Importa, false, nullptr},

    {40086, "Verifica materiale substrat ptr. export...",           CuMaterial, Exporta, false, VerificaSubstrat},
    {40084, "Exporta sticle in SubstrateMaterials.json...",         CuMaterial, Exporta, false, ExportSubstrat},
    {40092, "Genereaza fisier SurfaceSubstrateMaterials...",        Mereu,      Exporta, Sep,   FaraActiune},
    {40094, "Editeaza parametri suprafata substrat...",             Mereu,      Exporta, false, FaraActiune},
    {40088, "Verifica materiale evaporare ptr. export....",         Mereu,      Exporta, Sep,   FaraActiune},
    {40090, "Exporta sticle in EvaporationMaterials.json...",       Mereu,      Exporta, false, FaraActiune},

    {40032, "Directori",                                            Mereu,      File, Sep,   Directori},
    {40074, "Corectie dimensiuni ferestre",                         Mereu,      File, false, Corectie},
    {40007, "&Exit",                                                Mereu,      File, Sep,   Iesire},

    {40012, "Nume",                                                 CuMaterial, Material, false, Nume},
    {40013, "Indici n",                                             CuMaterial, Material, Sep,   IndiciN},
    {40027, "Indici k",                                             CuMaterial, Material, false, IndiciK},
    {40076, "Grafic indici n...",                                   Mereu,      Material, false, FaraActiune},
    {40014, "Coef. ec. dispersie",                                  CuMaterial, Material, Sep,   CoeficientiDispersie},
    {40064, "Init n from dispersion eq.",                           Mereu,      Material, false, InitNDinDispersie},
    {40057, "Importa n,k...",                                       CuMaiMulteMateriale, Material, Sep, ImportaIndici},
    {40058, "Importa ec. dispersie...",                             Mereu,      Material, false, ImportaEcuatii},
    {40016, "Transmisie interna...",                                CuMaterial, Material, Sep,   nullptr},
    {40067, "Calculeaza transmisia interna...",                     Mereu,      Material, false, FaraActiune},
    {40017, "Mecanic",                                              CuMaterial, Material, Sep,   nullptr},
    {40018, "Electric",                                             CuMaterial, Material, false, MesajFaraFunctie},
    {40019, "Chimic",                                               CuMaterial, Material, false, nullptr},
    {40020, "Termic",                                               CuMaterial, Material, false, nullptr},
    {40062, "Laser damage threshold...",                            CuMaterial, Material, false, nullptr},
    {40096, "Rol material...",                                      Mereu,      Material, Sep,   RolMaterial},

    {40008, "Initializeaza material",                               CuMaterial, Initializeaza, false, InitializeazaMaterial},
    {40009, "Init lambda indici",                                   CuMaterial, Initializeaza, false, InitLambdaIndici},
    {40010, "Init indici",                                          CuMaterial, Initializeaza, false, InitIndici},
    {40011, "Init lambda transmisie",                               CuMaterial, Initializeaza, false, InitLambdaTransmisie},

    {40098, "Verifica domeniu spectral valabilitate ec. dispersie din indici...", Mereu, Verificari, false, PropuneDomenii},
    {40045, "Verifica indici / ec. dispersie...",                   Mereu,      Verificari, false, VerificaBazaDate},
    {40047, "Verifica indici / ec. dispersie...",                   CuMaterial, Verificari, false, VerificaMaterialCurent},
    {40049, "Compara sticle...",                                    CuMaiMulteMateriale, Verificari, Sep, nullptr},

    {40015, "Despre...",                                            Mereu,      Help, false, Despre},

    // The manufacturer text catalogues have no menu item; the import
    // reaches them by these ids (catalogue kinds 2 to 5).
    {40037, "Import catalog text Hoya",                             CuMaterial, nullptr, false, nullptr},
    {40039, "Import catalog text Ohara",                            CuMaterial, nullptr, false, nullptr},
    {40052, "Import catalog text Sumita",                           CuMaterial, nullptr, false, nullptr},
    {40054, "Import catalog text Pilkington",                       CuMaterial, nullptr, false, nullptr},
};
// clang-format on

}  // namespace

std::span<const ComandaMeniu> TabelaComenzi() { return tabela; }

const ComandaMeniu* GasesteComanda(int id) {
    const auto it = std::find_if(std::begin(tabela), std::end(tabela), [id](const ComandaMeniu& c) { return c.id == id; });
    return it == std::end(tabela) ? nullptr : &*it;
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
