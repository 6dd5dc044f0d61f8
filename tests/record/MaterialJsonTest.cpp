// The JSON dump of a record: members, order, number and text formatting.

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "record/MaterialJson.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::namedRecord;

namespace {

std::string zerouri(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += i ? ",0" : "0";
    return s;
}

std::vector<std::string> Chei(const std::string& text) {
    std::vector<std::string> chei;
    cJSON* obiect = cJSON_Parse(text.c_str());
    for (cJSON* c = obiect ? obiect->child : nullptr; c; c = c->next) chei.emplace_back(c->string);
    cJSON_Delete(obiect);
    return chei;
}

}  // namespace

TEST(MaterialJson, SmallGlassRecord) {
    MaterialOptic m = namedRecord("N-BK7", 2);
    m.tip_material = 3;
    m.pret_relativ = 17;
    m.categorie = 1;
    std::strcpy(m.cod, "517642.251");
    m.rezervat_8 = 0xFFFF;  // reserved ranges are not shown
    m.rezervat_1832[0] = 0x7F;
    m.lambda_indici[0] = 0.1f;
    m.lambda_indici[1] = 587.56f;
    m.indice_n[0] = 1.5168;
    m.ec_dispersie_n = 4;
    m.ec_dispersie_k = -1;
    m.domeniu_n[0] = 300;
    m.domeniu_n[1] = 2500;
    m.coef_disp_n[0] = 1.03961212;
    m.coef_disp_n[1] = 0.1 + 0.2;
    m.grosime_transmisie = 10.0f;
    m.lambda_Ti[0] = 280;
    m.transmisia_interna[0] = 37.0f;
    m.densitate = 2.51f;
    m.dilatare[0] = 7.1f;
    m.temperaturi[0] = 557;
    m.lidt_evaporare[2] = 12.5f;
    m.masa_molara = 1e-7f;
    m.roluri[0] = 1;
    m.roluri[1] = 5;
    m.lidt_lambda[0] = 1064;
    m.lidt_lambda[1] = 1540;
    m.lidt_lambda[2] = 532;

    const std::string asteptat =
        R"({"tip_material":3,"stas":0,"producator":2,"pret_relativ":17,"categorie":1,"nume":"N-BK7",)"
        R"("cod":"517642.251","lambda_indici":[0.1,587.56,)" + zerouri(48) + R"(],"indice_n":[1.5168,)" +
        zerouri(49) + R"(],"indice_k":[)" + zerouri(50) +
        R"(],"ec_dispersie_n":4,"ec_dispersie_k":-1,"domeniu_n":[300,2500],"domeniu_k":[0,0],)"
        R"("parametri_dispersie":[0,0,0,0],"stare_catalog":0,"coef_disp_n":[1.03961212,0.30000000000000004,)" + zerouri(22) +
        R"(],"coef_disp_k":[)" + zerouri(24) + R"(],"grosime_transmisie":10,"lambda_Ti":[280,)" + zerouri(49) +
        R"(],"transmisia_interna":[37,)" + zerouri(49) +
        R"(],"modul_young":0,"raport_poisson":0,"duritate_abraziune":0,"duritate_knoop":0,"coeficient_quer":0,)"
        R"("densitate":2.51,"rezistenta_inelara":0,"coef_optic_tensiune":0,"constante_fotoelastice":[0,0],)"
        R"("temperaturi_vascozitate":[0,0,0,0],"caldura_specifica":[0,0,0,0],"conductibilitate_termica":[0,0,0,0],)"
        R"("dilatare":[7.1,0,0,0],"temperaturi":[557,0,0,0,0,0],"lidt_lambda_evaporare":[0,0,0,0,0],)"
        R"("lidt_evaporare":[0,0,12.5,0,0],"lidt":[12.5,0,0],"stres_suprafata":[0,0,0],"grosime_min":0,)"
        R"("grosime_max":0,"clasa_catalog":0,"clasa_catalog_implicita":0,"stabilitate_chimica":[0,0,0,0,0,0,0,0,0],)"
        R"("clasa_toxicitate":0,"grosime_ald":0,"masa_molara":1e-07,"roluri":[1,5,0,0],"lidt_lambda":[1064,1540,532]})";
    EXPECT_EQ(TextJsonMaterial(m, false), asteptat);

    const std::string formatat = TextJsonMaterial(m);
    EXPECT_EQ(formatat.rfind("{\n\t\"tip_material\":\t3,\n\t\"stas\":\t0,", 0), 0u) << formatat.substr(0, 80);
    cJSON* inapoi = cJSON_Parse(formatat.c_str());
    ASSERT_NE(inapoi, nullptr);
    EXPECT_EQ(cJSON_GetArrayItem(cJSON_GetObjectItem(inapoi, "lambda_indici"), 0)->valuedouble, 0.1);
    cJSON_Delete(inapoi);
}

