#pragma once
// AGF glass catalogues, the text format in which glass makers publish their
// catalogues for optical-design programs: one glass after another, each a
// group of lines that start with a two-letter keyword (NM name and formula,
// CD dispersion coefficients, ED thermal and density data, TD dn/dT
// constants, OD price and chemical classes, LD wavelength range, IT internal
// transmittance). The reader takes the file's bytes (ASCII, Latin-1, UTF-8
// or UTF-16 with a byte-order mark; LF or CRLF) and returns every glass with
// what was wrong with it. Makers write `-` for a value they do not know and
// leave off fields at the end of a line; such a value is not given, and the
// record keeps its empty value. A glass has an error, and is listed but never
// stored, only when it lacks what its index needs: a name, a formula that
// exists, the coefficients that formula reads.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dispersion/FormuleAgf.h"
#include "record/MaterialOptic.h"

namespace vitramor {

// Status of a glass in the NM line.
enum class StareSticlaAgf { Standard = 0, Preferata = 1, Retrasa = 2, Speciala = 3, Topitura = 4 };

// "standard", "preferred", "obsolete", "special", "melt", or the number.
std::string TextStareAgf(int stare);

struct PunctTransmisieAgf {
    double lambdaUm = 0.0;
    double tau = 0.0;
    double grosimeMm = 0.0;
};

struct SticlaAgf {
    int linie = 0;  // line of the NM line, 1-based
    std::string nume;  // Windows-1252 bytes
    int formula = 0;
    std::string mil;
    double nd = 0.0, vd = 0.0;  // 0 where the file gives none
    int stare = 0;
    std::array<double, CoeficientiAgfMaxim> cd{};
    int numarCd = 0;
    bool areCd = false;
    bool areEd = false;
    double dilatareJoasa = 0.0, dilatareInalta = 0.0, densitate = 0.0;
    bool areTd = false;
    double tg = 0.0;  // an eighth TD field, where a catalogue gives Tg there
    bool areOd = false;
    std::array<double, 6> od{-1, -1, -1, -1, -1, -1};  // relative cost, CR, FR, SR, AR, PR
    bool areLd = false;  // a range that is one: LD 0 0 is none
    double lambdaMinUm = 0.0, lambdaMaxUm = 0.0;
    std::vector<PunctTransmisieAgf> transmisie;
    // What keeps the glass from being stored; empty for a good glass.
    std::vector<std::string> erori;
    // What was skipped or guessed; the glass is still stored.
    std::vector<std::string> avertizari;

    bool importabila() const { return erori.empty(); }
    // Withdrawn glasses are listed but not selected unless the user asks.
    bool retrasa() const { return stare == static_cast<int>(StareSticlaAgf::Retrasa); }
};

struct CatalogAgf {
    std::vector<SticlaAgf> sticle;
    std::vector<std::string> comentarii;  // the CC lines
};

// The file's text as Windows-1252 bytes with its line ends: UTF-16 (either
// byte order, by its mark) and UTF-8 with a mark are converted, characters
// that code page has no place for become '?'; anything else is taken as
// Latin-1, which the catalogues' ASCII is.
std::string TextAgfWindows1252(std::string_view octeti);

// Reads a whole catalogue.
CatalogAgf CitesteCatalogAgf(std::string_view octeti);

// The record of one glass: zero-filled, then name, code (the MIL number, or
// the six-digit nd/vd code when the file has none), producer, equation,
// range (the default one when the file gives none), thermal, chemical and
// price data and the transmittance. Formula 1 is stored as equation code 1
// and formula 2 as code 4 exactly; the other formulas as their values at the
// standard wavelengths inside the range and the equation code that fits
// them closest over the range. Messages about the glass (the fitted code and
// its largest deviation, a transmittance table cut to 40 points, a name cut
// to 15 characters, a stored nd far from the catalogue's) are appended to
// `mesaje`.
void ConvertesteSticlaAgf(const SticlaAgf& s, std::uint16_t producator, MaterialOptic& m,
                          std::vector<std::string>& mesaje);

// The producer a catalogue's file name names ("SCHOTT.AGF", "hoya_2023.agf"),
// or -1.
int ProducatorDinNumeFisierAgf(std::string_view numeFisier);

}  // namespace vitramor
