#include <cfloat>
#include <cstdio>
#include <string>

#include "checks/VerificariDispersie.h"
#include "cli/Cli.h"
#include "cli/ProgresConsola.h"
#include "settings/Directoare.h"

namespace vitramor::cli {

namespace {

// The report windows show the block as it is; here each of its lines
// becomes one line of standard output.
void ScrieRaport(std::FILE* out, const BlocText& raport) {
    if (!raport) return;
    const std::string& text = *raport;
    std::size_t inceput = 0;
    for (;;) {
        const std::size_t sfarsit = text.find("\r\n", inceput);
        const std::size_t lungime = sfarsit == std::string::npos ? std::string::npos : sfarsit - inceput;
        const std::string linie = text.substr(inceput, lungime);
        std::fprintf(out, "%s\n", linie.c_str());
        if (sfarsit == std::string::npos) break;
        inceput = sfarsit + 2;
    }
}

float CitestePrecizie(const std::string& text, const char* ce) {
    const double v = CitesteReal(text, ce);
    if (v < 0.0 || v > FLT_MAX) throw EroareUtilizare{std::string(ce) + " must be a number not below 0"};
    return static_cast<float>(v);
}

}  // namespace

int ComandaCheck(Context& c) {
    SetariVerificare setari;
    for (std::size_t i = 0; i < c.argumente.size(); ++i) {
        const std::string& a = c.argumente[i];
        const bool cuValoare = a == "--n-precision" || a == "--k-precision";
        if (cuValoare && i + 1 >= c.argumente.size()) throw EroareUtilizare{a + " needs a value"};
        if (a == "--n-precision") {
            setari.precizieN = CitestePrecizie(c.argumente[++i], "--n-precision");
        } else if (a == "--k-precision") {
            setari.precizieK = CitestePrecizie(c.argumente[++i], "--k-precision");
        } else if (a == "--no-n") {
            setari.verificaN = false;
        } else if (a == "--k") {
            setari.verificaK = true;
        } else {
            throw EroareUtilizare{"unknown argument \"" + a + "\""};
        }
    }
    BlocText raport;
    // A database that cannot be opened is a message, not report text.
    {
        ProgresConsola progres(c.err);
        std::string motiv;
        if (!VerificaBazaDate(nullptr, path_sticle, setari, raport, motiv, progres)) {
            if (!motiv.empty()) std::fprintf(c.err, "%s\n", motiv.c_str());
            return IesireEsec;
        }
    }
    ScrieRaport(c.out, raport);
    return IesireOk;
}

int ComandaReport(Context& c) {
    CereArgumente(c, 1, 1);
    MaterialOptic m;
    if (!GasesteMaterial(NumeMaterialDinArgument(c.argumente[0]), m)) return IesireEsec;
    BlocText raport;
    RaportMaterial(path_sticle, m, raport);
    ScrieRaport(c.out, raport);
    return IesireOk;
}

int ComandaProposeRanges(Context& c) {
    CereArgumente(c, 1, 1);
    const int producator = static_cast<int>(CitesteIntreg(c.argumente[0], "CODE", 0, 15));
    return IesireDinRezultat(TitluPropuneDomenii,
                             PropuneDomeniiSpectrale(platforma(), nullptr, path_sticle, producator));
}

}  // namespace vitramor::cli
