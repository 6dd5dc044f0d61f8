// Storing many records at once gives the file that storing them one by one
// would give.
#include <cstring>

#include "suite/CatalogFixture.h"
#include "suite/Catalix.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

MaterialOptic Rec(const char* nume, std::uint16_t producator) { return namedRecord(nume, producator); }

std::string Octeti(std::initializer_list<MaterialOptic> r) {
    std::string s;
    for (const MaterialOptic& m : r) s.append(reinterpret_cast<const char*>(&m), sizeof m);
    return s;
}

TEST_F(CatalogFixture, ABatchStoresLikeOneStoreAfterAnother) {
    struct Caz {
        std::string inainte;
        std::string dupa;
    };
    const Caz cazuri[] = {
        {"", Octeti({Rec("B", 2), Rec("C", 4)})},                                   // no file yet
        {Octeti({Rec("A", 1), Rec("B", 1)}), Octeti({Rec("A", 1), Rec("B", 2), Rec("C", 4)})},
        // A partial tail is dropped as operation 3 drops it.
        {Octeti({Rec("B", 1)}) + "xyz", Octeti({Rec("B", 2), Rec("C", 4)})},
    };
    for (const Caz& c : cazuri) {
        if (c.inainte.empty())
            std::filesystem::remove(dbPath());
        else
            d.write("sticleNou32.dat", c.inainte);
        std::vector<int> coduri;
        const std::vector<MaterialOptic> lot = {Rec("B", 3), Rec("C", 3), Rec("B", 2), Rec("C", 4), Rec("", 5)};
        EXPECT_NE(SalveazaMaterialeOptice(path_sticle, lot, nullptr, coduri), 0);  // the nameless one
        EXPECT_EQ(coduri, (std::vector<int>{0, 0, 0, 0, 2}));
        EXPECT_EQ(db(), c.dupa);
    }
}

}  // namespace
