#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "material/CelulaNumerica.h"
#include "material/TabelIndici.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;

namespace {

// A table where every slot, in all three columns, holds its own value, and
// slots 40-49 hold values the editors must never move.
MaterialOptic tabelPlin() {
    MaterialOptic m{};
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        m.lambda_indici[i] = 300.0f + 10.0f * static_cast<float>(i);
        m.indice_n[i] = 1.5 + i / 1000.0;
        m.indice_k[i] = 1e-4 * (i + 1);
    }
    return m;
}

// The float 1.5168f widened: what a typed "1.5168" becomes in the record.
constexpr double N1_5168 = 1.516800045967102;

}  // namespace

TEST(CellText, NumbersAreReadWholeOrRefused) {
    const struct {
        const char* text;
        std::optional<double> valoare;
    } cazuri[] = {
        {"1.5168", 1.5168},  {" 2.5 ", 2.5}, {"", 0.0},         {"   ", 0.0},        {"1e3", 1000.0},
        {".5", 0.5},         {"5.", 5.0},    {"+7", 7.0},       {"-0.25", -0.25},    {"1E-3", 1e-3},
        {"abc", {}},         {"1,5", 1.5},    {"1.5.1", {}},     {"1.5x", {}},        {"0x10", {}},
        {"nan", {}},         {"inf", {}},    {"-", {}},         {".", {}},           {"1e", {}},
        {"1 2", {}},         {"1e999", {}},  {"e5", {}},
    };
    for (const auto& c : cazuri) {
        const std::optional<double> v = CitesteNumarCelula(c.text);
        ASSERT_EQ(v.has_value(), c.valoare.has_value()) << '"' << c.text << '"';
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *c.valoare) << c.text;
        }
    }
    // A float cell refuses what a float cannot hold and never keeps a minus zero.
    EXPECT_FALSE(CitesteFloatCelula("1e40").has_value());
    EXPECT_EQ(CitesteFloatCelula("1e-50"), 0.0f);
    EXPECT_FALSE(std::signbit(*CitesteFloatCelula("-0")));
}

TEST(CellText, ThePointIsTheDecimalSignUnderAnyLocale) {
    const std::string vechi = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "ro_RO.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::optional<double> punct = CitesteNumarCelula("1.25");
    const std::optional<double> virgula = CitesteNumarCelula("1,25");
    std::setlocale(LC_NUMERIC, vechi.c_str());
    EXPECT_EQ(punct, 1.25);
    EXPECT_EQ(virgula, 1.25);  // the program's decimal comma, not the locale's
}

TEST(IndexCells, EachColumnHasItsOwnLowerBound) {
    // column: -1 value cell, 0 n-window wavelength, 1 k-window wavelength.
    const struct {
        int coloana;
        const char* text;
        std::optional<double> stocat;
    } cazuri[] = {
        {-1, "1.5168", N1_5168}, {-1, "0", 0.0},        {-1, "", 0.0},          {-1, "-0.001", {}},
        {-1, "x", {}},           {-1, "1e-7", static_cast<double>(1e-7f)},
        {0, "587.5618", static_cast<double>(587.5618f)}, {0, "0", 0.0}, {0, "", 0.0}, {0, "50", 50.0},
        {0, "-1", {}},           {1, "100", 100.0},     {1, "99.99", {}},       {1, "", {}},
        {1, "0", {}},            {1, "10600", 10600.0},
    };
    for (const auto& c : cazuri) {
        std::optional<double> v;
        if (c.coloana < 0) {
            v = ValoareIndiceAcceptata(c.text);
        } else if (const std::optional<float> l = LambdaAcceptata(c.coloana, c.text)) {
            v = *l;
        }
        ASSERT_EQ(v.has_value(), c.stocat.has_value()) << c.coloana << " \"" << c.text << '"';
        if (v) {
            EXPECT_EQ(*v, *c.stocat) << c.coloana << ' ' << c.text;
        }
    }
}

