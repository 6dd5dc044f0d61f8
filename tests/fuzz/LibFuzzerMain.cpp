// The entry point of one libFuzzer program; VITRAMOR_HARNESS names the
// harness of FuzzHarnesses.h it drives.
#include <cstdlib>
#include <cstring>

#include "fuzz/FuzzHarnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* date, std::size_t n) {
    static const auto functie = [] {
        for (const auto& h : vitramor::fuzz::Harnessuri)
            if (std::strcmp(h.nume, VITRAMOR_HARNESS) == 0) return h.functie;
        std::abort();
    }();
    functie(date, n);
    return 0;
}
