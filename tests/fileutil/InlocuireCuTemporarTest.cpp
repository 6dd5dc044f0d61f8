#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "support/PlatformaScriptata.h"
#include "support/TestDir.h"

using namespace vitramor;
using vitramor::test::TestDir;

TEST(Replacement, TheOldFileBecomesAnArchiveBeforeTheTemporaryTakesItsName) {
    struct Caz {
        const char* caz;
        const char* date;  // the data file "db.dat" (or "db" without extension); null: absent
        const char* temp;  // null: absent
        bool faraExtensie;
        int rezultat;
        std::vector<std::string> fisiere;
        std::string dupa;  // the data file afterwards
    } cazuri[] = {
        {"new content replaces the old", "OLD", "NEW", false, 1, {"db#_0.dat", "db.dat"}, "NEW"},
        {"an empty temporary is deleted: the data lives on only as archive", "DATA", "", false, 1, {"db#_0.dat"}, ""},
        {"a missing temporary fails after archiving", "DATA", nullptr, false, 0, {"db#_0.dat"}, ""},
        {"a data file that does not exist yet simply receives it", nullptr, "FIRST", false, 1, {"db.dat"}, "FIRST"},
        {"without an extension the old file is deleted", "OLD", "NEW", true, 1, {"db"}, "NEW"},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.caz);
        PlatformaScriptata p;
        PlatformaInstalata guard{p};
        TestDir d;
        const std::string nume = c.faraExtensie ? "db" : "db.dat";
        if (c.date) d.write(nume, c.date);
        if (c.temp) d.write("3.tmp", c.temp);
        // Open handles are closed and cleared; buffered data is flushed first.
        EXPECT_EQ(!InlocuiesteFisierCuTemporar((d / nume).string(), (d / "3.tmp").string()).esuat(), c.rezultat == 1);
        EXPECT_EQ(d.files(), c.fisiere);
        if (!c.dupa.empty()) {
            EXPECT_EQ(d.read(nume), c.dupa);
        }
        if (c.date && !c.faraExtensie) {
            EXPECT_EQ(d.read("db#_0.dat"), c.date);
        }
    }
}

// A data file that cannot be removed (a /proc entry refuses even root)
// stops the replacement and leaves the temporary file where it is.
TEST(Replacement, OldFileThatCannotGoKeepsTheTemporary) {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
    d.write("3.tmp", "NEW");
    const RezultatOperatie r = InlocuiesteFisierCuTemporar("/proc/version", (d / "3.tmp").string());
    EXPECT_EQ(d.read("3.tmp"), "NEW");
    EXPECT_EQ(r.stare, StareOperatie::Esuat);
    EXPECT_EQ(r.motiv.rfind("Fisierul /proc/version nu poate fi mutat deoparte ca arhiva:\n", 0), 0u) << r.motiv;
    EXPECT_TRUE(p.casete.empty());
}

// The writer of small files (pictures, the message list, associations) puts
// the whole text under its name or leaves the old file; a FIFO or a
// directory of that name stays what it was.
TEST(Replacement, ASmallFileIsWrittenWholeAndNeverOverADeviceOrDirectory) {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    TestDir d;
    d.write("a.txt", "OLD");
    EXPECT_FALSE(ScrieFisierIntreg((d / "a.txt").string(), "NEW").esuat());
    EXPECT_EQ(d.read("a.txt"), "NEW");
    ASSERT_EQ(::mkfifo((d / "fifo.txt").c_str(), 0600), 0);
    std::filesystem::create_directory(d / "dir.txt");
    // Refused with the reason, and nothing shown: the caller tells it once.
    EXPECT_EQ(ScrieFisierIntreg((d / "fifo.txt").string(), "X").motiv,
              (d / "fifo.txt").string() + " este un FIFO, nu un fisier obisnuit: nu se scrie peste el si nu se muta.");
    EXPECT_NE(ScrieFisierIntreg((d / "dir.txt").string(), "X").motiv.find("este un director"), std::string::npos);
    EXPECT_EQ(ScrieFisierIntreg((d / "lipsa" / "a.txt").string(), "X").motiv,
              "Eroare scriere fisier " + (d / "lipsa" / "a.txt").string() + ":\nNo such file or directory");
    EXPECT_TRUE(p.casete.empty());
    EXPECT_TRUE(std::filesystem::is_fifo(d / "fifo.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(d / "dir.txt"));
    EXPECT_EQ(d.files(), (std::vector<std::string>{"a.txt", "dir.txt", "fifo.txt"}));
}
