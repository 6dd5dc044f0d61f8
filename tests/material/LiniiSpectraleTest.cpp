#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "material/LiniiSpectrale.h"

using namespace vitramor;

namespace {

struct Coloana {
    const char* nume;
    float lambda;  // nm, the catalogue wavelength of the line
};

// Column names as Excel catalogues spell them, with the lines they stand for.
const Coloana coloane[] = {
    {"ni", 365.0146f},     {"nh", 404.6561f},    {"ng", 435.8343f},  {"nHe-Cd", 441.57f}, {"nF'", 479.9914f},
    {"nF", 486.1327f},     {"ne", 546.0740f},    {"nd", 587.5618f},  {"nD", 589.2938f},   {"nHe-Ne", 632.8f},
    {"nC'", 643.8469f},    {"nC", 656.2725f},    {"nr", 706.5188f},  {"nA'", 768.19f},    {"ns", 852.11f},
    {"nt", 1013.98f},
    // The primed lines are tried first, so they are not taken for their neighbours.
    {"n_F'", 0.0f},        {"nd_587", 587.5618f}, {"Index nF'", 479.9914f}, {"col nC' (s)", 643.8469f},
    // Case counts: "ND" is no line, "nD" is the sodium D line.
    {"ND", 0.0f},          {"NE", 0.0f},         {"", 0.0f},         {"Abbe", 0.0f},      {"vd", 0.0f},
};

}  // namespace

TEST(SpectralLines, ColumnNamesGiveTheirLineWavelength) {
    for (const Coloana& c : coloane) EXPECT_EQ(LungimeUndaDinNumeLinie(c.nume), c.lambda) << c.nume;
}

TEST(SpectralLines, LabelsAreDecidedByTheWholeNanometresBelowTheWavelength) {
    const struct {
        float lambda;
        const char* eticheta;
    } cazuri[] = {
        {441.57f, "He-Cd"}, {632.99f, "He-Ne"}, {633.0f, "  "},   {632.0f, "He-Ne"}, {479.0f, "F'"},
        {480.99f, "F'"},    {481.0f, "  "},     {486.13f, "F"},   {488.0f, "Ar"},    {587.56f, "d"},
        {589.29f, "D"},     {365.0f, "i"},      {364.999f, "  "}, {1013.98f, "t"},   {0.0f, "  "},
        {-365.5f, "  "},    {1e30f, "  "},      {std::numeric_limits<float>::quiet_NaN(), "  "},
        {std::numeric_limits<float>::infinity(), "  "},
    };
    for (const auto& c : cazuri) EXPECT_STREQ(EtichetaLinieSpectrala(c.lambda), c.eticheta) << c.lambda;
}

TEST(SpectralLines, EveryCatalogueLineIsLabelledWithItsOwnLetter) {
    // The column names and the labels are two tables of the same lines; a
    // wavelength read from "n<label>" must come back labelled <label>.
    const char* linii[] = {"i", "h", "g", "He-Cd", "F'", "F", "e", "d", "D", "He-Ne", "C'", "C", "r", "A'", "s", "t"};
    for (const char* l : linii) {
        const float lambda = LungimeUndaDinNumeLinie(std::string("n") + l);
        EXPECT_STREQ(EtichetaLinieSpectrala(lambda), l) << lambda;
        EXPECT_LE(std::strlen(EtichetaLinieSpectrala(lambda)), 5u);
        EXPECT_TRUE(AreEtichetaLinieSpectrala(lambda));
    }
    EXPECT_FALSE(AreEtichetaLinieSpectrala(500.0f));
}
