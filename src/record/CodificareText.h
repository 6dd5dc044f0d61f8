#pragma once
// The record's text fields on other platforms. The files come from Windows
// machines whose 8-bit code page we cannot know from the bytes; glass names
// and codes are ASCII in practice and the occasional accented letter comes
// from Western European catalogues, so text fields are read as Windows-1252.

#include <cstddef>
#include <string>
#include <string_view>

namespace vitramor {

// The bytes of a fixed-size text field up to its first NUL (all of them when
// the field has none).
std::string_view TextCamp(const char* camp, std::size_t marime);

// Windows-1252 to UTF-8. The five byte values that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of the same
// number, as Windows itself converts them, so no byte is lost.
std::string Utf8DinWindows1252(std::string_view text);

}  // namespace vitramor
