#pragma once
// A glass directory of its own for each database test: path_sticle points
// into a scratch directory, the database name is the usual one, the scripted
// platform records every box, and the current directory is put back.

#include <gtest/gtest.h>

#include "fileutil/GardaDirectorCurent.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

namespace vitramor::test {

inline MaterialOptic withCategory(const std::string& name, std::uint16_t producer, std::uint16_t category) {
    MaterialOptic m = namedRecord(name, producer);
    m.categorie = category;
    return m;
}

class GlassDirFixture : public ::testing::Test {
protected:
    GlassDirFixture() : savedGlass_(path_sticle), savedName_(nume_fisier_sticle) {
        path_sticle = d.str();
        nume_fisier_sticle = NumeFisierSticleImplicit;
    }
    ~GlassDirFixture() override {
        path_sticle = savedGlass_;
        nume_fisier_sticle = savedName_;
    }

    void writeDb(const std::string& bytes) const { d.write("sticleNou32.dat", bytes); }
    std::string db() const { return d.read("sticleNou32.dat"); }
    std::string archive(int i) const { return d.read("sticleNou32#_" + std::to_string(i) + ".dat"); }

    CurrentDirGuard cwd;
    TestDir d;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};

private:
    std::string savedGlass_;
    std::string savedName_;
};

}  // namespace vitramor::test
