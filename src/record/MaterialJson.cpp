#include "record/MaterialJson.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include "record/CampuriMaterial.h"
#include "record/CodificareText.h"

namespace vitramor {

namespace {

template <typename T>
std::string Zecimal(T v) {
    if (!std::isfinite(v)) return "null";
    char buffer[64];
    // Without a format or precision, to_chars gives the shortest text that
    // reads back to exactly v in T's own width.
    const auto rezultat = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, rezultat.ptr);
}

template <typename T>
T Element(const unsigned char* octeti, std::size_t offset) {
    T v;
    std::memcpy(&v, octeti + offset, sizeof v);
    return v;
}

cJSON* ValoareElement(const unsigned char* octeti, TipElement tip, std::size_t offset) {
    std::string text;
    switch (tip) {
        case TipElement::U8: text = std::to_string(Element<std::uint8_t>(octeti, offset)); break;
        case TipElement::U16: text = std::to_string(Element<std::uint16_t>(octeti, offset)); break;
        case TipElement::I16: text = std::to_string(Element<std::int16_t>(octeti, offset)); break;
        case TipElement::U32: text = std::to_string(Element<std::uint32_t>(octeti, offset)); break;
        case TipElement::F32: text = Zecimal(Element<float>(octeti, offset)); break;
        case TipElement::F64: text = Zecimal(Element<double>(octeti, offset)); break;
        case TipElement::Char: break;  // text fields are handled whole
    }
    if (text == "null") return cJSON_CreateNull();
    return cJSON_CreateRaw(text.c_str());
}

cJSON* ValoareCamp(const unsigned char* octeti, const CampMaterial& c) {
    if (c.tip == TipElement::Char) {
        const std::string text =
            Utf8DinWindows1252(TextCamp(reinterpret_cast<const char*>(octeti + c.offset), c.numar));
        return cJSON_CreateString(text.c_str());
    }
    if (c.numar == 1) return ValoareElement(octeti, c.tip, c.offset);
    cJSON* tablou = cJSON_CreateArray();
    if (!tablou) return nullptr;
    const std::size_t latime = MarimeElement(c.tip);
    for (std::size_t i = 0; i < c.numar; ++i) {
        cJSON* element = ValoareElement(octeti, c.tip, c.offset + i * latime);
        if (!element || !cJSON_AddItemToArray(tablou, element)) {
            cJSON_Delete(element);
            cJSON_Delete(tablou);
            return nullptr;
        }
    }
    return tablou;
}

bool AdaugaCamp(cJSON* obiect, const unsigned char* octeti, const CampMaterial& c) {
    cJSON* valoare = ValoareCamp(octeti, c);
    if (!valoare) return false;
    if (!cJSON_AddItemToObject(obiect, c.nume, valoare)) {
        cJSON_Delete(valoare);
        return false;
    }
    return true;
}

}  // namespace

std::string NumarScurt(float v) { return Zecimal(v); }
std::string NumarScurt(double v) { return Zecimal(v); }

cJSON* MaterialInJson(const MaterialOptic& m) {
    const auto* octeti = reinterpret_cast<const unsigned char*>(&m);
    cJSON* obiect = cJSON_CreateObject();
    if (!obiect) return nullptr;

    const auto generale = CampuriMaterial();
    const auto evaporare = EsteMaterialEvaporare(m) ? CampuriEvaporare() : std::span<const CampMaterial>{};
    // Both tables are in offset order; merge them, the general reading first
    // where both start at the same byte.
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < generale.size() || j < evaporare.size()) {
        const bool general = j == evaporare.size() || (i < generale.size() && generale[i].offset <= evaporare[j].offset);
        const CampMaterial& c = general ? generale[i++] : evaporare[j++];
        if (!AdaugaCamp(obiect, octeti, c)) {
            cJSON_Delete(obiect);
            return nullptr;
        }
    }
    return obiect;
}

std::string TextJsonMaterial(const MaterialOptic& m, bool formatat) {
    std::unique_ptr<cJSON, decltype(&cJSON_Delete)> obiect(MaterialInJson(m), &cJSON_Delete);
    if (!obiect) return {};
    std::unique_ptr<char, decltype(&cJSON_free)> text(
        formatat ? cJSON_Print(obiect.get()) : cJSON_PrintUnformatted(obiect.get()), &cJSON_free);
    return text ? std::string(text.get()) : std::string();
}

}  // namespace vitramor
