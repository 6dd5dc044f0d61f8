#include <cstring>
#include <filesystem>

#include "database/CatalogFixture.h"
#include "database/CatalogMateriale.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// The 278 bytes of an entry, by offset: code (u16 LE) at 0, name at 2, directory at 18.
std::string entryBytes(std::uint16_t code, const std::string& name, const std::string& dir) {
    std::string b(278, '\0');
    b[0] = static_cast<char>(code & 0xFF);
    b[1] = static_cast<char>(code >> 8);
    std::memcpy(&b[2], name.data(), name.size());
    std::memcpy(&b[18], dir.data(), dir.size());
    return b;
}

tag_ProducatorMatOptic entry(const std::string& bytes) {
    tag_ProducatorMatOptic e;
    std::memcpy(&e, bytes.data(), sizeof e);
    return e;
}

std::string bytesOf(const tag_ProducatorMatOptic& e) { return std::string(reinterpret_cast<const char*>(&e), sizeof e); }

struct Producers : CatalogFixture {
    int index = -1, maxCode = -1;
    std::vector<std::string> lines;
    int run(int mode, tag_ProducatorMatOptic& e) {
        return IncarcaProducatoriSticla(nullptr, d.str(), mode, index, maxCode, e, &lines);
    }
    int run(int mode, std::uint16_t code) {
        tag_ProducatorMatOptic e = entry(entryBytes(code, "", ""));
        return run(mode, e);
    }
    std::string table() const { return d.read(NumeFisierProducatori); }
    std::string name(std::uint16_t code, int size = 64) const {
        std::string n;
        ReturneazaNumeCodProducatorSticla(d.str(), code, n, size);
        return n;
    }
};

}  // namespace

TEST_F(Producers, WithoutATableEveryModeButStoreFailsQuietlyAndNamesAreBuiltIn) {
    for (int mode : {ListeazaProducatori, IncarcaProducator, StergeProducator, ListeazaNumeProducatori}) {
        EXPECT_EQ(run(mode, 1), 0) << mode;
    }
    EXPECT_TRUE(p.casete.empty());
    EXPECT_TRUE(d.files().empty());

    EXPECT_EQ(name(0), "Rusia");
    EXPECT_EQ(name(200), "Producator 200");
    EXPECT_EQ(name(14, 47), "Saint Gobain");
    EXPECT_EQ(name(14, 6), "Saint");
    std::string n;
    EXPECT_EQ(ReturneazaNumeProducatorMatOptic(d.str(), 3, n), 1);
    EXPECT_EQ(n, "Hoya");
    EXPECT_EQ(ReturneazaNumeProducatorMatOptic(d.str(), 20, n), 0);
    EXPECT_EQ(n, "Producator 20");
}

TEST_F(Producers, ModesRoundTripThroughTheFile) {
    const std::string sopra = entryBytes(5, "Sopra SA", "/x/sopra");
    const std::string schott = entryBytes(2, "Schott", "/x/schott");

    // The first store creates the table.
    tag_ProducatorMatOptic e = entry(sopra);
    ASSERT_EQ(run(SalveazaProducator, e), 1);
    EXPECT_EQ(table(), sopra);
    EXPECT_EQ(maxCode, 5);
    EXPECT_TRUE(p.casete.empty());

    // Later stores keep the table sorted by code and archive the old one.
    e = entry(schott);
    ASSERT_EQ(run(SalveazaProducator, e), 1);
    EXPECT_EQ(table(), schott + sopra);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(d.read("ProducatoriMatOptic#_0.dat"), sopra);
    EXPECT_EQ(p.texte(), std::vector<std::string>{"S-a creat fisierul arhiva ProducatoriMatOptic#_0.dat"});

    // Replacing by code; leftovers after the NUL of the caller's buffers are not stored.
    std::string dirty = entryBytes(5, "Sopra2", "/y");
    std::memcpy(&dirty[2 + 7], "junk", 4);
    std::memcpy(&dirty[18 + 3], "junk", 4);
    e = entry(dirty);
    ASSERT_EQ(run(SalveazaProducator, e), 1);
    const std::string sopra2 = entryBytes(5, "Sopra2", "/y");
    EXPECT_EQ(table(), schott + sopra2);
    EXPECT_EQ(index, 1);

    ASSERT_EQ(run(ListeazaProducatori, 0), 1);
    EXPECT_EQ(lines, (std::vector<std::string>{" 2\tSchott\t/x/schott", " 5\tSopra2\t/y"}));
    EXPECT_EQ(maxCode, 5);

    ASSERT_EQ(run(ListeazaNumeProducatori, 0), 1);
    ASSERT_EQ(lines.size(), 16u);  // the built-in names where the table has none
    EXPECT_EQ((std::vector<std::string>{lines[2], lines[3], lines[5], lines[15]}),
              (std::vector<std::string>{"Schott", "Hoya", "Sopra2", "Producator_16"}));

    tag_ProducatorMatOptic loaded = entry(entryBytes(5, "?", ""));
    ASSERT_EQ(run(IncarcaProducator, loaded), 1);
    EXPECT_EQ(bytesOf(loaded), sopra2);
    EXPECT_EQ(index, 1);

    p.casete.clear();
    EXPECT_EQ(run(IncarcaProducator, 9), 0);
    EXPECT_EQ(run(StergeProducator, 9), 0);
    EXPECT_EQ(p.texte(), std::vector<std::string>(2, "Producatorul cu codul 9 nu exista in " +
                                                         (d / NumeFisierProducatori).string()));

    ASSERT_EQ(run(StergeProducator, 2), 1);
    EXPECT_EQ(table(), sopra2);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(maxCode, 5);

    // Deleting the last entry leaves no table, only its archive: back to the built-in names.
    ASSERT_EQ(run(StergeProducator, 5), 1);
    EXPECT_FALSE(d.exists(NumeFisierProducatori));
    EXPECT_EQ(run(ListeazaProducatori, 0), 0);
    EXPECT_EQ(name(5), "Sopra");
}

