#pragma once
// A glass directory of its own for each catalogue test, the scripted
// platform installed, and the directory globals put back afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

namespace vitramor::test {

struct CatalogFixture : ::testing::Test {
    ScriptedPlatform p;
    ScopedPlatform guard{p};
    TestDir d;
    std::filesystem::path cwd = std::filesystem::current_path();
    std::string savedSticle = path_sticle;
    std::string savedNume = nume_fisier_sticle;

    CatalogFixture() {
        nume_fisier_sticle = NumeFisierSticleImplicit;
        path_sticle = d.str();
    }
    ~CatalogFixture() override {
        // Every operation changes into the glass directory; each must come back.
        EXPECT_EQ(std::filesystem::current_path(), cwd);
        std::error_code ec;
        std::filesystem::current_path(cwd, ec);
        path_sticle = savedSticle;
        nume_fisier_sticle = savedNume;
    }

    std::string db() const { return d.read("sticleNou32.dat"); }
    std::string dbPath() const { return (d / "sticleNou32.dat").string(); }
};

}  // namespace vitramor::test
