#pragma once
// Excel 97-2003 workbooks written record by record, so that a test can make
// the records other programs write, and the damaged ones none should.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vitramor::test {

// Little-endian fields of a record body.
std::string U16(unsigned v);
std::string U32(std::uint32_t v);
std::string F64(double v);
// A whole record: type, body length, body.
std::string Inregistrare(std::uint16_t tip, const std::string& corp);
std::string Inceput(std::uint16_t felSubflux);  // BOF: 5 workbook, 0x10 worksheet, 0x20 chart
std::string Sfarsit();                           // EOF

// The RK form of a number when it has one: an integer, an integer
// hundredth, or a double whose low 34 bits are zero.
std::optional<std::uint32_t> CodRk(double v);

// Cell records; rows and columns 0-based, texts UTF-8.
std::string CelulaNumar(unsigned r, unsigned c, double v);
std::string CelulaRk(unsigned r, unsigned c, std::uint32_t rk);
std::string CelulaMulRk(unsigned r, unsigned c, const std::vector<std::uint32_t>& rk);
std::string CelulaSst(unsigned r, unsigned c, std::uint32_t index);
std::string CelulaEticheta(unsigned r, unsigned c, const std::string& text);
std::string CelulaBoolErr(unsigned r, unsigned c, unsigned valoare, bool eroare);
// A FORMULA record with the 8 bytes of its last result.
std::string CelulaFormula(unsigned r, unsigned c, const std::string& rezultat);
// The STRING record that holds a formula's text result.
std::string TextFormula(const std::string& text);

// A shared string; its rich-text runs and phonetic bytes are filler.
struct TextComun {
    std::string text;
    std::uint16_t ruleri = 0;
    std::uint32_t fonetic = 0;
};
// The SST record, and CONTINUE records after it when a body would pass
// `limita` bytes. Characters that go on in a CONTINUE record start with a
// fresh width byte, 8-bit while they fit in 8 bits, so one string can
// change width from part to part as Excel's own strings do.
std::string TexteComune(const std::vector<TextComun>& texte, std::size_t limita = 8224);

struct FoaieXls {
    std::string nume;
    std::string inregistrari;  // between its BOF and EOF
    std::uint8_t fel = 0;      // of BOUNDSHEET8: 0 worksheet, 2 chart
};
// The Workbook stream: the workbook's BOF, one BOUNDSHEET8 for each sheet,
// `globale` and EOF, then each sheet's BOF, records and EOF.
std::string FluxRegistru(const std::vector<FoaieXls>& foi, const std::string& globale = {});
// A compound file that holds `flux` as its one stream.
void ScrieCompus(const std::string& fisier, const std::string& flux, const char* numeFlux = "Workbook");

}  // namespace vitramor::test
