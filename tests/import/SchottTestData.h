#pragma once
// allglass.sch text for tests: blocks of 195 lines built from catalogue
// glasses, each property on its line of the format, written out by hand
// here rather than by the code under test.

#include <array>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vitramor::test {

struct SticlaCatalog {
    std::string linieNume;  // the name line as it stands, without the line end
    std::string nume;       // the name the import must give it
    double nd, vd;
    std::array<const char*, 6> sellmeier;  // B1, B2, B3, C1, C2, C3 as printed
    // Published indices: wavelength (nm, as the index lines are labelled) and value.
    std::vector<std::pair<double, double>> indici;
    const char *cte1, *cte2, *tv1, *tv2, *tv3, *cp, *lambda, *rho, *hk;
    std::array<const char*, 6> clase;  // catalogue group, CR, FR, SR, AR, PR as printed
    const char* grosime;               // value of the thickness line
    std::array<const char*, 30> tau;   // 2500 nm down to 250 nm; "" where the catalogue gives none
};

// Wavelengths of the index lines 10 to 32 and of the transmittance lines 83
// to 112, in file order.
inline const double LambdaLiniiIndici[23] = {2325.42,  1970.09,  1529.582, 1060.0,   1013.98,  852.11,
                                             706.5188, 656.2725, 643.8469, 632.8,    589.2938, 587.5618,
                                             546.074,  486.1327, 479.9914, 435.8343, 404.6561, 365.0146,
                                             334.1478, 312.5663, 296.7278, 280.4,    248.3};
inline const int LambdaLiniiTransmisie[30] = {2500, 2325, 1970, 1529, 1060, 700, 660, 620, 580, 546,
                                              500,  460,  435,  420,  404,  400, 390, 380, 370, 365,
                                              350,  334,  320,  310,  300,  290, 280, 270, 260, 250};

inline std::string Linie(const char* format, const char* a, const char* b) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

inline std::vector<std::string> LiniiBloc(const SticlaCatalog& s) {
    std::vector<std::string> l(195);
    l[0] = s.linieNume;
    for (int i = 1; i < 195; ++i) l[static_cast<std::size_t>(i)] = "  rezerva" + std::to_string(i) + " : -;";
    for (int i = 0; i < 23; ++i) {
        char eticheta[16], valoare[16] = "";
        std::snprintf(eticheta, sizeof eticheta, "n%g", LambdaLiniiIndici[i]);
        for (const auto& [lambda, n] : s.indici)
            if (lambda == LambdaLiniiIndici[i]) std::snprintf(valoare, sizeof valoare, "%.5f", n);
        l[static_cast<std::size_t>(10 + i)] = Linie("  %-10s: %s;", eticheta, valoare);
    }
    const char* numeB[6] = {"B1", "B2", "B3", "C1", "C2", "C3"};
    for (int i = 0; i < 6; ++i) l[static_cast<std::size_t>(33 + i)] = Linie("  %s : %s;", numeB[i], s.sellmeier[i]);
    const std::tuple<int, const char*, const char*> proprietati[] = {
        {63, "CTE-30/70", s.cte1}, {64, "CTE20/300", s.cte2}, {65, "T14.5", s.tv1}, {66, "T13", s.tv2},
        {67, "T7.6", s.tv3},       {68, "cp", s.cp},          {69, "lambda", s.lambda}, {70, "rho", s.rho},
        {74, "HK", s.hk}};
    for (const auto& [linie, eticheta, valoare] : proprietati)
        l[static_cast<std::size_t>(linie)] = Linie("  %s : %s;", eticheta, valoare);
    const char* numeClase[6] = {"grupa", "CR", "FR", "SR", "AR", "PR"};
    for (int i = 0; i < 6; ++i) l[static_cast<std::size_t>(75 + i)] = Linie("  %s : \"%s\";", numeClase[i], s.clase[i]);
    l[81] = Linie("  %s : %s;", "d", s.grosime);
    for (int i = 0; i < 30; ++i)
        l[static_cast<std::size_t>(83 + i)] =
            Linie("  %s : %s;", ("Ti" + std::to_string(LambdaLiniiTransmisie[i])).c_str(), s.tau[i]);
    for (int i = 0; i < 30; ++i)
        l[static_cast<std::size_t>(116 + i)] =
            Linie("  %s : %s;", ("Ti25_" + std::to_string(LambdaLiniiTransmisie[i])).c_str(), "0.5");
    return l;
}

