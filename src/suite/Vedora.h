#pragma once
// The display library of the suite: numbered messages with our own texts,
// text blocks for the text windows. The window half (text window, frames,
// output choice, colours) is in VedoraUi.h.

#include <optional>
#include <string>

#include "platform/Platforma.h"

namespace vitramor {

// Shows message `numar` in a modal box of the given style (48 warning,
// 64 information, 36 yes/no question, 52 yes/no warning); returns the
// button (IDYES 6, IDNO 7, IDOK 1).
int eroare(const std::string& directorHelp, Fereastra owner, unsigned style, int numar);
// The same for code below the windows, which knows no help directory (the
// texts are built in): a message that only informs or warns.
int MesajNumarul(Fereastra owner, unsigned style, int numar);
// A numbered question, asked through the questions an operation was given.
int IntrebareNumarul(Intrebari& intrebari, Fereastra owner, unsigned style, int numar);

// The text of message `numar`; a number without a text of its own gets a
// generic text that names the number.
std::string ReturneazaMesajEroare(const std::string& directorHelp, int numar);

// A growing block of text lines, absent until the first line is added.
using BlocText = std::optional<std::string>;
// Appends one line (lines are separated by "\r\n", as the text windows show
// them); non-zero on success.
int AddTextRAM(BlocText& bloc, const std::string& linie);

}  // namespace vitramor
