#pragma once
// The dispersion block exchanged with the catalogue library's dispersion
// dialog. It is a wire format shared with the library, so its bytes are
// fixed: 532 bytes, packed to 4 so that the four further words at 524 end
// the block (natural alignment would pad it to 536).
//
// Because of the packing, the double arrays may sit on a 4-byte boundary:
// read and write their elements by member access (bloc.coef_disp_n[i]) or
// copy them out with CopiazaCoeficienti; never hand out a double* into them.

#include <cstddef>
#include <cstdint>

#include "dispersion/EcuatieDispersie.h"
#include "record/MaterialOptic.h"

namespace vitramor {

#pragma pack(push, 4)
struct tag_dispersieNou {
    char nume[16];                          // 0   NUL-terminated
    std::uint16_t tip_material;             // 16  record offset 0
    std::int16_t ec_dispersie_n;            // 18
    std::int16_t ec_dispersie_k;            // 20
    std::uint8_t rezervat_22[10];           // 22  never set by the system
    double coef_disp_n[24];                 // 32
    double coef_disp_k[24];                 // 224
    std::uint16_t domenii[4];               // 416 n lower, n upper, k lower, k upper
    std::uint8_t rezervat_424[100];         // 424 never set by the system
    std::uint16_t parametri_dispersie[4];   // 524 record offset 1068, the dialog's own words
};
#pragma pack(pop)

static_assert(offsetof(tag_dispersieNou, nume) == 0);
static_assert(offsetof(tag_dispersieNou, tip_material) == 16);
static_assert(offsetof(tag_dispersieNou, ec_dispersie_n) == 18);
static_assert(offsetof(tag_dispersieNou, ec_dispersie_k) == 20);
static_assert(offsetof(tag_dispersieNou, rezervat_22) == 22);
static_assert(offsetof(tag_dispersieNou, coef_disp_n) == 32);
static_assert(offsetof(tag_dispersieNou, coef_disp_k) == 224);
static_assert(offsetof(tag_dispersieNou, domenii) == 416);
static_assert(offsetof(tag_dispersieNou, rezervat_424) == 424);
static_assert(offsetof(tag_dispersieNou, parametri_dispersie) == 524);
static_assert(sizeof(tag_dispersieNou) == 532);

// The one block the dispersion command hands to the dialog. It lives as
// long as the program, so bytes the system never sets keep whatever the
// dialog left in them.
tag_dispersieNou& blocDispersie();

// Fills the block from a record: the name up to its NUL, the type word, both
// type codes, both coefficient arrays, the four range words and the four
// further words. The reserved bytes and the name bytes after its NUL are
// left as they were.
void UmpleBlocDispersie(const MaterialOptic& material, tag_dispersieNou& bloc);

// Copies the dialog's work back into the record: the two equation types,
// both coefficient arrays, the four range words and the four further words,
// so that coefficients typed for a newly chosen equation are stored under
// it. The name and the type word of the record are left alone.
void CopiazaBlocDispersieInMaterial(const tag_dispersieNou& bloc, MaterialOptic& material);

// The coefficients of n (which = 0) or k (which = 1) of a block, copied into
// an aligned array that the evaluator can take.
void CopiazaCoeficienti(const tag_dispersieNou& bloc, int which, double coef[NumarCoeficientiDispersie]);

}  // namespace vitramor
