#include "material/InitializareMaterial.h"

#include <cstddef>
#include <cstring>

#include "material/LiniiSpectrale.h"
#include "material/TabelTransmisie.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// Clears the bytes of the record from the start of one field up to (not
// including) the start of another: the property blocks below are runs of
// neighbouring fields, and naming their ends keeps reserved gaps inside a
// run cleared too.
void stergeOcteti(MaterialOptic& m, std::size_t deLa, std::size_t panaLa) {
    std::memset(reinterpret_cast<unsigned char*>(&m) + deLa, 0, panaLa - deLa);
}

constexpr float LambdaTransmisieStart = 280.0f;
constexpr float PasLambdaTransmisie = 10.0f;
constexpr float GrosimeTransmisieImplicita = 10.0f;  // mm

// The questions name the material and what it loses.
constexpr const char* IntrebareMaterial =
    "Initializati materialul %s?\nSe sterg indicii, ecuatiile de dispersie, transmisia si proprietatile masurate "
    "(mecanice, termice, laser); numele, producatorul si categoria raman.";
constexpr const char* IntrebareLambda =
    "Puneti lungimile de unda standard in tabelul de indici al materialului %s?\nLungimile de unda de acum se pierd; "
    "valorile n si k raman in locurile lor.";
constexpr const char* IntrebareIndici =
    "Initializati indicii materialului %s?\nSe sterg n, k, ecuatiile de dispersie si domeniile lor; lungimile de unda "
    "devin cele standard.";
constexpr const char* IntrebareTransmisie =
    "Initializati tabelul de transmisie al materialului %s?\nLungimile de unda devin 280, 290, ... 770 nm, transmisia "
    "1 si grosimea 10 mm.";

int peCurent(Intrebari& intrebari, Fereastra owner, SetLucru& set, void (*initializare)(MaterialOptic&),
             const char* intrebare) {
    if (set.gol()) return 0;
    const std::string nume(TextCamp(set.curent().nume, sizeof set.curent().nume));
    const std::string text = TextFormatat(intrebare, nume.c_str()) +
                             "\n(Material > Anuleaza ultima modificare il readuce cum era.)";
    if (intrebari.intreaba(owner, text, "Initializeaza",
                           stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) != raspuns::IDYES)
        return 2;
    set.memoreazaAnterior(set.materialCurent, set.curent());
    initializare(set.curent());
    set.marcheazaSuprascris(set.materialCurent);
    return 1;
}

}  // namespace

void InitLambdaIndici(MaterialOptic& m) {
    for (int i = 0; i < NumarSloturiEditabile; ++i)
        m.lambda_indici[i] = i < NumarLungimiUndaStandard ? LungimiUndaStandard[static_cast<std::size_t>(i)] : 0.0f;
}

void InitIndici(MaterialOptic& m) {
    InitLambdaIndici(m);
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        m.indice_n[i] = 0.0;
        m.indice_k[i] = 0.0;
    }
    m.ec_dispersie_n = 0;
    m.ec_dispersie_k = 0;
    for (double& c : m.coef_disp_n) c = 0.0;
    for (double& c : m.coef_disp_k) c = 0.0;
    m.domeniu_n[0] = m.domeniu_n[1] = 0;
    m.domeniu_k[0] = m.domeniu_k[1] = 0;
}

void InitLambdaTransmisie(MaterialOptic& m) {
    m.grosime_transmisie = GrosimeTransmisieImplicita;
    // An evaporation material keeps its rate and confidences in the bytes of
    // the first slots' wavelengths; those slots are not its table, as in the
    // transmittance editor.
    for (int i = EsteMaterialEvaporare(m) ? SloturiTransmisieEvaporare : 0; i < NumarSloturiTabel; ++i) {
        m.lambda_Ti[i] = static_cast<std::uint16_t>(LambdaTransmisieStart + PasLambdaTransmisie * static_cast<float>(i));
        m.transmisia_interna[i] = 0.0f;
    }
    m.rezervat_1768 = 0;
}

void InitializeazaMaterial(MaterialOptic& m) {
    InitIndici(m);
    InitLambdaTransmisie(m);
    m.cod[0] = '\0';
    m.pret_relativ = 0;
    m.rezervat_8 = 0;
    m.rezervat_10 = 0;
    m.rezervat_12 = 0;
    m.rezervat_16 = 0;
    // Mechanical block, from the reserved word before Young's modulus to the
    // viscosity temperatures, and the reserved run after it.
    stergeOcteti(m, offsetof(MaterialOptic, rezervat_1772), offsetof(MaterialOptic, caldura_specifica));
    // Thermal block: specific heat, conductivity, expansion; the
    // characteristic temperatures after it stay.
    stergeOcteti(m, offsetof(MaterialOptic, caldura_specifica), offsetof(MaterialOptic, temperaturi));
    // Laser damage (both readings) and surface stress; the layer thickness
    // limits after it stay.
    stergeOcteti(m, offsetof(MaterialOptic, lidt_lambda_evaporare), offsetof(MaterialOptic, grosime_min));
    m.rezervat_2076 = 0;
    m.stabilitate_chimica[0] = 0;
    m.clasa_catalog = m.clasa_catalog_implicita;
}

int ComandaInitializeazaMaterial(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    return peCurent(intrebari, owner, set, InitializeazaMaterial, IntrebareMaterial);
}
int ComandaInitLambdaIndici(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    return peCurent(intrebari, owner, set, InitLambdaIndici, IntrebareLambda);
}
int ComandaInitIndici(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    return peCurent(intrebari, owner, set, InitIndici, IntrebareIndici);
}
int ComandaInitLambdaTransmisie(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    return peCurent(intrebari, owner, set, InitLambdaTransmisie, IntrebareTransmisie);
}

}  // namespace vitramor
