#pragma once
// Builds the bytes of a material record (or of any other fixed block) by
// offset, independently of the struct, so tests compare the struct against
// the file format rather than against itself. Numbers are little-endian as
// in the file, or big-endian for the byte-order tests.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor::test {

class RecordImage {
public:
    explicit RecordImage(std::size_t size = MarimeMaterialOptic, char fill = '\0', bool bigEndian = false)
        : bytes_(size, fill), bigEndian_(bigEndian) {}

    RecordImage& u16(std::size_t off, std::uint16_t v) { return le(off, v, 2); }
    RecordImage& i16(std::size_t off, std::int16_t v) { return le(off, static_cast<std::uint16_t>(v), 2); }
    RecordImage& u32(std::size_t off, std::uint32_t v) { return le(off, v, 4); }
    RecordImage& f32(std::size_t off, float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        return le(off, u, 4);
    }
    RecordImage& f64(std::size_t off, double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        return le(off, u, 8);
    }
    RecordImage& text(std::size_t off, const std::string& s) {
        std::memcpy(&bytes_[off], s.data(), s.size());
        return *this;
    }
    RecordImage& byte(std::size_t off, std::uint8_t v) {
        bytes_[off] = static_cast<char>(v);
        return *this;
    }

    const std::string& bytes() const { return bytes_; }
    MaterialOptic record() const;

private:
    RecordImage& le(std::size_t off, std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) {
            const auto at = off + static_cast<std::size_t>(bigEndian_ ? n - 1 - i : i);
            bytes_[at] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
        return *this;
    }
    std::string bytes_;
    bool bigEndian_;
};

// The raw bytes of a record as they stand in memory.
std::string bytesOf(const MaterialOptic& m);
// A zero record with a name and producer, the usual building block of database tests.
MaterialOptic namedRecord(const std::string& name, std::uint16_t producer = 2);
// Concatenated records: the content of a database file.
std::string databaseOf(const std::vector<MaterialOptic>& records);
// The whole records of a database file's content, in file order.
std::vector<MaterialOptic> recordsOf(const std::string& bytes);

}  // namespace vitramor::test
