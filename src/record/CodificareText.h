#pragma once
// The one place where text changes encoding. Record texts (names, codes) and
// the producer, category and attribute files are Windows-1252 bytes: the
// files come from Windows machines, glass names and codes are ASCII in
// practice and the occasional accented letter comes from Western European
// catalogues. Everything that shows such a text (windows, lists, combo
// boxes, the command line) decodes it here, and everything that takes one
// from the user encodes it here, so a name copied from any list finds its
// material.

#include <QList>
#include <QString>
#include <cstddef>
#include <optional>
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

// UTF-8 to Windows-1252; nothing when the text is no valid UTF-8 or holds a
// character the code page cannot hold.
std::optional<std::string> Windows1252DinUtf8(std::string_view text);

// A Windows-1252 text for a widget, and back. A character the code page
// cannot hold becomes '?', as the Windows controls did.
QString TextQt(std::string_view windows1252);
inline QString TextQt(const char* camp, std::size_t marime) { return TextQt(TextCamp(camp, marime)); }
std::string Windows1252DinQt(const QString& text);

// Messages mix the system's own texts, file paths (UTF-8 here) and record
// texts (Windows-1252). Valid UTF-8 is taken as it is and anything else as
// Windows-1252: a record text with accents is almost never valid UTF-8.
std::string Utf8DinMesaj(std::string_view text);

}  // namespace vitramor
