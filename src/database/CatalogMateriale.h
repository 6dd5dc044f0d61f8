#pragma once
// The material catalogue library: finds, stores and deletes records in the
// database file of the glass directory and owns the producer table. Its
// dialogs are in CautaMaterialDialog.h (CautaMaterial) and
// suite/CatalixUi.h (TipMaterial, DispersieMaterial).
//
// The database file is CaleBazaDate(directorSticle) (Recuperare.h): the
// interface gives the library the glass directory only, so the file's name
// ("sticleNou32.dat" unless the user chose another for this run) is a
// setting of the run, read in that one place, and the library and the
// system's own listing and rewrites always work on the same file.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "operatie/Progres.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"

namespace vitramor {

enum OperatieCatalog : int {
    CautaOp = 2,        // find the first record of the name and fill the record
    SalveazaOp = 3,     // replace the first record of the same name in place, or append
    StergeOp = 4,       // delete the first record of the name
    StergeToateOp = 5,  // delete every record of the name
    CurataOp = 7,       // drop records that are not materials
    // Delete the first record of the name and of the material's producer:
    // two makers' glasses may share a name, and the open material is one of
    // them.
    StergeCuProducatorOp = 8,
};

// 0 on success; a non-zero error code otherwise (its message already shown).
int CautaMaterialOptic(const std::string& directorSticle, MaterialOptic& material, Fereastra owner, int operatie);

// The database of the glass directory checked for a fragment at its end, and
// mended on the user's Yes, as every opening does (AsiguraBazaDateIntreaga
// in FisierCatalog.h): the start of the GUI and of every command-line command
// asks it first. 0, or the code of the refusal or failure (reported).
int VerificaBazaDateIntreaga(Fereastra owner, const std::string& directorSticle);

// Operation 3 for many records at once, with the same result as storing
// them one after another: each replaces the first record of its name or is
// appended. The database is read once and the disk waited for once; a
// failed write leaves the file as it was. `coduri` gets each record's
// result; returns the first non-zero one, or 0.
int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri);

// What the one pass of a store found before it writes anything: for each
// material, the first record of its name in the file (host byte order), or
// null; and every name the file holds.
struct GasiteLaSalvare {
    std::vector<const MaterialOptic*> existente;
    const std::unordered_set<std::string>* numeInFisier = nullptr;
};
// What to do with each material: store it (under its name, or under
// `numeNou`, a name neither the file nor the other materials hold, which
// makes it a new record), or leave it (its code is then MaterialNestocat).
struct DecizieSalvare {
    bool salveaza = true;
    std::string numeNou;
};
// The decision is taken under the store's lock, after the file was read
// and before any byte is written, so that it sees the file as it will be
// changed. An exception thrown from it (a question nobody can answer)
// leaves the file as it was.
using DecideSalvarea = std::function<std::vector<DecizieSalvare>(const GasiteLaSalvare&)>;
int SalveazaMaterialeOptice(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                            Fereastra owner, std::vector<int>& coduri, const DecideSalvarea& decide);

// Wire layout of the library's search request (336 bytes); the system sets
// only the word at 40 (1) and the list control id at 332.
struct tag_OptiuniCautareMaterial {
    std::uint8_t rezervat_0[40];
    std::uint32_t cautaDupaProducator;  // 40
    std::uint8_t rezervat_44[288];
    std::uint32_t idLista;  // 332
};
static_assert(sizeof(tag_OptiuniCautareMaterial) == 336);

// The list lines of one producer's materials whose names match the pattern
// in material.nume ("*" and "?" wildcards), in file order; each line starts
// with the name and a tab. 0 on success.
int CautaMaterialOpticCuOptiuni(const std::string& directorSticle, const MaterialOptic& material, Fereastra owner,
                                int rezervat, const tag_OptiuniCautareMaterial& optiuni,
                                std::vector<std::string>& linii);

// The first record of each of the names, found in one pass over the file
// (a selection of thousands of materials costs one read, not one per name):
// gasite[i] is the record of nume[i], empty when the file has none. 0 on
// success; a pass stopped through `progres` also gives 0, and its caller
// looks at `progres.anulat()`.
using MaterialeGasite = std::vector<std::optional<MaterialOptic>>;
int CautaMaterialeOptice(const std::string& directorSticle, Fereastra owner, const std::vector<std::string>& nume,
                         MaterialeGasite& gasite, Progres& progres = FaraProgres());

// The same pass without keeping the records: `f(i, m)` is called once for
// each name nume[i] that the file holds, with its first record, one call at
// a time, in no particular order. A caller that only derives something small
// from each record pays no copy of it. 0 on success.
int ParcurgeMaterialeOptice(const std::string& directorSticle, Fereastra owner, const std::vector<std::string>& nume,
                            const std::function<void(std::size_t i, const MaterialOptic& m)>& f,
                            Progres& progres = FaraProgres());

// Producer entry, the 278-byte wire format of the producer table.
struct tag_ProducatorMatOptic {
    std::uint16_t cod;
    char nume[16];
    char director[260];
};
static_assert(sizeof(tag_ProducatorMatOptic) == 278);

inline constexpr const char* NumeFisierProducatori = "ProducatoriMatOptic.dat";

// The producer table operations. `linii` receives the list lines of modes
// 0 ("%2d\t%s\t%s") and 4 (the names, in code order).
enum ModProducatori : int {
    ListeazaProducatori = 0,
    IncarcaProducator = 1,
    StergeProducator = 2,
    SalveazaProducator = 3,
    ListeazaNumeProducatori = 4,
};
int IncarcaProducatoriSticla(Fereastra owner, const std::string& directorSticle, int mod, int& indexSelectat,
                             int& codMaxim, tag_ProducatorMatOptic& intrare, std::vector<std::string>* linii);

// Name of producer `cod` (0 to 14) from the glass directory's table, or the
// built-in name; 1 when it was one of the two.
int ReturneazaNumeProducatorMatOptic(const std::string& directorSticle, int cod, std::string& nume);
// Name of a record's producer code, cut to `marimeBuffer` - 1 characters.
void ReturneazaNumeCodProducatorSticla(const std::string& directorSticle, std::uint16_t cod, std::string& nume,
                                       int marimeBuffer);
// The same name as a value (Windows-1252, like every record text).
std::string NumeProducatorSticla(const std::string& directorSticle, std::uint16_t cod, int marimeBuffer = 64);

}  // namespace vitramor
