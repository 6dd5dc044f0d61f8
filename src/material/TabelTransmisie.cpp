#include "material/TabelTransmisie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "dispersion/ComenziDispersie.h"
#include "dispersion/EcuatieDispersie.h"
#include "material/CelulaNumerica.h"
#include "record/LimiteFizice.h"
#include "record/ConversiiMaterial.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int UltimulSlot = NumarSloturiEditabile - 1;

int primulSlot(const MaterialOptic& m) { return EsteMaterialEvaporare(m) ? SloturiTransmisieEvaporare : 0; }

void mutaSlot(MaterialOptic& m, int din, int in) {
    m.lambda_Ti[in] = m.lambda_Ti[din];
    m.transmisia_interna[in] = m.transmisia_interna[din];
}

void golesteSlot(MaterialOptic& m, int slot) {
    m.lambda_Ti[slot] = 0;
    m.transmisia_interna[slot] = 0.0f;
}

// An emptied cell is not "0" here: T = 0 is the opaque sample and a
// thickness of 0 shows every slot as clear, so either would be a silent
// change of meaning rather than "not given".
bool gol(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }


}  // namespace

bool EsteSlotTransmisie(const MaterialOptic& m, int slot) {
    return slot >= primulSlot(m) && slot < NumarSloturiTabel && m.lambda_Ti[slot] != 0;
}

bool SlotTransmisieEditabil(const MaterialOptic& m, int slot) {
    return slot >= primulSlot(m) && slot < NumarSloturiEditabile;
}

double TransmisieSlot(const MaterialOptic& m, int slot, float grosime) {
    return TransmisieInternaDinAbsorbtie(m.transmisia_interna[slot], grosime);
}

std::string TextTransmisie(double t) { return TextFormatat("%9.4f", t); }
std::string TextGrosimeTransmisie(float d) { return TextFormatat("%9.3f", static_cast<double>(d)); }
std::string TextLambdaTransmisie(std::uint16_t lambda) {
    return TextFormatat("%6d", static_cast<int>(lambda));
}

void AsiguraGrosimeTransmisie(MaterialOptic& m) {
    if (!(m.grosime_transmisie > 0.0f)) m.grosime_transmisie = 1.0f;
}

bool PreiaTransmisie(MaterialOptic& m, int slot, std::string_view text) {
    if (!SlotTransmisieEditabil(m, slot) || gol(text)) return false;
    const std::optional<double> t = CitesteNumarCelula(text);
    if (!t) return false;
    const std::optional<float> alfa = AbsorbtieDinTransmisieInterna(*t, m.grosime_transmisie);
    if (!alfa) return false;
    m.transmisia_interna[slot] = *alfa;
    return true;
}

bool PreiaLambdaTransmisie(MaterialOptic& m, int slot, std::string_view text) {
    if (!SlotTransmisieEditabil(m, slot)) return false;
    const std::optional<unsigned> v = CitesteIntregCelula(text, 65535);
    if (!v || (*v != 0 && !MotivLungimeUnda(*v).empty())) return false;
    m.lambda_Ti[slot] = static_cast<std::uint16_t>(*v);
    return true;
}

bool PreiaGrosimeTransmisie(MaterialOptic& m, std::string_view text) {
    const std::optional<float> d = gol(text) ? std::nullopt : CitesteFloatMinim(text, 0.0f);
    if (!d) return false;
    m.grosime_transmisie = *d;
    return true;
}

void StergeLambdaTransmisie(MaterialOptic& m) {
    for (int s = primulSlot(m); s < NumarSloturiEditabile; ++s) m.lambda_Ti[s] = 0;
}

void StergeTransmisii(MaterialOptic& m) {
    for (int s = primulSlot(m); s < NumarSloturiEditabile; ++s) m.transmisia_interna[s] = 0.0f;
}

void IncludeInainteTransmisie(MaterialOptic& m, int slot) {
    if (!SlotTransmisieEditabil(m, slot)) return;
    for (int s = UltimulSlot; s > slot; --s) mutaSlot(m, s - 1, s);
    golesteSlot(m, slot);
}

void IncludeDupaTransmisie(MaterialOptic& m, int slot) {
    if (slot < UltimulSlot) IncludeInainteTransmisie(m, slot + 1);
}

