#pragma once
// The named fields of the material record as data: name, offset, element type
// and count, in offset order. The JSON view of a record and the byte-order
// conversion walk these tables instead of repeating the layout; the entries
// are checked against the struct at compile time (CampuriMaterial.cpp).
// Reserved ranges are not named fields and are not listed.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vitramor {

enum class TipElement : std::uint8_t { U8, U16, I16, U32, F32, F64, Char };

constexpr std::size_t MarimeElement(TipElement tip) {
    switch (tip) {
        case TipElement::U8:
        case TipElement::Char: return 1;
        case TipElement::U16:
        case TipElement::I16: return 2;
        case TipElement::U32:
        case TipElement::F32: return 4;
        case TipElement::F64: return 8;
    }
    return 0;
}

struct CampMaterial {
    const char* nume;
    std::size_t offset;
    TipElement tip;
    std::size_t numar;  // elements; 1 for a scalar, the buffer size for text
    // Another reading of bytes that an earlier entry already names with the
    // same element type (`lidt` is `lidt_evaporare[2..4]`); walks that touch
    // each byte once skip these.
    bool vedere = false;

    constexpr std::size_t latime() const { return numar * MarimeElement(tip); }
    constexpr std::size_t sfarsit() const { return offset + latime(); }
};

// The general layout, every producer.
std::span<const CampMaterial> CampuriMaterial();
// The evaporation overlay (producer 10): `rata_evaporare`, `incredere`,
// `puritate`. They reuse bytes of `lambda_Ti` and `lidt_lambda` with another
// type; the overlay ranges whose type does not change (`dilatare`,
// `temperaturi`) are read through the general entries.
std::span<const CampMaterial> CampuriEvaporare();

}  // namespace vitramor
