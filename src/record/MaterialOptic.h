#pragma once
// The 2128-byte material record. These bytes are the database file format,
// the block handed to the catalogue library and the in-memory working set,
// so the layout below is frozen: every offset is checked at compile time in
// MaterialOptic.cpp and against an independently built byte image in tests.
//
// The evaporation overlay (producator == 10) reuses a few ranges with other
// types; those ranges are anonymous unions so both readings name the same
// bytes. Fields without a meaning of their own are kept as `rezervat_<offset>`
// and copied byte for byte.

#include <cstddef>
#include <cstdint>

namespace vitramor {

inline constexpr std::size_t MarimeMaterialOptic = 2128;
inline constexpr int NumarSloturiTabel = 50;     // slots in the file
inline constexpr int NumarSloturiEditabile = 40;  // slots the user interface fills
inline constexpr std::uint16_t ProducatorEvaporare = 10;

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"  // anonymous structs inside the overlay unions
#endif

struct MaterialOptic {
    std::uint16_t tip_material;             // 0
    std::uint16_t stas;                     // 2
    std::uint16_t producator;               // 4
    std::uint16_t pret_relativ;             // 6   tenths
    std::uint16_t rezervat_8;               // 8
    std::uint16_t rezervat_10;              // 10
    std::uint32_t rezervat_12;              // 12
    std::uint32_t rezervat_16;              // 16
    std::uint16_t categorie;                // 20
    char nume[16];                          // 22
    char cod[14];                           // 38
    float lambda_indici[50];                // 52  nm
    std::uint8_t rezervat_252[4];           // 252
    double indice_n[50];                    // 256
    double indice_k[50];                    // 656
    std::int16_t ec_dispersie_n;            // 1056
    std::int16_t ec_dispersie_k;            // 1058
    std::uint16_t domeniu_n[2];             // 1060 nm
    std::uint16_t domeniu_k[2];             // 1064 nm
    std::uint16_t parametri_dispersie[4];   // 1068
    std::uint8_t stare_catalog;             // 1076 the maker's catalogue status + 1 (AGF numbering); 0 not known
    std::uint8_t rezervat_1077[3];          // 1077
    double coef_disp_n[24];                 // 1080
    double coef_disp_k[24];                 // 1272
    float grosime_transmisie;               // 1464 mm
    union {                                 // 1468
        std::uint16_t lambda_Ti[50];        //      nm
        struct {
            float rata_evaporare;           // 1468 nm/s (evaporation)
            float incredere[4];             // 1472 (evaporation)
        };
    };
    float transmisia_interna[50];           // 1568 1/mm (absorption coefficient)
    std::uint32_t rezervat_1768;            // 1768
    std::uint32_t rezervat_1772;            // 1772
    float modul_young;                      // 1776
    float raport_poisson;                   // 1780
    float duritate_abraziune;               // 1784
    float duritate_knoop;                   // 1788
    float coeficient_quer;                  // 1792
    float densitate;                        // 1796
    float rezistenta_inelara;               // 1800
    float coef_optic_tensiune;              // 1804
    float constante_fotoelastice[2];        // 1808
    float temperaturi_vascozitate[4];       // 1816
    std::uint8_t rezervat_1832[120];        // 1832
    float caldura_specifica[4];             // 1952
    float conductibilitate_termica[4];      // 1968
    float dilatare[4];                      // 1984
    std::uint16_t temperaturi[6];           // 2000 (evaporation: Tmelt, Tsubstrat, Tdamage)
    float lidt_lambda_evaporare[5];         // 2012
    std::uint32_t rezervat_2032;            // 2032
    union {                                 // 2036
        float lidt_evaporare[5];
        struct {
            float lidt_evaporare_0_1[2];    // 2036 only meaningful as lidt_evaporare[0..1]
            float lidt[3];                  // 2044
        };
    };
    float stres_suprafata[3];               // 2056
    float grosime_min;                      // 2068
    float grosime_max;                      // 2072
    std::uint32_t rezervat_2076;            // 2076
    std::uint16_t clasa_catalog;            // 2080
    std::uint16_t clasa_catalog_implicita;  // 2082
    std::uint16_t stabilitate_chimica[9];   // 2084
    std::uint16_t clasa_toxicitate;         // 2102
    float grosime_ald;                      // 2104
    float masa_molara;                      // 2108
    std::uint8_t roluri[4];                 // 2112
    union {                                 // 2116
        struct {
            std::uint16_t lidt_lambda[3];   // 2116 nm
            std::uint8_t rezervat_2122[6];  // 2122
        };
        struct {
            float puritate;                 // 2116 % (evaporation)
            std::uint8_t puritate_rest[8];  // 2120 the glass reading's bytes, untouched
        };
    };
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

static_assert(sizeof(MaterialOptic) == MarimeMaterialOptic, "MaterialOptic must stay 2128 bytes");

inline bool EsteMaterialEvaporare(const MaterialOptic& m) { return m.producator == ProducatorEvaporare; }

}  // namespace vitramor