TEST_F(Producers, NameListLeavesNoCodeWithoutItsLine) {
    // The combos read the selected index as the producer code.
    d.write(NumeFisierProducatori, entryBytes(20, "Acme", "") + entryBytes(0, "Lzos", ""));
    ASSERT_EQ(run(ListeazaNumeProducatori, 0), 1);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "Lzos");
    EXPECT_EQ(lines[1], "Jena GW");
    EXPECT_EQ(lines[17], "Producator 17");
    EXPECT_EQ(lines[20], "Acme");
    EXPECT_EQ(maxCode, 20);
}

TEST_F(Producers, NameFunctionsFollowTheTableOfTheGlassDirectory) {
    d.write(NumeFisierProducatori, entryBytes(3, "HOYA Corp", "") + entryBytes(40, "Acme Optics Ltd", "") + "xx");
    EXPECT_EQ(name(3), "HOYA Corp");
    EXPECT_EQ(name(40), "Acme Optics Ltd");
    EXPECT_EQ(name(40, 5), "Acme");
    EXPECT_EQ(name(4), "Romania");

    // A changed file is read again.
    d.write(NumeFisierProducatori, entryBytes(3, "Hoya II", ""));
    EXPECT_EQ(name(3), "Hoya II");
    EXPECT_EQ(name(40), "Producator 40");

    // So is a table changed through the library, and another glass directory.
    tag_ProducatorMatOptic e = entry(entryBytes(4, "Romglas", ""));
    ASSERT_EQ(run(SalveazaProducator, e), 1);
    EXPECT_EQ(name(4), "Romglas");
    TestDir other;
    std::string n;
    ReturneazaNumeCodProducatorSticla(other.str(), 4, n, 64);
    EXPECT_EQ(n, "Romania");
    // The interface's forms, which take no directory, name the producers of
    // the program's glass directory.
    path_sticle = other.str();
    ReturneazaNumeCodProducatorSticla(4, n, 64);
    EXPECT_EQ(n, "Romania");
    path_sticle = d.str();
    EXPECT_EQ(ReturneazaNumeProducatorMatOptic(4, n), 1);
    EXPECT_EQ(n, "Romglas");
    std::filesystem::remove(d / NumeFisierProducatori);
    EXPECT_EQ(name(3), "Hoya");
}

TEST_F(Producers, UnreadableTableIsReportedByTheDialogModesOnly) {
    std::filesystem::create_directory(d / NumeFisierProducatori);
    EXPECT_EQ(run(ListeazaProducatori, 0), 0);
    EXPECT_FALSE(p.casete.empty());
    p.casete.clear();
    EXPECT_EQ(name(6), "Ohara");
    EXPECT_TRUE(p.casete.empty());

    EXPECT_EQ(run(7, 0), 0);
    EXPECT_EQ(p.texte(), std::vector<std::string>{"IncarcaProducatoriSticla(): mod necunoscut 7"});
}
