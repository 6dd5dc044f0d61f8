#pragma once
// Import from another database file: the records of a file of the same
// format, listed by name, and the selected ones stored in the system's own
// database (updating a material of the same name and producer).
//
// The directory text is used as given: on this case-sensitive file system
// upper-casing it would name another directory.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "database/StocareMateriale.h"
#include "operatie/Progres.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

inline constexpr int IdComandaImportBazaDate = 40029;  // "Import din alt fisier STICLE32.DAT..."

// The names of every whole record of `director`/`fisier`, in file order, as
// the file's bytes. Failed with the reason when the directory or the file
// cannot be used or read (nothing is shown); a trailing fragment shorter
// than a record is reported in the message list and not listed.
RezultatOperatie ListeazaBazaDate(const std::string& director, const std::string& fisier,
                                  std::vector<std::string>& nume);

// Every whole record of `director`/`fisier` in file order, read once: the
// listing's and the release comparison's reading. Failed with the reason
// when the file cannot be used or read whole, cancelled when the pass was
// stopped through `progres`; nothing is shown.
RezultatOperatie ParcurgeFisierBazaDate(const std::string& director, const std::string& fisier,
                                        const std::function<void(const MaterialOptic&, std::size_t)>& f,
                                        Progres& progres = FaraProgres());

// Stores the records of the given indices (counted from 0 in file order)
// into the database of `directorSticle`, in file order, through the one store
// (conflicts with other makers' materials settled by `laConflict`). The
// source is read once, a block at a time, and every selected record is
// stored or refused by name. A source that cannot be used is a failure
// that says why.
RezultatOperatie ImportaDinBazaDate(Fereastra owner, const std::string& directorSticle, const std::string& director, const std::string& fisier,
                                    const std::vector<int>& indici, PoliticaConflict laConflict);

inline constexpr const char* TitluImportBazaDate = "Import din alt fisier de materiale";

}  // namespace vitramor
