#include "import/ImportaIntreMateriale.h"

#include <algorithm>

#include "record/CodificareText.h"

namespace vitramor {

namespace {

std::string Nume(const MaterialOptic& m) { return Utf8DinWindows1252(TextCamp(m.nume, sizeof m.nume)); }

}  // namespace

std::string TitluImportaIntreMateriale(int comanda) {
    switch (comanda) {
        case IdComandaImportaIndici: return "Importa indici n,k";
        case IdComandaImportaEcuatii: return "Importa ec. de dispersie";
        default: return "??????";
    }
}

void CopiazaIndiciNK(const MaterialOptic& sursa, MaterialOptic& destinatie) {
    // Only the slots the editors show: the last ten may hold data an import
    // put there, and the user never sees it to decide about it.
    std::copy_n(sursa.lambda_indici, NumarSloturiEditabile, destinatie.lambda_indici);
    std::copy_n(sursa.indice_n, NumarSloturiEditabile, destinatie.indice_n);
    std::copy_n(sursa.indice_k, NumarSloturiEditabile, destinatie.indice_k);
}

void CopiazaEcuatiiDispersie(const MaterialOptic& sursa, MaterialOptic& destinatie) {
    std::copy_n(sursa.coef_disp_n, 24, destinatie.coef_disp_n);
    std::copy_n(sursa.coef_disp_k, 24, destinatie.coef_disp_k);
    destinatie.ec_dispersie_n = sursa.ec_dispersie_n;
    destinatie.ec_dispersie_k = sursa.ec_dispersie_k;
    destinatie.domeniu_n[0] = sursa.domeniu_n[0];
    destinatie.domeniu_n[1] = sursa.domeniu_n[1];
    destinatie.domeniu_k[0] = sursa.domeniu_k[0];
    destinatie.domeniu_k[1] = sursa.domeniu_k[1];
}

std::string IntrebareImporta(int comanda, const MaterialOptic& sursa, const MaterialOptic& destinatie) {
    switch (comanda) {
        case IdComandaImportaIndici: return "Importati n,k din " + Nume(sursa) + " in " + Nume(destinatie);
        case IdComandaImportaEcuatii: return "Importi ec. de dispersie din " + Nume(sursa) + " in " + Nume(destinatie);
        default: return {};
    }
}

bool ImportaInMaterialCurent(Intrebari& intrebari, Fereastra owner, int comanda, SetLucru& set, int indexSursa) {
    if (comanda != IdComandaImportaIndici && comanda != IdComandaImportaEcuatii) return false;
    if (indexSursa < 0 || indexSursa >= set.numarMateriale() || indexSursa == set.materialCurent) return false;
    if (set.materialCurent < 0 || set.materialCurent >= set.numarMateriale()) return false;
    const MaterialOptic& sursa = set.materiale[static_cast<std::size_t>(indexSursa)];
    MaterialOptic& curent = set.curent();
    if (intrebari.intreaba(owner, IntrebareImporta(comanda, sursa, curent), TitluCasetaImportaIntreMateriale,
                           stil::MB_YESNO | stil::MB_DEFBUTTON2) != raspuns::IDYES)
        return false;
    set.memoreazaAnterior(set.materialCurent, curent);
    set.marcheazaSuprascris(set.materialCurent);
    if (comanda == IdComandaImportaIndici) {
        CopiazaIndiciNK(sursa, curent);
    } else {
        CopiazaEcuatiiDispersie(sursa, curent);
    }
    set.modificat = 1;
    return true;
}

}  // namespace vitramor