inline std::string TextLinii(const std::vector<std::string>& linii) {
    std::string t;
    for (const std::string& l : linii) t += l + "\n";
    return t;
}

inline std::string TextBloc(const SticlaCatalog& s) { return TextLinii(LiniiBloc(s)); }

// Data sheet values: nd, vd and the Sellmeier constants as the manufacturer
// publishes them, the indices at the spectral lines that the same data sheets
// list, and thermal, mechanical, chemical and transmittance (10 mm) data.
inline SticlaCatalog NBK7() {
    return {"N-BK7      517642.251",
            "N-BK7",
            1.51680,
            64.17,
            {"1.03961212", "0.231792344", "1.01046945", "0.00600069867", "0.0200179144", "103.560653"},
            {{587.5618, 1.51680}, {546.074, 1.51872}, {486.1327, 1.52238}, {656.2725, 1.51432},
             {435.8343, 1.52668}, {365.0146, 1.53627}, {1013.98, 1.50731}},
            "7.1", "8.3", "549", "557", "719", "0.858", "1.114", "2.51", "610",
            {"1", "1", "0", "1.0", "2.0", "2.3"},
            "10 mm",
            {"0.665", "0.793", "0.933", "0.992", "0.999", "0.998", "0.998", "0.998", "0.998", "0.998",
             "0.998", "0.997", "0.997", "0.997", "0.997", "0.997", "0.996", "0.993", "0.991", "0.988",
             "0.967", "0.905", "0.770", "0.574", "0.292", "0.063", "",      "",      "",      ""}};
}

inline SticlaCatalog F2() {
    return {"F2         620364.360",
            "F2",
            1.62004,
            36.37,
            {"1.34533359", "0.209073176", "0.937357162", "0.00997743871", "0.0470450767", "111.886764"},
            {{587.5618, 1.62004}, {546.074, 1.62408}, {486.1327, 1.63208}, {656.2725, 1.61503}},
            "8.2", "9.2", "426", "434", "593", "0.557", "0.780", "3.60", "420",
            {"2", "1", "0", "1", "2.3", "1.3"},
            "10 mm",
            {"0.81",  "0.91",  "0.96",  "0.993", "0.998", "0.998", "0.998", "0.998", "0.998", "0.998",
             "0.997", "0.995", "0.993", "0.990", "0.986", "0.985", "0.979", "0.967", "0.944", "0.924",
             "0.83",  "0.55",  "0.14",  "0.01",  "",      "",      "",      "",      "",      ""}};
}

inline SticlaCatalog NSF11() {
    return {"N-SF11     785257.322",
            "N-SF11",
            1.78472,
            25.68,
            {"1.73759695", "0.313747346", "1.89878101", "0.013188707", "0.0623068142", "155.23629"},
            {{587.5618, 1.78472}, {486.1327, 1.80651}, {656.2725, 1.77596}},
            "6.1", "7.0", "492", "505", "635", "0.745", "0.950", "3.22", "570",
            {"3", "1", "0", "1", "1.2", "1"},
            "25 mm",
            {"0.61",  "0.80",  "0.94",  "0.985", "0.997", "0.997", "0.996", "0.995", "0.993", "0.991",
             "0.980", "0.960", "0.930", "0.890", "0.820", "0.790", "0.600", "0.300", "0.070", "0.020",
             "0",     "0",     "0",     "0",     "0",     "0",     "0",     "0",     "0",     "0"}};
}

inline SticlaCatalog NFK51A() {
    return {"N-FK51A    487845.368",
            "N-FK51A",
            1.48656,
            84.47,
            {"0.971247817", "0.216901417", "0.904651666", "0.00472301995", "0.0153575612", "168.68133"},
            {{587.5618, 1.48656}, {486.1327, 1.49056}, {656.2725, 1.48480}},
            "12.7", "14.5", "459", "464", "606", "0.636", "0.910", "3.68", "345",
            {"4", "2", "0", "52.3", "2.2", "4.3"},
            "10 mm",
            {"0.945", "0.970", "0.992", "0.998", "1.000", "0.999", "0.999", "0.999", "0.999", "0.999",
             "0.999", "0.999", "0.998", "0.998", "0.998", "0.998", "0.997", "0.997", "0.996", "0.996",
             "0.994", "0.990", "0.981", "0.970", "0.950", "0.910", "0.850", "0.760", "0.620", "0.440"}};
}

}  // namespace vitramor::test
