#pragma once
// Runs the real vitramor-cli on a glass directory of its own, with the
// settings file in a scratch directory, and collects its streams and exit
// status.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/RecordImage.h"
#include "support/TestDir.h"

namespace vitramor::test {

struct Rezultat {
    int cod = -1;
    std::string out, err;
};

class CliFixture : public ::testing::Test {
protected:
    TestDir dir;
    TestDir lucru;
    std::string optiuni;  // global options placed before every command
    std::string locala = "C.UTF-8";  // the terminal's: texts in and out as UTF-8

    // `inainte` runs in the same shell first, e.g. to set a limit.
    Rezultat ruleaza(const std::string& argumente, const std::string& inainte = "true") {
        const auto out = lucru / "out.txt";
        const auto err = lucru / "err.txt";
        const std::string comanda = inainte + "; LC_ALL=" + locala + " VITRAMOR_SETTINGS='" + (lucru / "s.ini").string() + "' '" VITRAMOR_CLI_PATH
                                    "' --glass-dir '" + dir.str() + "' " + optiuni + " " + argumente +
                                    " </dev/null >'" + out.string() + "' 2>'" + err.string() + "'";
        const int stare = std::system(comanda.c_str());
        Rezultat r;
        r.cod = WIFEXITED(stare) ? WEXITSTATUS(stare) : -1;
        r.out = readFile(out);
        r.err = readFile(err);
        return r;
    }
    // A file of the scratch directory, its path quoted for the command line.
    std::string fisier(const std::string& nume, const std::string& text) {
        lucru.write(nume, text);
        return "'" + (lucru / nume).string() + "'";
    }
    // The database's records as the program left them.
    std::vector<MaterialOptic> recorduri() const {
        return recordsOf(dir.exists("sticleNou32.dat") ? dir.read("sticleNou32.dat") : "");
    }
};

}  // namespace vitramor::test
