// The JSON material document, checked as the coating software sees it: the
// printed text, byte for byte, against texts written out by hand. Records
// are built by offset so that a field read from the wrong place shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "export/DocumentJson.h"
#include "export/ExportFixture.h"
#include "record/Roluri.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

constexpr std::size_t OffProducator = 4, OffNume = 22, OffLambda = 52, OffN = 256, OffK = 656, OffLambdaTi = 1468,
                      OffTi = 1568, OffYoung = 1776, OffPoisson = 1780, OffAbraziune = 1784, OffKnoop = 1788,
                      OffDensitate = 1796, OffCaldura = 1952, OffConductie = 1968, OffDilatare = 1984,
                      OffTemperaturi = 2000, OffLidt = 2044, OffChimic = 2084, OffRoluri = 2112, OffLidtLambda = 2116;

RecordImage Material(const std::string& nume, std::uint16_t producator) {
    RecordImage r;
    r.text(OffNume, nume).u16(OffProducator, producator);
    return r;
}

const char* RolesFile =
    "; roles: name<TAB>hidden<TAB>description\n"
    "(liber)\t1\tfree slot\n"
    "# a comment of another kind\n"
    "\n"
    "Substrat\t0\tcoating substrate\n"
    "Lentila\t0\tlens\n"
    "Fereastra\t0\twindow\n"
    "Prisma\t0\tprism\n";

class Document : public ExportFixture {
protected:
    Document() : root(cJSON_CreateObject()) {}

    int add(const RecordImage& r, bool ask = false, std::optional<PerecheAtribute> attr = std::nullopt) {
        return AdaugaMaterialInDocumentJson(path_sticle, r.record(), root.get(), "SubstrateMaterials.json",
                                            ask ? &p : nullptr, attr);
    }
    // The document as a reader gets it back from the file.
    Json citit() const { return Json(cJSON_Parse(Tiparit(root.get()).c_str())); }
    // One member of the material object, printed without layout: the values
    // byte for byte; the layout is checked against cJSON's own printing.
    std::string member(const std::string& material, const std::string& path1, const char* path2 = nullptr) {
        const Json doc = citit();
        const cJSON* m = cJSON_GetObjectItemCaseSensitive(doc.get(), material.c_str());
        EXPECT_NE(m, nullptr) << material;
        const cJSON* c = cJSON_GetObjectItemCaseSensitive(m, path1.c_str());
        if (path2) c = cJSON_GetObjectItemCaseSensitive(c, path2);
        EXPECT_NE(c, nullptr) << path1;
        return c ? Compact(c) : "";
    }

    Json root;
};