TEST(MaterialJson, EvaporationRecordMergesTheOverlayAtItsOffsets) {
    MaterialOptic m = namedRecord("TiO2", 10);
    m.rata_evaporare = 0.5f;
    m.incredere[0] = 1.0f;
    m.incredere[1] = 0.25f;
    m.puritate = 99.99f;

    const std::vector<std::string> chei = Chei(TextJsonMaterial(m));
    const std::vector<std::string> mijloc(chei.begin() + 19, chei.begin() + 23);
    EXPECT_EQ(mijloc, (std::vector<std::string>{"lambda_Ti", "rata_evaporare", "incredere", "transmisia_interna"}));
    ASSERT_GE(chei.size(), 2u);
    EXPECT_EQ(chei[chei.size() - 2], "lidt_lambda");
    EXPECT_EQ(chei.back(), "puritate");
    EXPECT_EQ(chei.size(), 49u + 3u);

    const std::string text = TextJsonMaterial(m, false);
    EXPECT_NE(text.find(R"("rata_evaporare":0.5,"incredere":[1,0.25,0,0],)"), std::string::npos);
    EXPECT_NE(text.find(R"("puritate":99.99})"), std::string::npos);
    // The glass reading of the same bytes is still shown: 0.5f is 0x3F000000.
    EXPECT_NE(text.find(R"("lambda_Ti":[0,16128,)"), std::string::npos);

    // Glass records have no overlay members.
    for (const auto& cheie : Chei(TextJsonMaterial(namedRecord("N-BK7", 2))))
        EXPECT_TRUE(cheie != "rata_evaporare" && cheie != "incredere" && cheie != "puritate") << cheie;
}

TEST(MaterialJson, TextsAreWindows1252AsUtf8AndNonFiniteNumbersNull) {
    MaterialOptic m = namedRecord("", 2);
    std::memcpy(m.nume, "Gl\xE4s \x80\x81\0rest", 13);
    std::memcpy(m.cod, "ABCDEFGHIJKLMN", 14);  // no NUL: all 14 bytes are the text
    m.indice_n[0] = std::numeric_limits<double>::quiet_NaN();
    m.dilatare[1] = -std::numeric_limits<float>::infinity();
    const std::string text = TextJsonMaterial(m, false);
    EXPECT_NE(text.find(R"("indice_n":[null,0,)"), std::string::npos);
    EXPECT_NE(text.find(R"("dilatare":[0,null,0,0])"), std::string::npos);
    cJSON* obiect = cJSON_Parse(text.c_str());
    ASSERT_NE(obiect, nullptr) << text;
    EXPECT_STREQ(cJSON_GetStringValue(cJSON_GetObjectItem(obiect, "nume")), "Gl\xC3\xA4s \xE2\x82\xAC\xC2\x81");
    EXPECT_STREQ(cJSON_GetStringValue(cJSON_GetObjectItem(obiect, "cod")), "ABCDEFGHIJKLMN");
    cJSON_Delete(obiect);
}

TEST(MaterialJson, ShortestTextReadsBackToTheSameValue) {
    const float floturi[] = {0.1f, 587.56f, 1.0f / 3.0f, 16777216.0f, 1e-7f, -2.5e-10f, FLT_MAX, FLT_MIN, 1e-45f, 2.51f};
    for (float v : floturi) {
        const std::string text = NumarScurt(v);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
        EXPECT_LE(text.size(), 15u) << text;  // never the 17 digits of the double reading
    }
    EXPECT_EQ(NumarScurt(2.51f), "2.51");
    EXPECT_EQ(NumarScurt(103.560653), "103.560653");

    const double duble[] = {1.5168, 0.1 + 0.2, 1.0 / 3.0, DBL_MAX, DBL_MIN, 4.9e-324, -1e300, 0.00600069867};
    for (double v : duble) {
        const std::string text = NumarScurt(v);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
    }
}
