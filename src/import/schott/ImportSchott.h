#pragma once
// Import of the Schott glass catalogue allglass.sch: one block of 195 text
// lines per glass, every property on a line of fixed position. Each glass is
// built in a record of its own and the catalogue is stored in one pass,
// updating Schott's glass of the same name. The reader takes a stream, so
// tests and the command line feed it directly; the menu command asks for
// the file with the file chooser.

#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "database/StocareMateriale.h"
#include "platform/Platforma.h"
#include "record/ConversiiMaterial.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr const char* NumeFisierSchott = "allglass.sch";
inline constexpr int IdComandaImportSchott = 40024;  // "Import sticle Schott (allglass.sch)"
inline constexpr std::uint16_t ProducatorSchott = 2;
inline constexpr std::int16_t EcuatieSellmeierSchott = 4;

inline constexpr int LiniiBlocSchott = 195;       // name line and 194 value lines
inline constexpr int CaractereLinieSchott = 78;   // the reader's buffer holds 78 characters and the NUL
inline constexpr int CaractereNumeSchott = 10;    // what the name line contributes to `nume`

// The catalogue's wavelengths (nm): index table slots 0 to 22 and
// transmittance slots 0 to 29, written into every imported glass.
inline constexpr int NumarIndiciSchott = 23;
inline constexpr int NumarTransmisiiSchott = 30;
extern const float LambdaIndiciSchott[NumarIndiciSchott];
extern const std::uint16_t LambdaTransmisieSchott[NumarTransmisiiSchott];

// Reads lines the way the catalogue was always read: at most 78 characters
// at a time, the line feed kept when it fits. A CR before the LF is dropped,
// as a text-mode read does. At the end of the file the last line read stays
// in the buffer.
class CititorLiniiSchott {
public:
    explicit CititorLiniiSchott(std::istream& in) : in_(in) {}

    // False at the end of the file (or a read error); the buffer then still
    // holds the previous line.
    bool citeste();
    // The line as a C string: up to its first NUL byte.
    const std::string& linie() const { return linie_; }
    // The last line read filled the buffer and its physical line goes on:
    // the rest will come as a line of its own and shift everything after it.
    bool linieLunga() const { return lunga_; }
    // Physical position of the last line read, 1-based.
    int numarLinie() const { return numar_; }

private:
    std::istream& in_;
    std::string linie_;
    bool lunga_ = false;
    bool continuare_ = false;  // the next read continues an over-long line
    int numar_ = 0;
};

// One glass as it stands in the file.
struct BlocSchott {
    std::array<std::string, LiniiBlocSchott> linii;
    int liniiCitite = 0;   // 1 to 195; lines after the last one read repeat it
    int primaLinie = 0;    // file line of the name line, 1-based
    int linieLunga = -1;   // index in the block of an over-long line, or -1
    bool complet() const { return liniiCitite == LiniiBlocSchott && linieLunga < 0; }
};

// Reads the next block. False when there is no name line left; a block cut
// by the end of the file or by an over-long line is returned as it is (the
// reading stops at an over-long line).
bool CitesteBlocSchott(CititorLiniiSchott& cititor, BlocSchott& bloc);

// The name of a name line: cut after 10 characters, without the line feed
// and trailing blanks, control characters and bytes from 0x80 up; the first
// character always stays.
std::string NumeDinLinieSchott(const std::string& linie);

// The last value line a glass record takes its data from: a block cut after
// it has lost nothing the record needs.
inline constexpr int UltimaLinieFolositaSchott = 112;

struct AvertizareSchott {
    int linieBloc;  // 0 to 194
    std::string text;
};

// Writes one block into the working record: clears slots 0 to 39 of the two
// tables, sets the name, the producer, the fixed wavelength tables, the
// equation and its ranges, and converts the value lines. Fields the catalogue
// does not give keep what the record held. Returns what did not read as the
// format wants (values that are no numbers, lines without a colon, ...).
std::vector<AvertizareSchott> ConvertesteBlocSchott(const BlocSchott& bloc, MaterialOptic& m);

// The line of the five chemical classes CR FR SR AR PR, "%d %d %d %d %d".
std::string TextClaseChimiceSchott(const MaterialOptic& m);

// Receives the classes line of each glass as it is read (the command
// line prints it); the window shows the classes as columns of the closing
// table instead.
using RaportSticlaSchott = std::function<void(const std::string& clase)>;

struct OptiuniImportSchott {
    Fereastra owner = nullptr;
    std::string directorSticle;  // the database the glasses go to
    std::string numeFisier = NumeFisierSchott;  // as the messages name the file
    RaportSticlaSchott raport;
    PoliticaConflict laConflict = PoliticaConflict::Intreaba;
    // The category entry the user picked for the glasses the Abbe diagram
    // cannot place (CategoriiImport), -1 for none.
    int categorie = -1;
};

inline constexpr const char* TitluImportSchott = "Import sticle Schott";

// Imports every glass of the stream, each built in a record of its own
// (a value that does not read never inherits the glass before), and
// stores them together through the one store. Warnings go to the message
// list. A block cut short or an over-long line stops the reading: that
// glass is refused with the reason, the glasses before it are stored. The
// closing table has the five chemical classes as columns.
RezultatOperatie ImportaSticleSchott(std::istream& in, const OptiuniImportSchott& optiuni,
                                     const SursaMateriale& sursa = {});

// The import of a file; one that cannot be opened is a failure that says
// "Fisierul <nume> nu poate fi deschis". The open materials are not touched.
RezultatOperatie ImportaFisierSchott(const std::string& cale, const OptiuniImportSchott& optiuni);

}  // namespace vitramor
