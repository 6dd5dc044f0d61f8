#include "cli/ProgresConsola.h"

#include <unistd.h>

namespace vitramor::cli {

ProgresConsola::ProgresConsola(std::FILE* err) : err_(err), terminal_(err && ::isatty(::fileno(err)) == 1) {}

ProgresConsola::~ProgresConsola() {
    if (ultimulProcent_ < 0) return;
    // Blanks where the figure was, or on the fresh line a later message
    // left the cursor on: either way nothing shows.
    std::fputs("    \r", err_);
    std::fflush(err_);
}

void ProgresConsola::pas(std::size_t facut, std::size_t total) {
    if (!terminal_ || total == 0) return;
    const int procent = static_cast<int>(facut * 100 / total);
    if (procent == ultimulProcent_) return;
    ultimulProcent_ = procent;
    // The cursor goes back to the start of the line: a message the work
    // prints next writes over the figure instead of after it.
    std::fprintf(err_, "%3d%%\r", procent);
    std::fflush(err_);
}

}  // namespace vitramor::cli
