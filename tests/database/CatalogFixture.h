#pragma once
// The glass directory of the database tests, with one more promise checked:
// every catalogue operation changes into the glass directory and must come back.

#include "database/GlassDirFixture.h"

namespace vitramor::test {

struct CatalogFixture : GlassDirFixture {
    ~CatalogFixture() override { EXPECT_EQ(std::filesystem::current_path(), cwd.saved()); }
    std::string dbPath() const { return (d / "sticleNou32.dat").string(); }
};

}  // namespace vitramor::test
