#include "record/CampuriMaterial.h"

#include <type_traits>

#include "record/MaterialOptic.h"

namespace vitramor {

namespace {

// name, offset, element type, count. Offsets are the file format's, written
// out on purpose; the checks below hold them against the struct.
#define VITRAMOR_CAMPURI_GENERALE(X, XV)    \
    X(tip_material, 0, U16, 1)              \
    X(stas, 2, U16, 1)                      \
    X(producator, 4, U16, 1)                \
    X(pret_relativ, 6, U16, 1)              \
    X(categorie, 20, U16, 1)                \
    X(nume, 22, Char, 16)                   \
    X(cod, 38, Char, 14)                    \
    X(lambda_indici, 52, F32, 50)           \
    X(indice_n, 256, F64, 50)               \
    X(indice_k, 656, F64, 50)               \
    X(ec_dispersie_n, 1056, I16, 1)         \
    X(ec_dispersie_k, 1058, I16, 1)         \
    X(domeniu_n, 1060, U16, 2)              \
    X(domeniu_k, 1064, U16, 2)              \
    X(parametri_dispersie, 1068, U16, 4)    \
    X(stare_catalog, 1076, U8, 1)           \
    X(coef_disp_n, 1080, F64, 24)           \
    X(coef_disp_k, 1272, F64, 24)           \
    X(grosime_transmisie, 1464, F32, 1)     \
    X(lambda_Ti, 1468, U16, 50)             \
    X(transmisia_interna, 1568, F32, 50)    \
    X(modul_young, 1776, F32, 1)            \
    X(raport_poisson, 1780, F32, 1)         \
    X(duritate_abraziune, 1784, F32, 1)     \
    X(duritate_knoop, 1788, F32, 1)         \
    X(coeficient_quer, 1792, F32, 1)        \
    X(densitate, 1796, F32, 1)              \
    X(rezistenta_inelara, 1800, F32, 1)     \
    X(coef_optic_tensiune, 1804, F32, 1)    \
    X(constante_fotoelastice, 1808, F32, 2) \
    X(temperaturi_vascozitate, 1816, F32, 4) \
    X(caldura_specifica, 1952, F32, 4)      \
    X(conductibilitate_termica, 1968, F32, 4) \
    X(dilatare, 1984, F32, 4)               \
    X(temperaturi, 2000, U16, 6)            \
    X(lidt_lambda_evaporare, 2012, F32, 5)  \
    X(lidt_evaporare, 2036, F32, 5)         \
    XV(lidt, 2044, F32, 3)                  \
    X(stres_suprafata, 2056, F32, 3)        \
    X(grosime_min, 2068, F32, 1)            \
    X(grosime_max, 2072, F32, 1)            \
    X(clasa_catalog, 2080, U16, 1)          \
    X(clasa_catalog_implicita, 2082, U16, 1) \
    X(stabilitate_chimica, 2084, U16, 9)    \
    X(clasa_toxicitate, 2102, U16, 1)       \
    X(grosime_ald, 2104, F32, 1)            \
    X(masa_molara, 2108, F32, 1)            \
    X(roluri, 2112, U8, 4)                  \
    X(lidt_lambda, 2116, U16, 3)

#define VITRAMOR_CAMPURI_EVAPORARE(X) \
    X(rata_evaporare, 1468, F32, 1)   \
    X(incredere, 1472, F32, 4)        \
    X(puritate, 2116, F32, 1)

template <TipElement> struct TipC;
template <> struct TipC<TipElement::U8> { using tip = std::uint8_t; };
template <> struct TipC<TipElement::U16> { using tip = std::uint16_t; };
template <> struct TipC<TipElement::I16> { using tip = std::int16_t; };
template <> struct TipC<TipElement::U32> { using tip = std::uint32_t; };
template <> struct TipC<TipElement::F32> { using tip = float; };
template <> struct TipC<TipElement::F64> { using tip = double; };
template <> struct TipC<TipElement::Char> { using tip = char; };

#define VITRAMOR_VERIFICA(n, off, t, cnt)                                                                    \
    static_assert(offsetof(MaterialOptic, n) == (off), #n ": offset differs from the struct");              \
    static_assert(sizeof(MaterialOptic::n) == (cnt) * MarimeElement(TipElement::t), #n ": width differs");  \
    static_assert(std::is_same_v<std::remove_all_extents_t<decltype(MaterialOptic::n)>, TipC<TipElement::t>::tip>, \
                  #n ": element type differs");

VITRAMOR_CAMPURI_GENERALE(VITRAMOR_VERIFICA, VITRAMOR_VERIFICA)
VITRAMOR_CAMPURI_EVAPORARE(VITRAMOR_VERIFICA)

#define VITRAMOR_INTRARE(n, off, t, cnt) CampMaterial{#n, off, TipElement::t, cnt, false},
#define VITRAMOR_INTRARE_VEDERE(n, off, t, cnt) CampMaterial{#n, off, TipElement::t, cnt, true},

constexpr CampMaterial Generale[] = {VITRAMOR_CAMPURI_GENERALE(VITRAMOR_INTRARE, VITRAMOR_INTRARE_VEDERE)};
constexpr CampMaterial Evaporare[] = {VITRAMOR_CAMPURI_EVAPORARE(VITRAMOR_INTRARE)};

// Offset order, and no two entries that both own their bytes may share any:
// the byte-order conversion swaps each owned byte range exactly once.
template <std::size_t N>
constexpr bool InOrdineFaraSuprapuneri(const CampMaterial (&t)[N]) {
    std::size_t sfarsitProprietar = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0 && t[i].offset < t[i - 1].offset) return false;
        if (t[i].sfarsit() > MarimeMaterialOptic) return false;
        if (t[i].vedere) continue;
        if (t[i].offset < sfarsitProprietar) return false;
        sfarsitProprietar = t[i].sfarsit();
    }
    return true;
}
static_assert(InOrdineFaraSuprapuneri(Generale));
static_assert(InOrdineFaraSuprapuneri(Evaporare));

#undef VITRAMOR_INTRARE
#undef VITRAMOR_INTRARE_VEDERE
#undef VITRAMOR_VERIFICA
#undef VITRAMOR_CAMPURI_GENERALE
#undef VITRAMOR_CAMPURI_EVAPORARE

}  // namespace

std::span<const CampMaterial> CampuriMaterial() { return Generale; }
std::span<const CampMaterial> CampuriEvaporare() { return Evaporare; }

}  // namespace vitramor