// Every member in order, each measured value cut to its own format and the
// others null.
TEST_F(Document, EveryGroupInOrderWithTheMeasuredValuesInTheirFormats) {
    RecordImage r = Material("M", 2);
    r.f32(OffLambda + 0 * 4, 587.56f).f64(OffN + 0 * 8, 1.5168).f64(OffK + 0 * 8, 0.0);  // k written as 0
    r.f32(OffLambda + 1 * 4, 1000.0f).f64(OffK + 1 * 8, 5e-6);                           // no n: left out
    r.f64(OffN + 2 * 8, 1.6).f64(OffK + 2 * 8, 1e-6);                                    // no wavelength
    r.f32(OffLambda + 3 * 4, -5.0f).f64(OffN + 3 * 8, 1.7);                              // negative wavelength
    // Slot 45: beyond the editable slots, still exported.
    r.f32(OffLambda + 45 * 4, 1013.987f).f64(OffN + 45 * 8, 1.50731264).f64(OffK + 45 * 8, 1.23456789e-7);
    r.u16(OffLambdaTi + 0 * 2, 280).f32(OffTi + 0 * 4, 0.0f);
    r.u16(OffLambdaTi + 1 * 2, 0).f32(OffTi + 1 * 4, 4.0f);  // no wavelength: skipped
    r.u16(OffLambdaTi + 2 * 2, 300).f32(OffTi + 2 * 4, 0.0693147181f);
    r.u16(OffLambdaTi + 49 * 2, 770).f32(OffTi + 49 * 4, 37.0f);
    r.f32(OffDensitate, 2.51f).f32(OffKnoop, 455.04f).f32(OffYoung, 82.345f).f32(OffPoisson, 0.2064f);
    r.f32(OffConductie, 1.114f).f32(OffConductie + 4, 9.0f).f32(OffCaldura, 858.0f);
    r.f32(OffDilatare + 4, 8.3f).u16(OffTemperaturi, 557).u16(OffTemperaturi + 4, 719);
    r.u16(OffChimic, 2).u16(OffChimic + 2, 0).u16(OffChimic + 4, 53).u16(OffChimic + 6, 1).u16(OffChimic + 8, 4);
    r.u16(OffChimic + 10, 9);  // slot 5 is not exported
    r.f32(OffLidt, 10.0f).f32(OffLidt + 4, 0.0f).f32(OffLidt + 8, 5.0f);
    r.u16(OffLidtLambda, 1064).u16(OffLidtLambda + 2, 532).u16(OffLidtLambda + 4, 0);
    ASSERT_EQ(add(r), 0);
    EXPECT_EQ(Compact(citit().get()),
              R"({"M":{"metadata":{"manufacturer_code":2,"manufacturer_name":"Shott Mainz"},"category":[],)"
              R"("optical_properties":{"refractive_indexes":{"wavelength_nm":[587.56,1013.99],"n":[1.5168,1.507313],)"
              R"("k":[0,1.23457e-07]},"internal_transmittance":{"wavelength_nm":[280,300,770],)"
              R"("optical_density_[1/mm]":[0,0.0693147,37]}},)"
              R"("mechanical_properties":{"density_g/cm^3":{"value":2.51,"known":true},"knoop_hardness_iso_9385":)"
              R"({"value":455,"known":true},"youngs_modulus_GPa":{"value":82.3,"known":true},"poisson_ratio":)"
              R"({"value":0.206,"known":true},"abrasion_hardness_iso_12844":{"value":null,"known":false}},)"
              R"("thermal_properties":{"heat_conductivity_[W/(m*K)]":{"value":1.114,"known":true},)"
              R"("heat_capacity_[J/(kg*K)]":{"value":858,"known":true},)"
              R"("coefficients_of_linear_thermal_expansion":[{"temperature_range_[Celsius]":"[-30, 70]",)"
              R"("coef_linear_thermal_expansion_[1/K]":{"value":null,"known":false}},)"
              R"({"temperature_range_[Celsius]":"[20, 300]",)"
              R"("coef_linear_thermal_expansion_[1/K]":{"value":8.3e-06,"known":true}}],)"
              R"("temperatures_[Celsius]":{"Tg":{"value":557,"known":true},"T13":{"value":null,)"
              R"("known":false},"T7.6":{"value":719,"known":true}}},)"
              R"("chemical_properties":{"CR":{"value":2,"known":true},"FR":{"value":null,"known":false},)"
              R"("SR":{"value":53,"known":true},"AR":{"value":1,"known":true},"PR":{"value":4,"known":true}},)"
              R"("LIDT_properties":{"test_methode_S-ON-1":[{"wavelength_nm":1064,"damage_threshold_MW_per_cm2":)"
              R"({"value":10,"confidence":1,"known":true},"pulse_width_nsec":{"value":null,"known":false}},)"
              R"(null,null],"test_methode_CW":[null]}}})");
    EXPECT_TRUE(p.casete.empty());

    // Only the third threshold; and non-finite values of a damaged record stay valid JSON.
    RecordImage doar3 = Material("L3", 2);
    doar3.f32(OffLidt + 8, 12.34f).u16(OffLidtLambda + 4, 532);
    doar3.f32(OffDilatare, std::numeric_limits<float>::infinity());
    doar3.f32(OffDensitate, std::numeric_limits<float>::quiet_NaN());
    doar3.f32(OffLambda, 500.0f).f64(OffN, std::numeric_limits<double>::infinity());
    ASSERT_EQ(add(doar3), 0);
    EXPECT_EQ(member("L3", "optical_properties", "internal_transmittance"),
              R"({"wavelength_nm":[],"optical_density_[1/mm]":[]})");
    const std::string text = member("L3", "LIDT_properties", "test_methode_S-ON-1");
    EXPECT_EQ(text.substr(0, 6), "[null,");
    EXPECT_NE(text.find("\"value\":12.3,"), std::string::npos) << text;
    EXPECT_NE(Json(cJSON_Parse(Tiparit(root.get()).c_str())), nullptr);
}

