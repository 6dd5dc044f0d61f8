#include "record/MaterialOptic.h"

#include <type_traits>

namespace vitramor {

static_assert(std::is_standard_layout_v<MaterialOptic>);
static_assert(std::is_trivially_copyable_v<MaterialOptic>);

// Offsets and widths of the file format; a change here breaks every existing database.
#define VITRAMOR_CAMP(nume, offset, latime) \
    static_assert(offsetof(MaterialOptic, nume) == (offset), #nume " offset"); \
    static_assert(sizeof(MaterialOptic::nume) == (latime), #nume " width")

VITRAMOR_CAMP(tip_material, 0, 2);
VITRAMOR_CAMP(stas, 2, 2);
VITRAMOR_CAMP(producator, 4, 2);
VITRAMOR_CAMP(pret_relativ, 6, 2);
VITRAMOR_CAMP(rezervat_8, 8, 2);
VITRAMOR_CAMP(rezervat_10, 10, 2);
VITRAMOR_CAMP(rezervat_12, 12, 4);
VITRAMOR_CAMP(rezervat_16, 16, 4);
VITRAMOR_CAMP(categorie, 20, 2);
VITRAMOR_CAMP(nume, 22, 16);
VITRAMOR_CAMP(cod, 38, 14);
VITRAMOR_CAMP(lambda_indici, 52, 200);
VITRAMOR_CAMP(rezervat_252, 252, 4);
VITRAMOR_CAMP(indice_n, 256, 400);
VITRAMOR_CAMP(indice_k, 656, 400);
VITRAMOR_CAMP(ec_dispersie_n, 1056, 2);
VITRAMOR_CAMP(ec_dispersie_k, 1058, 2);
VITRAMOR_CAMP(domeniu_n, 1060, 4);
VITRAMOR_CAMP(domeniu_k, 1064, 4);
VITRAMOR_CAMP(parametri_dispersie, 1068, 8);
VITRAMOR_CAMP(stare_catalog, 1076, 1);
VITRAMOR_CAMP(rezervat_1077, 1077, 3);
VITRAMOR_CAMP(coef_disp_n, 1080, 192);
VITRAMOR_CAMP(coef_disp_k, 1272, 192);
VITRAMOR_CAMP(grosime_transmisie, 1464, 4);
VITRAMOR_CAMP(lambda_Ti, 1468, 100);
VITRAMOR_CAMP(rata_evaporare, 1468, 4);
VITRAMOR_CAMP(incredere, 1472, 16);
VITRAMOR_CAMP(transmisia_interna, 1568, 200);
VITRAMOR_CAMP(rezervat_1768, 1768, 4);
VITRAMOR_CAMP(rezervat_1772, 1772, 4);
VITRAMOR_CAMP(modul_young, 1776, 4);
VITRAMOR_CAMP(raport_poisson, 1780, 4);
VITRAMOR_CAMP(duritate_abraziune, 1784, 4);
VITRAMOR_CAMP(duritate_knoop, 1788, 4);
VITRAMOR_CAMP(coeficient_quer, 1792, 4);
VITRAMOR_CAMP(densitate, 1796, 4);
VITRAMOR_CAMP(rezistenta_inelara, 1800, 4);
VITRAMOR_CAMP(coef_optic_tensiune, 1804, 4);
VITRAMOR_CAMP(constante_fotoelastice, 1808, 8);
VITRAMOR_CAMP(temperaturi_vascozitate, 1816, 16);
VITRAMOR_CAMP(rezervat_1832, 1832, 120);
VITRAMOR_CAMP(caldura_specifica, 1952, 16);
VITRAMOR_CAMP(conductibilitate_termica, 1968, 16);
VITRAMOR_CAMP(dilatare, 1984, 16);
VITRAMOR_CAMP(temperaturi, 2000, 12);
VITRAMOR_CAMP(lidt_lambda_evaporare, 2012, 20);
VITRAMOR_CAMP(rezervat_2032, 2032, 4);
VITRAMOR_CAMP(lidt_evaporare, 2036, 20);
VITRAMOR_CAMP(lidt, 2044, 12);
VITRAMOR_CAMP(stres_suprafata, 2056, 12);
VITRAMOR_CAMP(grosime_min, 2068, 4);
VITRAMOR_CAMP(grosime_max, 2072, 4);
VITRAMOR_CAMP(rezervat_2076, 2076, 4);
VITRAMOR_CAMP(clasa_catalog, 2080, 2);
VITRAMOR_CAMP(clasa_catalog_implicita, 2082, 2);
VITRAMOR_CAMP(stabilitate_chimica, 2084, 18);
VITRAMOR_CAMP(clasa_toxicitate, 2102, 2);
VITRAMOR_CAMP(grosime_ald, 2104, 4);
VITRAMOR_CAMP(masa_molara, 2108, 4);
VITRAMOR_CAMP(roluri, 2112, 4);
VITRAMOR_CAMP(lidt_lambda, 2116, 6);
VITRAMOR_CAMP(puritate, 2116, 4);
VITRAMOR_CAMP(rezervat_2122, 2122, 6);

#undef VITRAMOR_CAMP

}  // namespace vitramor
