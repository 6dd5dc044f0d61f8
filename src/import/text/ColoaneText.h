#pragma once
// The reading rules of the manufacturers' text catalogues: lines of at most
// 4095 characters, columns split at one separator, and numbers read the plain
// way (what is no number is 0). Every real number is kept in single
// precision, as the catalogues' values were always kept, even where the
// record field holding it is a double.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vitramor {

inline constexpr int CaractereLinieText = 4095;   // the reader's buffer holds 4096 bytes with the NUL
inline constexpr int CaractereColoanaText = 127;  // the column buffer holds 128

// The columns of one line. A column runs from the read position up to the
// next separator, carriage return or line feed; its leading blanks go. With
// the tab separator the first ',' of a column becomes '.', so decimal commas
// read as numbers; the comma-separated catalogues cannot have them. A column
// longer than 127 characters keeps its first 127 and the rest is skipped up
// to the separator, so the columns after it stay where they are.
class ColoaneText {
public:
    // Only the first `maxim` columns are split when no later one is needed.
    ColoaneText(std::string_view linie, char separator, int maxim = 1 << 20);
    ColoaneText(const ColoaneText&) = delete;  // the columns point into text_
    ColoaneText& operator=(const ColoaneText&) = delete;

    // Column `numar`, counted from 1; columns missing at the end of the line
    // are empty.
    std::string_view coloana(int numar) const;
    int numar() const { return static_cast<int>(coloane_.size()); }

private:
    std::string text_;
    std::vector<std::string_view> coloane_;
};

// A real number: blanks skipped, an optional sign, digits with an optional
// decimal point and exponent, stopping at the first character that is not
// part of it. No number, or one beyond single precision, reads as 0.
float RealText(std::string_view text);
// An integer: blanks skipped, an optional sign and digits; a decimal part is
// not read ("52.3" is 52). No number, or one beyond 32 bits, reads as 0.
long IntregText(std::string_view text);
// An integer for a 16-bit field: values outside 0..65535 read as 0 rather
// than wrapping into another value.
std::uint16_t CuvantText(std::string_view text);

// Reads a catalogue line by line. A line longer than the buffer is read whole
// but keeps only its first 4095 characters: it stays one line, so every line
// after it keeps its number (and a list entry its glass). Bytes after a NUL
// are not part of the line, as with a C string.
class CititorLiniiText {
public:
    explicit CititorLiniiText(std::istream& in) : in_(in) {}

    // False at the end of the stream.
    bool citeste();
    const std::string& linie() const { return linie_; }
    // The last line read was longer than the buffer.
    bool lunga() const { return lunga_; }
    // Physical number of the last line read, from 1.
    int numarLinie() const { return numar_; }

private:
    std::istream& in_;
    std::string linie_;
    bool lunga_ = false;
    int numar_ = 0;
};

}  // namespace vitramor
