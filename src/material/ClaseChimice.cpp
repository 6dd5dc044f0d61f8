#include "material/ClaseChimice.h"

namespace vitramor {

namespace {

// A class of 0 is not given: no entry stands for it (FR has a class 0 of its own).
int cr(int v) { return v >= 1 && v <= 4 ? v - 1 : -1; }
int fr(int v) { return v < 6 ? v : -1; }
int sr(int v) {
    if (v <= 4) return v - 1;
    if (v <= 50) return 4;
    return v == 51 ? 5 : v == 52 ? 6 : 7;
}
int arPr(int v) { return v <= 4 ? v - 1 : 3; }
int unuInainte(int i) { return i + 1; }
int acelasi(int i) { return i; }
int srDinIndex(int i) { return i < 5 ? i + 1 : 46 + i; }  // 51, 52, 53 for the last three

}  // namespace

DialogChimic DialogChimicProducator(std::uint16_t producator) {
    switch (producator) {
    case 0:
    case 1: return DialogChimic::DouaScale;
    case 2:
    case 3:
    case 6:
    case 8:
    case 9:
    case 10:
    case 11: return DialogChimic::MaiMulteScale;
    default: return DialogChimic::Niciunul;
    }
}

const std::vector<std::string>& NumeScaleChimice(std::uint16_t producator) {
    static const std::vector<std::string> schott = {"Rezistenta climatica - CR", "Rezistenta la patare - FR",
                                                    "Rezistenta la acizi - SR", "Rezistenta la alkali - AR",
                                                    "Rezistenta la fosfati - PR"};
    static const std::vector<std::string> hoya = {"Water Durability (DW)",
                                                  "Staining (Powder Method) (DA)",
                                                  "Staining (Surface Method) (Tblue)",
                                                  "Latent Scratch DNaOH (DNaOH)",
                                                  "Latent Scratch DSTPP (DSTPP)",
                                                  "Chemical Durability to Water (D0)",
                                                  "Climate (DH)"};
    static const std::vector<std::string> ohara = {"RW(P)", "RA(P)", "W(S)max", "W(S)min", "SR", "PR"};
    static const std::vector<std::string> p8 = {"Acid resistance", "Alkali resistance", "Phosphate resistance",
                                                "Surface appearance", "Climatic resistance"};
    static const std::vector<std::string> p9 = {"Humidity - RC(S)", "Acid - RA(S)", "Durability of Water - DW",
                                                "Durability of Acid - DA", "Climatic Resistance - CR"};
    static const std::vector<std::string> p11 = {"Water resistance RW", "Acid resistance RA",
                                                 "Chemical Durability DW"};
    static const std::vector<std::string> niciuna;
    switch (producator) {
    case 2:
    case 10: return schott;
    case 3: return hoya;
    case 6: return ohara;
    case 8: return p8;
    case 9: return p9;
    case 11: return p11;
    default: return niciuna;
    }
}

bool ListeChimiceCuValori(std::uint16_t producator) { return producator == 2 || producator == 10; }

const ScalaChimica& ScalaSchott(int lista) {
    static const ScalaChimica scale[5] = {
        {{"1", "2", "3", "4"}, cr, unuInainte},
        {{"0", "1", "2", "3", "4", "5"}, fr, acelasi},
        {{"1", "2", "3", "4", "5", "51", "52", "53"}, sr, srDinIndex},
        {{"1", "2", "3", "4"}, arPr, unuInainte},
        {{"1", "2", "3", "4"}, arPr, unuInainte},
    };
    return scale[lista];
}

std::vector<std::string> IntrariDouaScale(std::uint16_t producator, int lista) {
    if (producator == 0) {
        if (lista == 0) return {"A", "B", "V", "", ""};
        return {"1", "2", "3", "4", ""};
    }
    return {"1", "2", "3", "", ""};
}

int IndexDouaScale(std::uint16_t valoare) { return valoare < 4 ? valoare : -1; }

const std::vector<std::string>& ClaseToxicitate() {
    static const std::vector<std::string> t = {"Safe/Not-init", "6.3-Low", "6.2-Medium", "6.1-High"};
    return t;
}

}  // namespace vitramor
