#pragma once
// One entry point per parser of outside data, taking raw bytes. The same
// functions run in the test suite (a fixed seed, a small corpus, bounded in
// time) and, built with clang and VITRAMOR_LIBFUZZER, as libFuzzer targets
// for longer runs. Each returns normally whatever the bytes are; crashes,
// sanitizer reports and broken invariants (reported through abort) are the
// findings.

#include <cstddef>
#include <cstdint>

namespace vitramor::fuzz {

void BazaDate(const std::uint8_t* date, std::size_t n);        // the database file
void CatalogSchott(const std::uint8_t* date, std::size_t n);   // allglass.sch
void FisierJson(const std::uint8_t* date, std::size_t n);      // SubstrateMaterials.json
void FisierText(const std::uint8_t* date, std::size_t n);      // category and attribute files
void FisierRecuperare(const std::uint8_t* date, std::size_t n);  // the recovery file
void FisierCatalogText(const std::uint8_t* date, std::size_t n);     // manufacturer text catalogues
void FisierAgf(const std::uint8_t* date, std::size_t n);      // AGF glass catalogues
void FisierRii(const std::uint8_t* date, std::size_t n);     // refractiveindex.info files
void FisierXlsx(const std::uint8_t* date, std::size_t n);    // .xlsx workbooks
void FisierCsv(const std::uint8_t* date, std::size_t n);     // CSV catalogue tables
void FisierAsocieri(const std::uint8_t* date, std::size_t n);  // *.aso association files
void FisierXls(const std::uint8_t* date, std::size_t n);     // Excel 97-2003 workbooks
void ExportRecord(const std::uint8_t* date, std::size_t n);  // a record through the AGF and YAML exports and back

struct Harness {
    const char* nume;  // also the corpus folder under tests/fuzz/corpus
    void (*functie)(const std::uint8_t*, std::size_t);
};
inline constexpr Harness Harnessuri[] = {
    {"database", BazaDate}, {"schott", CatalogSchott}, {"json", FisierJson},
    {"text", FisierText},   {"recovery", FisierRecuperare}, {"textcatalog", FisierCatalogText},
    {"agf", FisierAgf},    {"rii", FisierRii},     {"xlsx", FisierXlsx},
    {"csv", FisierCsv},    {"aso", FisierAsocieri}, {"xls", FisierXls},
    {"export", ExportRecord},
};

}  // namespace vitramor::fuzz
