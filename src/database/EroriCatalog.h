#pragma once
// The results of the catalogue library's file operations. 0 is success; every
// other code names what went wrong, and its message has already been shown
// through the platform when the caller sees it (callers such as the Excel
// update print the number in their own question).

namespace vitramor {

enum CodEroareCatalog : int {
    CatalogOk = 0,
    EroareOperatieNecunoscuta = 1,  // an operation number the library does not have
    EroareNumeMaterial = 2,         // empty name, or a name the file must not hold
    EroareDirectorSticle = 3,       // glass directory not set or not enterable
    EroareFisierLipsa = 4,          // the database file does not exist
    EroareDeschidereFisier = 5,     // the file exists but cannot be opened, or is not a regular file
    EroareCitireFisier = 6,         // a read failed part-way
    EroareScriereFisier = 7,        // a write failed (full disk, size limit, I/O); the file was kept
    EroareMaterialNegasit = 8,      // no record of that name
    EroareInlocuireFisier = 9,      // the rewritten file could not take the old one's place
    EroareOperatieAnulata = 10,     // the user declined to overwrite a leftover temporary file
    EroareFisierBlocat = 11,        // another program held the database too long
    EroareBazaDateIncompleta = 12,  // the file ends in part of a record and the user kept it so
    MaterialNestocat = 13,          // a store of many left this one out, as its caller decided
};

}  // namespace vitramor