TEST(IndexCells, CommitsStoreIntoTheirSlotOnlyAndRefusalsStoreNothing) {
    MaterialOptic m = tabelPlin();
    MaterialOptic asteptat = m;

    ASSERT_TRUE(PreiaValoareIndice(m, ColoanaN, 5, "1.5168"));
    asteptat.indice_n[5] = N1_5168;
    ASSERT_TRUE(PreiaValoareIndice(m, ColoanaK, 5, "0.002"));
    asteptat.indice_k[5] = static_cast<double>(0.002f);
    ASSERT_TRUE(PreiaLambda(m, ColoanaN, 39, ""));  // an emptied wavelength empties the slot
    asteptat.lambda_indici[39] = 0.0f;
    // A k value is stored even where there is no wavelength.
    ASSERT_TRUE(PreiaValoareIndice(m, ColoanaK, 39, "0.5"));
    asteptat.indice_k[39] = 0.5;
    EXPECT_EQ(bytesOf(m), bytesOf(asteptat));

    EXPECT_FALSE(PreiaValoareIndice(m, ColoanaN, 6, "-1.5"));
    EXPECT_FALSE(PreiaLambda(m, ColoanaK, 6, ""));
    EXPECT_FALSE(PreiaLambda(m, ColoanaK, 6, "1,5"));
    // Slots past the editable ones are not the windows' to write.
    EXPECT_FALSE(PreiaValoareIndice(m, ColoanaN, 40, "2"));
    EXPECT_FALSE(PreiaLambda(m, ColoanaN, -1, "2"));
    EXPECT_EQ(bytesOf(m), bytesOf(asteptat));
}

TEST(IndexCells, Texts) {
    EXPECT_EQ(TextValoareIndice(0.0), " ");
    EXPECT_EQ(TextValoareIndice(N1_5168), "1.5168");
    EXPECT_EQ(TextValoareIndice(1e-7), "1e-07");
    EXPECT_EQ(TextLambda(0.0f), "");
    EXPECT_EQ(TextLambda(587.5618f), "587.562");
    EXPECT_EQ(TextLambda(2325.4f), "2325.4");
    EXPECT_EQ(TextValoareCalculata(ColoanaN, 1.5168f), "1.51680");
    EXPECT_EQ(TextValoareCalculata(ColoanaN, 12.5f), "12.50000");
    EXPECT_EQ(TextValoareCalculata(ColoanaK, 1e-4f), " 0.0001");
    EXPECT_EQ(TextValoareCalculata(ColoanaK, 0.0f), " 0.0000");
}

namespace {

// Slot i of `dupa` against slot j of `inainte` (j = -1: an empty slot), for
// the wavelength and the moved column; the other column must not move.
void verificaMutare(const MaterialOptic& inainte, const MaterialOptic& dupa, int which, int (*sursa)(int)) {
    const double* vi = which == ColoanaN ? inainte.indice_n : inainte.indice_k;
    const double* vd = which == ColoanaN ? dupa.indice_n : dupa.indice_k;
    const double* ai = which == ColoanaN ? inainte.indice_k : inainte.indice_n;
    const double* ad = which == ColoanaN ? dupa.indice_k : dupa.indice_n;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const int j = i < NumarSloturiEditabile ? sursa(i) : i;
        EXPECT_EQ(dupa.lambda_indici[i], j < 0 ? 0.0f : inainte.lambda_indici[j]) << "lambda slot " << i;
        EXPECT_EQ(vd[i], j < 0 ? 0.0 : vi[j]) << "value slot " << i;
        EXPECT_EQ(ad[i], ai[i]) << "other column slot " << i;
    }
}

}  // namespace

TEST(IndexSlots, InsertAndDeleteMoveTheWavelengthWithTheirOwnColumn) {
    const MaterialOptic plin = tabelPlin();
    const struct {
        const char* caz;
        void (*op)(MaterialOptic&, int, int);
        int which, slot;
        int (*sursa)(int);
    } cazuri[] = {
        {"before 0, n", IncludeInainte, ColoanaN, 0, [](int i) { return i - 1; }},
        {"before 17, k", IncludeInainte, ColoanaK, 17, [](int i) { return i < 17 ? i : (i == 17 ? -1 : i - 1); }},
        {"before 39 clears 39 only", IncludeInainte, ColoanaN, 39, [](int i) { return i == 39 ? -1 : i; }},
        {"after 0, k", IncludeDupa, ColoanaK, 0, [](int i) { return i == 0 ? 0 : (i == 1 ? -1 : i - 1); }},
        {"after 38", IncludeDupa, ColoanaN, 38, [](int i) { return i == 39 ? -1 : i; }},
        {"after 39 changes nothing", IncludeDupa, ColoanaN, 39, [](int i) { return i; }},
        {"delete 0, n", StergeSlot, ColoanaN, 0, [](int i) { return i == 39 ? -1 : i + 1; }},
        {"delete 20, k", StergeSlot, ColoanaK, 20, [](int i) { return i == 39 ? -1 : (i < 20 ? i : i + 1); }},
        {"delete 39", StergeSlot, ColoanaK, 39, [](int i) { return i == 39 ? -1 : i; }},
        {"slot 40 is no slot", IncludeInainte, ColoanaN, 40, [](int i) { return i; }},
        {"slot -1 is no slot", StergeSlot, ColoanaK, -1, [](int i) { return i; }},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.caz);
        MaterialOptic m = plin;
        c.op(m, c.which, c.slot);
        verificaMutare(plin, m, c.which, c.sursa);
    }
}

