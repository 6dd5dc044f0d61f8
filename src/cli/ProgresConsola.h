#pragma once
// How far a long command is, on the error stream, and only when that stream
// is a terminal: a script or a test that reads it sees exactly the text it
// always saw. Nothing stops the work here; Ctrl+C ends the program, and
// every rewrite leaves the old file whole until its last step.

#include <cstdio>

#include "operatie/Progres.h"

namespace vitramor::cli {

class ProgresConsola final : public Progres {
public:
    explicit ProgresConsola(std::FILE* err);
    // Clears the percentage it left.
    ~ProgresConsola() override;
    ProgresConsola(const ProgresConsola&) = delete;
    ProgresConsola& operator=(const ProgresConsola&) = delete;

    void pas(std::size_t facut, std::size_t total) override;
    bool anulat() const override { return false; }

private:
    std::FILE* err_;
    bool terminal_;
    int ultimulProcent_ = -1;
};

}  // namespace vitramor::cli