// The expansion coefficient goes out as the raw token "%.2e" gives, scaled
// to 1/K by the producer's catalogue convention; values under 0.005 are
// already in 1/K.
TEST_F(Document, ExpansionIsScaledByProducerAndWrittenAsARawExponentToken) {
    struct Caz { std::uint16_t producator; float stocat; const char* scris; } cazuri[] = {
        {2, 7.1f, "7.10e-06"}, {1, 7.1f, "7.10e-07"}, {0, 82.0f, "8.20e-06"},
        {2, 7.1e-06f, "7.10e-06"}, {10, 0.0049f, "4.90e-03"},
        // 0.005f is a little below 0.005 and so already counts as 1/K.
        {12, 0.005f, "5.00e-03"}, {12, 0.0051f, "5.10e-09"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.scris);
        root.reset(cJSON_CreateObject());
        RecordImage r = Material("E", c.producator);
        r.f32(OffDilatare, c.stocat);
        ASSERT_EQ(add(r), 0);
        // The token itself is seen only in the file's text: read back, it is a number like any other.
        std::string text = Tiparit(root.get());
        std::erase_if(text, [](char ch) { return ch == '\t' || ch == '\n'; });
        EXPECT_NE(text.find(std::string(R"("temperature_range_[Celsius]":"[-30, 70]",)"
                                        R"("coef_linear_thermal_expansion_[1/K]":{"value":)") +
                            c.scris + ",\"known\":true}"),
                  std::string::npos)
            << text;
    }
}

// Role codes are named from the substrate file: bytes 0, 3, 0, 9 give data
// line 3, "Fereastra" (the "#" line and the empty line are not counted), and
// a missing line 9. An attribute pair adds its four bytes, low byte of the
// first word first, as the last member.
TEST_F(Document, RoleCodesAndAttributesAreNamedFromTheSubstrateFile) {
    glass.write("AtributMatSubstrat_ML.txt", RolesFile);
    RecordImage r = Material("R", 10);
    r.byte(OffRoluri + 1, 3).byte(OffRoluri + 3, 9);
    ASSERT_EQ(add(r), 0);
    EXPECT_EQ(member("R", "category"), R"j(["Fereastra (3)","????????? (9)"])j");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "In fisier AtributMatSubstrat_ML.txt nu exista inregistrarea 9");
    EXPECT_EQ(p.casete[0].caption, "");
    EXPECT_EQ(cJSON_GetObjectItemCaseSensitive(cJSON_GetObjectItemCaseSensitive(citit().get(), "R"), "attribute"),
              nullptr);

    ASSERT_EQ(add(Material("A", 2), false, PerecheAtribute{0x0201, 0x0400}), 0);
    EXPECT_EQ(member("A", "attribute"), R"j(["Substrat (1)","Lentila (2)","Prisma (4)"])j");
    const Json doc = citit();
    EXPECT_STREQ(cJSON_GetObjectItemCaseSensitive(doc.get(), "A")->child->prev->string, "attribute");
}

