#include "editors/InitializareMaterial.h"

#include <cstddef>
#include <cstring>

#include "editors/LiniiSpectrale.h"
#include "editors/TabelTransmisie.h"

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

int peCurent(SetLucru& set, void (*initializare)(MaterialOptic&)) {
    if (set.gol()) return 0;
    initializare(set.curent());
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

int ComandaInitializeazaMaterial(SetLucru& set) { return peCurent(set, InitializeazaMaterial); }
int ComandaInitLambdaIndici(SetLucru& set) { return peCurent(set, InitLambdaIndici); }
int ComandaInitIndici(SetLucru& set) { return peCurent(set, InitIndici); }
int ComandaInitLambdaTransmisie(SetLucru& set) { return peCurent(set, InitLambdaTransmisie); }

}  // namespace vitramor