TEST(IndexSlots, EraseClearsOneColumnOfTheEditableSlots) {
    const MaterialOptic plin = tabelPlin();
    MaterialOptic m = plin, asteptat = plin;
    StergeLungimiUnda(m);
    std::fill_n(asteptat.lambda_indici, NumarSloturiEditabile, 0.0f);
    EXPECT_EQ(bytesOf(m), bytesOf(asteptat));
    m = asteptat = plin;
    StergeValori(m, ColoanaK);
    std::fill_n(asteptat.indice_k, NumarSloturiEditabile, 0.0);
    EXPECT_EQ(bytesOf(m), bytesOf(asteptat));
}

TEST(IndexFromEquation, FillsTheSlotsWithAWavelengthAndMarksTheOnesThatFail) {
    // n: Cauchy -1 + 1e6/lambda^2 (nm) is 3 at 500 nm and negative at 2000 nm,
    // an error that keeps the old value. k: 0.01 - 0.01 x (x in um) is 0.005 at
    // 500 nm and negative at 2000 nm, which k stores as 0: k never fails.
    const struct {
        int coloana, ecuatie;
        RezultatSlot rezultat1;
        double valoare0, valoare1;
    } cazuri[] = {{ColoanaN, 3, RezultatSlot::Eroare, 3.0, 1.7}, {ColoanaK, 11, RezultatSlot::Calculat, 0.005, 0.0}};
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.coloana);
        MaterialOptic m{};
        const bool n = c.coloana == ColoanaN;
        (n ? m.ec_dispersie_n : m.ec_dispersie_k) = static_cast<std::int16_t>(c.ecuatie);
        double* coef = n ? m.coef_disp_n : m.coef_disp_k;
        coef[0] = n ? -1.0 : 0.01;
        coef[1] = n ? 1e6 : -0.01;
        double* v = n ? m.indice_n : m.indice_k;
        m.lambda_indici[0] = 500.0f;
        m.lambda_indici[1] = 2000.0f;
        v[1] = 1.7;
        v[2] = 9.9;                    // no wavelength: never looked at
        m.lambda_indici[45] = 500.0f;  // past the editable slots
        const RezultateInitDinEcuatie r = InitDinEcuatie(m, c.coloana);
        EXPECT_EQ(r[0].rezultat, RezultatSlot::Calculat);
        EXPECT_NEAR(v[0], c.valoare0, 1e-9);
        EXPECT_EQ(r[1].rezultat, c.rezultat1);
        EXPECT_EQ(v[1], c.valoare1);
        EXPECT_EQ(r[2].rezultat, RezultatSlot::Neatins);
        EXPECT_EQ(v[2], 9.9);
        EXPECT_EQ(v[45], 0.0);
    }
}

TEST(IndexFromEquation, SellmeierGlassAtTheDLine) {
    // N-BK7 from its datasheet: nd = 1.5168.
    MaterialOptic m{};
    m.ec_dispersie_n = 4;
    const double c[] = {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};
    std::memcpy(m.coef_disp_n, c, sizeof c);
    m.lambda_indici[7] = 587.56f;
    InitDinEcuatie(m, ColoanaN);
    EXPECT_NEAR(m.indice_n[7], 1.5168, 5e-5);
    EXPECT_EQ(m.indice_n[7], static_cast<double>(static_cast<float>(m.indice_n[7])));  // a float, widened
}
