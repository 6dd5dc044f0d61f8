#include "material/LiniiSpectrale.h"

#include <cmath>

namespace vitramor {

namespace {

struct LinieColoana {
    const char* subsir;
    float lambda;
};

// Tried in this order; see the header for why the order matters.
constexpr LinieColoana linii[] = {
    {"ni", 365.0146f},   {"nh", 404.6561f},  {"ng", 435.8343f},  {"nHe-Cd", 441.57f},
    {"nF'", 479.9914f},  {"nF", 486.1327f},  {"ne", 546.0740f},  {"nd", 587.5618f},
    {"nD", 589.2938f},   {"nHe-Ne", 632.8f}, {"nC'", 643.8469f}, {"nC", 656.2725f},
    {"nr", 706.5188f},   {"nA'", 768.19f},   {"ns", 852.11f},    {"nt", 1013.98f},
};

struct EtichetaNm {
    int nm;
    const char* eticheta;
};

constexpr EtichetaNm etichete[] = {
    {365, "i"},    {404, "h"},     {435, "g"},  {441, "He-Cd"}, {479, "F'"}, {480, "F'"},
    {486, "F"},    {488, "Ar"},    {546, "e"},  {587, "d"},     {589, "D"},  {632, "He-Ne"},
    {643, "C'"},   {656, "C"},     {706, "r"},  {768, "A'"},    {852, "s"},  {1013, "t"},
};

constexpr const char* FaraEticheta = "  ";

}  // namespace

const std::array<float, NumarLungimiUndaStandard> LungimiUndaStandard = {
    312.6f,  334.1f, 350.7f, 356.4f,  365.0f,  404.66f, 435.83f, 479.99f, 486.13f, 488.0f,  514.0f,  520.8f,
    530.0f,  546.07f, 568.2f, 587.56f, 589.29f, 632.8f,  643.85f, 647.1f,  656.27f, 694.3f,  706.52f, 768.2f,
    852.1f,  890.0f, 1013.9f, 1060.0f, 1128.6f, 1395.1f, 1529.6f, 1813.1f, 1970.1f, 2249.3f, 2325.4f,
};

float LungimeUndaDinNumeLinie(std::string_view numeColoana) {
    for (const LinieColoana& l : linii)
        if (numeColoana.find(l.subsir) != std::string_view::npos) return l.lambda;
    return 0.0f;
}

const char* EtichetaLinieSpectrala(float lambda) {
    // Every labelled line lies far inside the int range; anything outside it
    // (or not a number) has no label and must not reach the conversion.
    if (!(lambda >= 0.0f && lambda < 100000.0f)) return FaraEticheta;
    const int nm = static_cast<int>(std::floor(lambda));
    for (const EtichetaNm& e : etichete)
        if (e.nm == nm) return e.eticheta;
    return FaraEticheta;
}

bool AreEtichetaLinieSpectrala(float lambda) { return EtichetaLinieSpectrala(lambda) != FaraEticheta; }

}  // namespace vitramor
