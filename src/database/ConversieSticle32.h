#pragma once
// The previous-generation database file sticle32.dat (records of 1216 bytes)
// converted into a database file of today's 2128-byte records, and the
// repair that folds producer codes above 14 into the evaporation code. Both
// read a whole input file and write a complete new output file, which goes
// through a work file and takes the output's name only when it is whole; an
// output file that existed becomes its next archive copy. An output that
// is not a regular file (a device, a FIFO, a directory) is refused. The
// database in use is not touched: the user puts the result in place.

#include <cstddef>
#include <string>

#include "operatie/Progres.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr std::size_t MarimeInregistrareVeche = 1216;

inline constexpr int IdComandaConversieSticle32 = 40080;  // "Creaza fisier Sticle32Nou.dat din STICLE32.DAT"
inline constexpr int IdComandaTest = 40041;               // "Test"

// The fixed names of the two commands, in the glass directory.
inline constexpr const char* NumeFisierVechi = "sticle32.dat";
inline constexpr const char* NumeFisierConvertit = "SticleNou32.dat";
inline constexpr const char* NumeFisierDeCorectat = "sticleNouX32.dat";
inline constexpr const char* NumeFisierCorectat = "1.tmp";

// The titles under which their outcomes are reported.
inline constexpr const char* TitluConversieSticle32 = "Conversie STICLE32.DAT";
inline constexpr const char* TitluCorectareProducatori = "ATENTIE !";

// One old record (1216 little-endian bytes) into a new record in host order.
// Whatever the old record does not give is zero; a maximum layer thickness
// that is not positive becomes 2000.
void ConvertesteInregistrareVeche(const unsigned char* vechi, MaterialOptic& nou);

struct RezultatConversie {
    std::size_t inregistrari = 0;  // records written
    std::size_t octetiRest = 0;    // partial record at the end of the input, not converted
};

// Converts the old file `vechi` into `nou`, asking first. Done with the
// records written counted as new; cancelled when the user declined or
// stopped it through `progres`; failed, with the reason, when it could not
// be done. `nou` changes only when done. The questions go through `intrebari`.
RezultatOperatie ConvertesteSticle32(Intrebari& intrebari, Fereastra owner, const std::string& vechi,
                                     const std::string& nou, RezultatConversie* rezultat = nullptr,
                                     Progres& progres = FaraProgres());

// Copies the database file `intrare` to `iesire` with every producer code
// above 14 set to 10; its outcome as the conversion's.
RezultatOperatie CorecteazaCoduriProducator(Intrebari& intrebari, Fereastra owner, const std::string& intrare,
                                            const std::string& iesire, RezultatConversie* rezultat = nullptr,
                                            Progres& progres = FaraProgres());

// The menu commands on the fixed names of the glass directory.
RezultatOperatie ComandaConvertesteSticle32(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle,
                                            Progres& progres = FaraProgres());
RezultatOperatie ComandaCorecteazaCoduriProducator(Intrebari& intrebari, Fereastra owner,
                                                   const std::string& directorSticle, Progres& progres = FaraProgres());

}  // namespace vitramor
