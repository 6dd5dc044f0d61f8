#include "dispersion/BlocDispersie.h"

#include <cstring>

namespace vitramor {

namespace {

// Byte addresses inside the packed block: copying through them never forms
// a misaligned double pointer.
char* octeti(tag_dispersieNou& b, std::size_t offset) { return reinterpret_cast<char*>(&b) + offset; }
const char* octeti(const tag_dispersieNou& b, std::size_t offset) {
    return reinterpret_cast<const char*>(&b) + offset;
}

constexpr std::size_t MarimeCoeficienti = sizeof(double) * NumarCoeficientiDispersie;

}  // namespace

tag_dispersieNou& blocDispersie() {
    alignas(8) static tag_dispersieNou bloc{};
    return bloc;
}

void UmpleBlocDispersie(const MaterialOptic& m, tag_dispersieNou& bloc) {
    // The name up to its NUL; a record whose 16 name bytes hold no NUL still
    // gives a terminated name of 15 characters.
    std::size_t i = 0;
    for (; i < sizeof bloc.nume - 1 && m.nume[i] != '\0'; ++i) bloc.nume[i] = m.nume[i];
    bloc.nume[i] = '\0';

    bloc.tip_material = m.tip_material;
    bloc.ec_dispersie_n = m.ec_dispersie_n;
    bloc.ec_dispersie_k = m.ec_dispersie_k;
    std::memcpy(octeti(bloc, offsetof(tag_dispersieNou, coef_disp_n)), m.coef_disp_n, MarimeCoeficienti);
    std::memcpy(octeti(bloc, offsetof(tag_dispersieNou, coef_disp_k)), m.coef_disp_k, MarimeCoeficienti);
    bloc.domenii[0] = m.domeniu_n[0];
    bloc.domenii[1] = m.domeniu_n[1];
    bloc.domenii[2] = m.domeniu_k[0];
    bloc.domenii[3] = m.domeniu_k[1];
    for (int j = 0; j < 4; ++j) bloc.parametri_dispersie[j] = m.parametri_dispersie[j];
}

void CopiazaBlocDispersieInMaterial(const tag_dispersieNou& bloc, MaterialOptic& m) {
    m.ec_dispersie_n = bloc.ec_dispersie_n;
    m.ec_dispersie_k = bloc.ec_dispersie_k;
    std::memcpy(m.coef_disp_n, octeti(bloc, offsetof(tag_dispersieNou, coef_disp_n)), MarimeCoeficienti);
    std::memcpy(m.coef_disp_k, octeti(bloc, offsetof(tag_dispersieNou, coef_disp_k)), MarimeCoeficienti);
    m.domeniu_n[0] = bloc.domenii[0];
    m.domeniu_n[1] = bloc.domenii[1];
    m.domeniu_k[0] = bloc.domenii[2];
    m.domeniu_k[1] = bloc.domenii[3];
    for (int j = 0; j < 4; ++j) m.parametri_dispersie[j] = bloc.parametri_dispersie[j];
}

void CopiazaCoeficienti(const tag_dispersieNou& bloc, int which, double coef[NumarCoeficientiDispersie]) {
    const std::size_t offset =
        which == 0 ? offsetof(tag_dispersieNou, coef_disp_n) : offsetof(tag_dispersieNou, coef_disp_k);
    std::memcpy(coef, octeti(bloc, offset), MarimeCoeficienti);
}

}  // namespace vitramor
