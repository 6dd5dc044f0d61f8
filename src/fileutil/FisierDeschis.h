#pragma once
// The one owner of a C stream: every FILE* the program opens is held by one,
// so that no early return leaves a file open.

#include <cstdio>

namespace vitramor {

// A FILE* that closes itself, written so that the file helpers that take and
// clear `std::FILE*&` can be handed its member.
struct FisierDeschis {
    std::FILE* f = nullptr;
    FisierDeschis() = default;
    explicit FisierDeschis(std::FILE* deschis) : f(deschis) {}
    FisierDeschis(const FisierDeschis&) = delete;
    FisierDeschis& operator=(const FisierDeschis&) = delete;
    ~FisierDeschis() { inchide(); }
    // fclose's result: false when buffered data could not be written (errno
    // says why). A writer checks it: its data is not on the disk otherwise.
    bool inchide();
};

}  // namespace vitramor