TEST_F(Document, AnExistingNameIsKeptReplacedAtTheEndOrLeftAloneByTheAnswer) {
    RecordImage a = Material("A", 2);
    ASSERT_EQ(add(a), 0);
    ASSERT_EQ(add(Material("B", 3)), 0);
    a.f32(OffDensitate, 2.5f);

    EXPECT_EQ(add(a, false), 0);  // not asked: left alone
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(Chei(root.get()), (std::vector<std::string>{"A", "B"}));
    EXPECT_NE(member("A", "mechanical_properties").find("null"), std::string::npos);

    p.raspunde(raspuns::IDNO);
    EXPECT_EQ(add(a, true), 0);
    EXPECT_EQ(Chei(root.get()), (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Materialul A este in fisierul SubstrateMaterials.json\nScriem peste?");
    EXPECT_EQ(p.casete[0].caption, "ATENTIE!");
    EXPECT_EQ(p.casete[0].style, 36u | stil::MB_DEFBUTTON2);

    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(add(a, true), 0);
    EXPECT_EQ(Chei(root.get()), (std::vector<std::string>{"B", "A"}));
    EXPECT_NE(member("A", "mechanical_properties").find("\"value\":2.5,"), std::string::npos);

    // Names are keys byte for byte, and case matters; a name met again is
    // the same member, not a second one.
    ASSERT_EQ(add(Material("F\xE9\xB5", 2)), 0);  // "Féµ" in Windows-1252
    ASSERT_EQ(add(Material("f\xE9\xB5", 2)), 0);
    ASSERT_EQ(add(Material("F\xE9\xB5", 2)), 0);
    EXPECT_EQ(Chei(root.get()), (std::vector<std::string>{"B", "A", "F\xE9\xB5", "f\xE9\xB5"}));
}

TEST_F(Document, MeasuredValueObjectsFollowTheirOptionBits) {
    struct Caz {
        const char* nume;
        double valoare;
        std::uint8_t optiuni;
        const char* format;
        const char* indicator;
        const char* asteptat;
    } cazuri[] = {
        {"zero", 0, OptiuneCunoscut | OptiuneIncredere | OptiuneUnitate | OptiuneParametru, "%.1f", "",
         R"({"parameter":"zero","value":null,"known":false})"},
        {"zeroCaNumar", 0, OptiuneZeroCaNumar | OptiuneCunoscut, "%.1f", "", R"({"value":0,"known":true})"},
        {"toate", 12.346, OptiuneCunoscut | OptiuneIncredere | OptiuneUnitate | OptiuneParametru, "%.2f", "measured",
         R"({"parameter":"toate","value":12.35,"unit":"nm","confidence":0.667,"measured":true})"},
        {"fara", 1.0 / 3.0, 0, "", "", R"({"value":0.33333333333333331})"},
        {"exponent", 123456.0, OptiuneCunoscut, "%.3E", "", R"({"value":1.235E+05,"known":true})"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        Json lista(cJSON_CreateArray());
        DescriptorMarimeJson d;
        std::snprintf(d.parametru, sizeof d.parametru, "%s", c.nume);
        d.valoare = c.valoare;
        std::snprintf(d.unitate, sizeof d.unitate, "nm");
        std::snprintf(d.numeIndicator, sizeof d.numeIndicator, "%s", c.indicator);
        d.incredere = 2.0 / 3.0;
        d.optiuni = c.optiuni;
        std::snprintf(d.format, sizeof d.format, "%s", c.format);
        ASSERT_TRUE(AdaugaMarimeMasurataJson(lista.get(), d));
        EXPECT_EQ(Compact(lista.get()), std::string("[") + c.asteptat + "]");
    }
}

// cJSON runs out of memory at each of its allocations in turn while a
// material is added. A failure is told in a box and leaves no half-built material behind;
// nothing leaks (the suite runs under LeakSanitizer) and the document still
// prints as valid JSON.
int allocatiiRamase = -1;
bool allocareRefuzata = false;
void* MallocCuEsec(std::size_t n) {
    if (allocatiiRamase == 0) {
        allocareRefuzata = true;
        return nullptr;
    }
    if (allocatiiRamase > 0) --allocatiiRamase;
    return std::malloc(n);
}
void EliberareNormala(void* p) { std::free(p); }

TEST_F(Document, EveryAllocationFailureIsReportedAndLeavesAConsistentDocument) {
    glass.write("AtributMatSubstrat_ML.txt", RolesFile);
    RecordImage r = Material("FULL", 2);
    r.f32(OffLambda, 587.56f).f64(OffN, 1.5).u16(OffLambdaTi, 400).f32(OffTi, 0.01f).f32(OffDilatare, 7.1f);
    r.f32(OffLidt, 10.0f).u16(OffLidtLambda, 1064).byte(OffRoluri, 1).byte(OffRoluri + 1, 2);
    int esecuri = 0;
    for (int i = 0;; ++i) {
        SCOPED_TRACE(i);
        Json doc(cJSON_CreateObject());
        ASSERT_EQ(AdaugaMaterialInDocumentJson(path_sticle, Material("PREV", 2).record(), doc.get(), "f", nullptr,
                                               std::nullopt),
                  0);
        p.casete.clear();
        allocatiiRamase = i;
        allocareRefuzata = false;
        cJSON_Hooks hooks{MallocCuEsec, EliberareNormala};
        cJSON_InitHooks(&hooks);
        std::string motiv;
        const int rezultat = AdaugaMaterialInDocumentJson(path_sticle, r.record(), doc.get(), "f", nullptr,
                                                          PerecheAtribute{3, 0}, &motiv);
        const bool epuizat = allocareRefuzata;
        allocatiiRamase = -1;
        cJSON_InitHooks(nullptr);

        if (!epuizat) {
            // Every allocation went through: the full material is there.
            EXPECT_EQ(rezultat, 0);
            EXPECT_TRUE(p.casete.empty());
            break;
        }
        ++esecuri;
        EXPECT_NE(motiv.find("Eroare la cJSON_"), std::string::npos) << "an allocation failure went unreported";
        EXPECT_TRUE(p.casete.empty());
        const cJSON* full = cJSON_GetObjectItemCaseSensitive(doc.get(), "FULL");
        EXPECT_TRUE(rezultat == EroareJsonCreareObiect || rezultat == EroareJsonAdaugareObiect) << rezultat;
        EXPECT_EQ(full, nullptr);
        Json back(cJSON_Parse(Tiparit(doc.get()).c_str()));
        ASSERT_NE(back, nullptr);
        EXPECT_NE(cJSON_GetObjectItemCaseSensitive(back.get(), "PREV"), nullptr);
    }
    EXPECT_GE(esecuri, 3);
}

// A batch of materials (a whole producer's export) prints exactly as the
// same materials added one by one, names that need escaping included, and
// the printed document reads back to the same text.
TEST_F(Document, ABatchPrintsAsTheSameMaterialsAddedOneByOne) {
    std::mt19937 a(7);
    const auto unu = [&a](int n) { return static_cast<int>(a() % static_cast<unsigned>(n)); };
    Json doc(cJSON_CreateObject()), unulCateUnul(cJSON_CreateObject());
    for (cJSON* d : {doc.get(), unulCateUnul.get()})
        cJSON_AddItemToObject(d, "old", cJSON_Parse(R"({"a":[1,{"b":[]},{}],"c":"x"})"));
    DocumentMaterialeJson materiale(doc.get(), path_sticle);
    std::vector<MaterialOptic> toate(100);
    for (MaterialOptic& m : toate) {
        const int i = static_cast<int>(&m - toate.data());
        std::snprintf(m.nume, sizeof m.nume, "%s%d", unu(4) ? "M" : "q\"\\\t\x01", i);
        m.producator = static_cast<std::uint16_t>(unu(20));
        for (int k = unu(NumarSloturiTabel); k >= 0; --k) {
            const int s = unu(NumarSloturiTabel);
            m.lambda_indici[s] = static_cast<float>(unu(3000)) * 0.7f - 50.0f;
            m.indice_n[s] = 1.3 + unu(1000000) * 1e-6;
            m.indice_k[s] = unu(3) ? 0.0 : unu(1000) * std::pow(10.0, unu(20) - 12) * 1.37;
            m.lambda_Ti[s] = static_cast<std::uint16_t>(unu(3) ? 250 + s * 20 : 0);
            m.transmisia_interna[s] = static_cast<float>(unu(5000)) * 1e-4f;
        }
        m.densitate = unu(2) ? static_cast<float>(unu(90000)) * std::pow(10.0f, static_cast<float>(unu(12) - 8)) : 0.0f;
        m.duritate_knoop = static_cast<float>(unu(900));
        m.raport_poisson = static_cast<float>(unu(500)) * 1e-3f;
        m.caldura_specifica[0] = static_cast<float>(unu(1000)) * 1.1f;
        m.temperaturi[unu(3)] = static_cast<std::uint16_t>(unu(900));
        m.stabilitate_chimica[unu(5)] = static_cast<std::uint16_t>(unu(60));
        for (int k = 0; k < 3; ++k) {
            m.lidt[k] = unu(3) ? 0.0f : static_cast<float>(unu(500)) * 0.13f;
            m.lidt_lambda[k] = static_cast<std::uint16_t>(unu(2) ? 1064 : 0);
        }
        materiale.propune(m, "f", nullptr);
        ASSERT_EQ(AdaugaMaterialInDocumentJson(path_sticle, m, unulCateUnul.get(), "f", nullptr), 0);
    }
    ASSERT_EQ(materiale.adaugaPropuse(), 0);
    const std::string scris = Tiparit(doc.get());
    EXPECT_EQ(scris, Tiparit(unulCateUnul.get()));
    const Json citit(cJSON_Parse(scris.c_str()));
    ASSERT_NE(citit, nullptr);
    EXPECT_EQ(Tiparit(citit.get()), scris);
}

}  // namespace
