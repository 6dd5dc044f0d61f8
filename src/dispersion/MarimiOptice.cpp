#include "dispersion/MarimiOptice.h"

#include <cstdio>
#include <limits>

#include "dispersion/EcuatieDispersie.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// Catalogue tables quote their lines to two decimals (587.56 for 587.5618);
// half a nanometre moves n by a few 1e-6 at most in the visible.
constexpr float ToleranteSlot = 0.5f;

bool AreEcuatieN(const MaterialOptic& m) {
    // Code 0 is a constant: a record that has only that (every new material
    // has) carries its data in the table, and a constant has no dispersion.
    return m.ec_dispersie_n != 0 && EsteEcuatieDispersie(m.ec_dispersie_n);
}

double IndiceDinTabel(const MaterialOptic& m, float lambda) {
    int sub = -1, peste = -1;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        const float l = m.lambda_indici[i];
        const double n = m.indice_n[i];
        if (!(l > 0.0f) || !(n > 0.0)) continue;
        if (std::fabs(l - lambda) <= ToleranteSlot) return n;
        if (l < lambda && (sub < 0 || l > m.lambda_indici[sub])) sub = i;
        if (l > lambda && (peste < 0 || l < m.lambda_indici[peste])) peste = i;
    }
    if (sub < 0 || peste < 0) return NAN;
    // Between two lines n follows a + b/λ² far more closely than a straight
    // line in λ: the Cauchy form is the leading term of every glass formula.
    const double u0 = 1.0 / (double(m.lambda_indici[sub]) * m.lambda_indici[sub]);
    const double u1 = 1.0 / (double(m.lambda_indici[peste]) * m.lambda_indici[peste]);
    const double u = 1.0 / (double(lambda) * lambda);
    const double n0 = m.indice_n[sub], n1 = m.indice_n[peste];
    return n0 + (n1 - n0) * (u - u0) / (u1 - u0);
}

double Raport(double numarator, double numitor) {
    if (!AreValoare(numarator) || !AreValoare(numitor) || numitor == 0.0) return NAN;
    return numarator / numitor;
}

// n at the d, F, C and g lines of a Sellmeier record (code 4) in one loop of
// the same arithmetic as the general evaluation, single-precision result
// included: a whole database's summary spends most of its time here. False
// when the record has another equation or a line gives no value, and the
// general path decides.
bool PrincipaleSellmeier(const MaterialOptic& m, double (&n)[4]) {
    if (m.ec_dispersie_n != 4) return false;
    static constexpr float Linii[4] = {LambdaLiniaD, LambdaLiniaF, LambdaLiniaC, LambdaLiniaG};
    const double* c = m.coef_disp_n;
    bool toate = true;
    for (int i = 0; i < 4; ++i) {
        const float lambda2f = Linii[i] * Linii[i];
        const double L = lambda2f / 1.0e6f;
        const double n2 = 1.0 + c[0] * L / (L - c[3]) + c[1] * L / (L - c[4]) + c[2] * L / (L - c[5]);
        const double v = std::sqrt(n2);
        const float f = v > std::numeric_limits<float>::max() ? std::numeric_limits<float>::infinity()
                                                             : static_cast<float>(v);
        toate = toate && n2 > 0.0 && f >= std::numeric_limits<float>::min();
        n[i] = f;
    }
    return toate;
}

}  // namespace

double IndiceNLa(const MaterialOptic& m, float lambda) {
    if (AreEcuatieN(m)) {
        float n = 0.0f;
        if (IndiceDinEcuatieDispersie(m, 0, lambda, n) == IndiceValid) return n;
    }
    return IndiceDinTabel(m, lambda);
}

MarimiOptice CalculeazaMarimiOptice(const MaterialOptic& m) {
    MarimiOptice r;
    r.nd = IndiceNLa(m, LambdaLiniaD);
    r.ne = IndiceNLa(m, LambdaLiniaE);
    const double nF = IndiceNLa(m, LambdaLiniaF), nC = IndiceNLa(m, LambdaLiniaC);
    const double nFp = IndiceNLa(m, LambdaLiniaFPrim), nCp = IndiceNLa(m, LambdaLiniaCPrim);
    const double ng = IndiceNLa(m, LambdaLiniaG), nt = IndiceNLa(m, LambdaLiniaT);
    const double dispersieFC = nF - nC;
    r.vd = Raport(r.nd - 1.0, dispersieFC);
    r.ve = Raport(r.ne - 1.0, nFp - nCp);
    r.pgF = Raport(ng - nF, dispersieFC);
    r.pCt = Raport(nC - nt, dispersieFC);
    if (AreValoare(r.pgF) && AreValoare(r.vd)) r.deltaPgF = r.pgF - (NormalaPgFA + NormalaPgFB * r.vd);
    return r;
}

MarimiOptice CalculeazaMarimiPrincipale(const MaterialOptic& m) {
    MarimiOptice r;
    double n[4];
    if (!PrincipaleSellmeier(m, n)) {
        n[0] = IndiceNLa(m, LambdaLiniaD);
        n[1] = IndiceNLa(m, LambdaLiniaF);
        n[2] = IndiceNLa(m, LambdaLiniaC);
        n[3] = NAN;
    }
    r.nd = n[0];
    const double nF = n[1], nC = n[2];
    r.vd = Raport(r.nd - 1.0, nF - nC);
    // Without vd there is no point to place and no P g,F worth a line.
    if (!AreValoare(r.vd)) return r;
    r.pgF = Raport((std::isnan(n[3]) ? IndiceNLa(m, LambdaLiniaG) : n[3]) - nF, nF - nC);
    if (AreValoare(r.pgF)) r.deltaPgF = r.pgF - (NormalaPgFA + NormalaPgFB * r.vd);
    return r;
}

std::string TextMarimiOptice(const MarimiOptice& q) {
    const struct {
        const char* eticheta;
        double valoare;
        int zecimale;
    } parti[] = {{"nd", q.nd, 6},     {"ne", q.ne, 6},     {"vd", q.vd, 2},           {"ve", q.ve, 2},
                 {"P g,F", q.pgF, 4}, {"P C,t", q.pCt, 4}, {"dP g,F", q.deltaPgF, 4}};
    std::string text;
    for (const auto& p : parti) {
        const char* separator = text.empty() ? "" : "  ";
        if (AreValoare(p.valoare))
            text += TextFormatat("%s%s %.*f", separator, p.eticheta, p.zecimale, p.valoare);
        else
            text += TextFormatat("%s%s -", separator, p.eticheta);
    }
    return text;
}

}  // namespace vitramor
