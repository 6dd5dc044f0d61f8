// The sheet's history: where a material came from and its last change,
// from the journal lines of its name and producer only.

#include "database/GlassDirFixture.h"
#include "material/FisaMaterial.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using FisaMaterialTest = GlassDirFixture;

TEST_F(FisaMaterialTest, HistoryNamesTheSourceAndTheLastChange) {
    const MaterialOptic m = namedRecord("N-BK7", 2);
    EXPECT_EQ(IstoricFisaMaterial(path_sticle, m),
              std::vector<std::string>{"Jurnalul nu are nicio inregistrare a acestui material."});
    d.write("JurnalMateriale.txt",
            "2024-01-02T10:00:00\tN-BK7\tShott Mainz\tnou\ta.agf\t0123456789abcdef\t-\n"
            "2024-02-02T10:00:00\tN-BK7\tOhara\tnou\to.agf\t-\t-\n"
            "2024-03-02T10:00:00\tN-BK7\tShott Mainz\teditat\t-\t-\tdensitate\n"
            "2024-04-02T10:00:00\tN-BK7\tShott Mainz\tsters");  // cut off by a crash
    EXPECT_EQ(IstoricFisaMaterial(path_sticle, m),
              (std::vector<std::string>{"Provine din: a.agf (SHA-256 0123456789ab...), nou la 2024-01-02T10:00:00",
                                        "Ultima schimbare: 2024-03-02T10:00:00, editat din editare; campuri: densitate",
                                        "Inregistrari in jurnal: 2"}));
}

}  // namespace
