#pragma once
// The demo glass directory: a small database of real materials and the text
// files around it, built in memory so that the generator writes it and the
// test can check the committed copy against a fresh build.

#include <string>
#include <vector>

#include "record/MaterialOptic.h"

namespace vitramor::demo {

struct FisierDemo {
    std::string nume;      // file name inside the glass directory
    std::string continut;  // its exact bytes
};

// The demo materials in database order, in host byte order.
std::vector<MaterialOptic> MaterialeDemo();

// Every file of the demo directory: the database, the category file, the two
// role files and the producer table.
std::vector<FisierDemo> FisiereDemo();

}  // namespace vitramor::demo