void StergeSlotTransmisie(MaterialOptic& m, int slot) {
    if (!SlotTransmisieEditabil(m, slot)) return;
    for (int s = slot; s < UltimulSlot; ++s) mutaSlot(m, s + 1, s);
    golesteSlot(m, UltimulSlot);
}

std::vector<PunctTransmisie> ListaTransmisie(const MaterialOptic& m, float grosime) {
    std::vector<PunctTransmisie> lista;
    for (int s = 0; s < NumarSloturiTabel; ++s)
        if (EsteSlotTransmisie(m, s)) lista.push_back({m.lambda_Ti[s], TransmisieSlot(m, s, grosime)});
    return lista;
}

std::optional<double> AbsorbtieLaLungimeUnda(const MaterialOptic& m, double lambda) {
    struct Punct {
        double lambda, alfa;
    };
    std::vector<Punct> p;
    for (int s = 0; s < NumarSloturiTabel; ++s)
        if (EsteSlotTransmisie(m, s) && AbsorbtieMasurata(m.transmisia_interna[s]))
            p.push_back({static_cast<double>(m.lambda_Ti[s]), m.transmisia_interna[s]});
    std::stable_sort(p.begin(), p.end(), [](const Punct& a, const Punct& b) { return a.lambda < b.lambda; });
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i].lambda == lambda) return p[i].alfa;
        if (i + 1 < p.size() && p[i].lambda < lambda && lambda < p[i + 1].lambda) {
            const double f = (lambda - p[i].lambda) / (p[i + 1].lambda - p[i].lambda);
            return p[i].alfa + f * (p[i + 1].alfa - p[i].alfa);
        }
    }
    return std::nullopt;
}

bool AreTabelK(const MaterialOptic& m) {
    return std::any_of(m.indice_k, m.indice_k + NumarSloturiEditabile, [](double k) { return k != 0.0; });
}

bool AbsorbtieMasurata(float alfa) { return alfa != AbsorbtieOpac && alfa != AbsorbtieOpacExport; }

std::vector<float> CalculeazaKDinTransmisie(MaterialOptic& m) {
    double k[NumarSloturiEditabile];
    std::vector<float> scrise;
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const double lambda = m.lambda_indici[s];
        const std::optional<double> alfa = lambda > 0.0 ? AbsorbtieLaLungimeUnda(m, lambda) : std::nullopt;
        // alpha is kept per millimetre, the wavelength in nanometres.
        k[s] = alfa ? *alfa * 1e-6 * lambda / (4.0 * std::numbers::pi) : 0.0;
        if (alfa) scrise.push_back(m.lambda_indici[s]);
    }
    if (scrise.empty()) return scrise;
    std::copy(std::begin(k), std::end(k), m.indice_k);
    m.ec_dispersie_k = EcuatieTabelata;
    DomeniuDinTabel(m, m.indice_k, m.domeniu_k);
    return scrise;
}

RezultatOperatie ComandaKDinTransmisie(Intrebari& intrebari, Fereastra owner, SetLucru& set) {
    if (set.gol()) return RezultatOperatie::Nimic();
    if (AreTabelK(set.curent()) &&
        intrebari.intreaba(owner, IntrebareSuprascriereK, TitluAplicatie(),
                           stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2) != raspuns::IDYES) {
        RezultatOperatie pastrat;
        pastrat.sarite = 1;
        return pastrat;
    }
    if (set.gol()) return RezultatOperatie::Nimic();
    const MaterialOptic inainte = set.curent();
    const std::vector<float> scrise = CalculeazaKDinTransmisie(set.curent());
    if (scrise.empty())
        return RezultatOperatie::Esec(
            "Niciun k calculat: nicio lungime de unda din tabelul de indici nu cade intre punctele "
            "de transmisie masurate. Materialul a ramas neschimbat.");
    std::string lungimi;
    for (float l : scrise) lungimi += TextFormatat(lungimi.empty() ? "%g" : ", %g", static_cast<double>(l));
    RezultatOperatie r;
    r.motiv = "S-au scris " + std::to_string(scrise.size()) + " valori k din transmisia interna, la " + lungimi +
              " nm; ecuatia k este acum tabelata.";
    r.actualizate = 1;
    set.modificat = 1;
    set.memoreazaAnterior(set.materialCurent, inainte);
    set.marcheazaSuprascris(set.materialCurent);
    if (const auto& hook = legaturiDispersie().reimprospateazaFereastraIndici) hook(set.materialCurent, 1);
    return r;
}

}  // namespace vitramor
