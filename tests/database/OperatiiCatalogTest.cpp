#include <sys/resource.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"
#include "database/CatalogMateriale.h"
#include "database/CatalogFixture.h"
#include "support/DefectFisiere.h"
#include "support/ProgresTest.h"
#include "database/Recuperare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// Records are told apart by their producer field, so that "which A was
// replaced or deleted" shows in the bytes.
MaterialOptic rec(const std::string& name, std::uint16_t mark) { return namedRecord(name, mark); }

const MaterialOptic A1 = rec("A", 1), B2 = rec("B", 2), A3 = rec("A", 3), C4 = rec("C", 4);

struct Operations : CatalogFixture {
    int run(MaterialOptic m, int operatie) { return CautaMaterialOptic(d.str(), m, nullptr, operatie); }
    int run(const std::string& name, int operatie) { return run(namedRecord(name, 0), operatie); }
    std::string archiveBox(int i) const {
        return "S-a creat fisierul arhiva sticleNou32#_" + std::to_string(i) + ".dat";
    }
    // The recovery file as "command:bytes" per entry.
    std::vector<std::string> recovered() const {
        std::vector<IntrareRecuperare> e;
        std::string motivCitire;
        EXPECT_TRUE(CitesteRecuperare(d.str(), e, motivCitire));
        std::vector<std::string> r;
        for (const auto& i : e) r.push_back(std::to_string(i.comanda) + ":" + bytesOf(i.material));
        return r;
    }
    static std::string entry(std::uint32_t cmd, const MaterialOptic& m) { return std::to_string(cmd) + ":" + bytesOf(m); }
};

}  // namespace

TEST_F(Operations, FindFillsTheWholeRecordFromTheFirstOfTheName) {
    d.write("sticleNou32.dat", databaseOf({B2, A1, A3}));
    MaterialOptic m = RecordImage().text(22, "A").u16(4, 99).f64(256, 1.5).record();  // stale fields to be replaced
    ASSERT_EQ(CautaMaterialOptic(d.str(), m, nullptr, CautaOp), 0);
    EXPECT_EQ(bytesOf(m), bytesOf(A1));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Operations, NamesCompareUpToTheirNul) {
    // Bytes after the NUL do not belong to the name; a longer name is another name.
    const std::string withTail = RecordImage().text(22, std::string("KF9\0old", 7)).u16(4, 7).bytes();
    d.write("sticleNou32.dat", bytesOf(rec("KF", 1)) + withTail);
    MaterialOptic m = namedRecord("KF9");
    ASSERT_EQ(CautaMaterialOptic(d.str(), m, nullptr, CautaOp), 0);
    EXPECT_EQ(bytesOf(m), withTail);
    EXPECT_EQ(run("K", CautaOp), EroareMaterialNegasit);
}

TEST_F(Operations, StoreCreatesAppendsOrReplacesTheFirstOfTheNameInPlace) {
    ASSERT_EQ(run(A1, SalveazaOp), 0);
    EXPECT_EQ(db(), bytesOf(A1));
    ASSERT_EQ(run(B2, SalveazaOp), 0);
    ASSERT_EQ(run(A3, SalveazaOp), 0);
    EXPECT_EQ(db(), databaseOf({A3, B2}));
    d.write("sticleNou32.dat", databaseOf({A1, B2, A3}));
    ASSERT_EQ(run(C4, SalveazaOp), 0);
    ASSERT_EQ(run(rec("A", 9), SalveazaOp), 0);
    EXPECT_EQ(db(), databaseOf({rec("A", 9), B2, A3, C4}));
    // Each record stored over is kept for recovery first.
    EXPECT_EQ(recovered(), (std::vector<std::string>{entry(RecuperareSalvare, A1), entry(RecuperareSalvare, A1)}));
    EXPECT_EQ(d.files(), (std::vector<std::string>{"recuperare.dat", "sticleNou32.dat"}));
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(Operations, DeleteRemovesTheFirstAndDeleteAllEveryRecordOfTheName) {
    struct Case {
        int operatie;
        std::string expected;
        std::vector<std::string> recovered;
    } cases[] = {{StergeOp, databaseOf({B2, A3, C4}), {entry(RecuperareSterge, A1)}},
                 {StergeToateOp, databaseOf({B2, C4}), {entry(RecuperareStergeToate, A1), entry(RecuperareStergeToate, A3)}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operatie);
        for (const auto& f : d.files()) std::filesystem::remove(d / f);
        p.casete.clear();
        const std::string old = databaseOf({A1, B2, A3, C4});
        d.write("sticleNou32.dat", old);
        ASSERT_EQ(run("A", c.operatie), 0);
        EXPECT_EQ(db(), c.expected);
        EXPECT_EQ(archive(0), old);
        EXPECT_EQ(p.texte(), std::vector<std::string>{archiveBox(0)});
        EXPECT_EQ(recovered(), c.recovered);
        EXPECT_EQ(d.files(), (std::vector<std::string>{"recuperare.dat", "sticleNou32#_0.dat", "sticleNou32.dat"}));
    }
}

TEST_F(Operations, DeletingEveryRecordLeavesAnEmptyDatabase) {
    const std::string old = databaseOf({A1, A3});
    d.write("sticleNou32.dat", old);
    ASSERT_EQ(run("A", StergeToateOp), 0);
    EXPECT_EQ(d.files(), (std::vector<std::string>{"recuperare.dat", "sticleNou32#_0.dat", "sticleNou32.dat"}));
    EXPECT_EQ(archive(0), old);
    EXPECT_EQ(db(), "");
}

TEST_F(Operations, AbsentNameIsAFailureThatTouchesNothing) {
    for (int caz = 0; caz < 6; ++caz) {
        const int operatie = std::array{CautaOp, StergeOp, StergeToateOp}[caz % 3];
        const std::string old = caz < 3 ? databaseOf({A1, B2}) : "";  // an empty file holds no name either
        SCOPED_TRACE(caz);
        d.write("sticleNou32.dat", old);
        p.casete.clear();
        EXPECT_EQ(run("Z", operatie), EroareMaterialNegasit);
        EXPECT_EQ(p.texte(), std::vector<std::string>{"Materialul Z nu exista in " + dbPath()});
        EXPECT_EQ(db(), old);
        EXPECT_EQ(d.files(), std::vector<std::string>{"sticleNou32.dat"});
    }
}

TEST_F(Operations, MissingFileIsReportedAndNotCreatedExceptByStore) {
    for (int operatie : {CautaOp, StergeOp, StergeToateOp, CurataOp}) {
        SCOPED_TRACE(operatie);
        p.casete.clear();
        EXPECT_EQ(run("A", operatie), EroareFisierLipsa);
        EXPECT_EQ(p.texte(),
                  std::vector<std::string>{"In directorul " + d.str() + " nu exista fisierul sticleNou32.dat"});
        EXPECT_TRUE(d.files().empty());
    }
}

// A database that ends in part of a record (an append cut off by a kill):
// a read reads the whole records and asks nothing; a write asks, and Yes
// moves the fragment beside the file, cuts the file to its whole records and
// goes on, No leaves the file and stops.
TEST_F(Operations, ATornDatabaseIsReadAsItIsAndMendedForAWriteOnYesOnly) {
    const std::string whole = databaseOf({A1, B2}), torn = whole + std::string(100, '\x07');
    std::vector<int> coduri;
    MaterialeGasite gasite;
    const std::pair<std::function<int()>, std::string> cazuri[] = {
        {[&] { return run("B", CautaOp); }, torn},
        {[&] { return CautaMaterialeOptice(d.str(), nullptr, {"B"}, gasite); }, torn},
        {[&] { return run(C4, SalveazaOp); }, databaseOf({A1, B2, C4})},
        {[&] { return run("A", StergeOp); }, bytesOf(B2)},
        {[&] { return SalveazaMaterialeOptice(d.str(), std::vector<MaterialOptic>{A3, C4}, nullptr, coduri); },
         databaseOf({A3, B2, C4})},
    };
    for (const auto& [operatie, dupa] : cazuri) {
        const bool scrie = dupa != torn;
        for (const int raspuns : {raspuns::IDNO, raspuns::IDYES}) {
            SCOPED_TRACE(dupa.size() + raspuns);
            for (const std::string& f : d.files()) std::filesystem::remove(d / f);
            d.write("sticleNou32.dat", torn);
            p.casete.clear();
            if (scrie) p.raspunde(raspuns);
            EXPECT_EQ(operatie(), raspuns == raspuns::IDYES || !scrie ? 0 : EroareBazaDateIncompleta);
            bool intrebat = false;
            for (const auto& c : p.casete) intrebat |= (c.style & stil::MaskButoane) == stil::MB_YESNO;
            EXPECT_EQ(intrebat, scrie);
            const bool spus = !p.casete.empty() &&
                              p.casete[0].text.find("2 inregistrari intregi si, la sfarsit, 100 octeti") != std::string::npos;
            EXPECT_EQ(spus, scrie);
            EXPECT_EQ(db(), raspuns == raspuns::IDYES ? dupa : torn);
            EXPECT_EQ(d.exists("sticleNou32.dat.rest"), raspuns == raspuns::IDYES && scrie);
        }
    }
    EXPECT_EQ(d.read("sticleNou32.dat.rest"), torn.substr(whole.size()));
    // The next fragment takes the next free name; one whose copy cannot be
    // made leaves the database as it was.
    for (const Pas pas : {Pas::Niciunul, Pas::Creare, Pas::Scriere, Pas::Sincronizare}) {
        d.write("sticleNou32.dat", whole + "xy");
        p.raspunde(raspuns::IDYES);
        DefectFisiere defect(p, pas, EIO);
        EXPECT_EQ(VerificaBazaDateIntreaga(nullptr, d.str()), pas == Pas::Niciunul ? 0 : EroareScriereFisier);
        EXPECT_EQ(db(), pas == Pas::Niciunul ? whole : whole + "xy");
    }
    EXPECT_EQ(d.read("sticleNou32.dat.rest.1"), "xy");
    EXPECT_FALSE(d.exists("sticleNou32.dat.rest.2"));
}

TEST_F(Operations, CleanKeepsOnlyRecordsWithPrintableNames) {
    auto named = [](const std::string& nameBytes, std::uint16_t mark) {
        return RecordImage().u16(4, mark).text(22, nameBytes).bytes();
    };
    const std::string keptPlain = named("N-BK7", 1);
    const std::string keptCodePage = named("S\xE9rie 1", 2);  // 8-bit letters are letters
    const std::string keptFifteen = named("ABCDEFGHIJKLMNO", 3);
    const std::string dropped[] = {
        named("", 4),                  // no name
        named("   ", 5),               // blanks only
        named("AB\tC", 6),             // control character
        named("X\x7F", 7),             // DEL
        named("ABCDEFGHIJKLMNOP", 8),  // no NUL within the 16 bytes
    };
    const std::string old = dropped[0] + keptPlain + dropped[1] + dropped[2] + keptCodePage + dropped[3] +
                            keptFifteen + dropped[4];
    d.write("sticleNou32.dat", old);

    MaterialOptic none = namedRecord("");
    ASSERT_EQ(CautaMaterialOptic(d.str(), none, nullptr, CurataOp), 0);
    EXPECT_EQ(db(), keptPlain + keptCodePage + keptFifteen);
    EXPECT_EQ(archive(0), old);
    EXPECT_EQ(p.texte(), (std::vector<std::string>{archiveBox(0),
                                                   "Din fisierul " + dbPath() +
                                                       " s-au eliminat 5 inregistrari fara nume valid."}));

    // A clean file stays as it is: no rewrite, no archive.
    p.casete.clear();
    ASSERT_EQ(CautaMaterialOptic(d.str(), none, nullptr, CurataOp), 0);
    EXPECT_EQ(db(), keptPlain + keptCodePage + keptFifteen);
    EXPECT_FALSE(d.exists("sticleNou32#_1.dat"));
    EXPECT_EQ(p.texte(), std::vector<std::string>{"Fisierul " + dbPath() + " nu contine inregistrari de eliminat."});
}

TEST_F(Operations, RecordsBeyondTheFirstReadBlockAreFoundAtTheirIndex) {
    // 600 records span three read blocks; the duplicates sit in the second and third.
    std::string old;
    std::vector<MaterialOptic> all;
    for (int i = 0; i < 600; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, (i == 300 || i == 520) ? "DUP" : "R%03d", i);
        all.push_back(rec(name, static_cast<std::uint16_t>(i)));
        old += bytesOf(all.back());
    }
    d.write("sticleNou32.dat", old);

    // A pass asked to stop ends after its first block, having said how far it got.
    FisierDeschis f;
    f.f = std::fopen(dbPath().c_str(), "rb");
    ProgresAnulatDupa anulare(1);
    std::size_t vazute = 0;
    EXPECT_TRUE(ParcurgeMateriale(f.f, [&](const MaterialOptic&, std::size_t) { ++vazute; }, anulare).anulat);
    EXPECT_EQ(vazute, RecorduriPeBloc);
    EXPECT_EQ(anulare.ultimulFacut, RecorduriPeBloc);
    EXPECT_EQ(anulare.ultimulTotal, 600u);

    MaterialOptic m = namedRecord("DUP");
    ASSERT_EQ(CautaMaterialOptic(d.str(), m, nullptr, CautaOp), 0);
    EXPECT_EQ(m.producator, 300);

    ASSERT_EQ(run(rec("DUP", 7777), SalveazaOp), 0);
    auto expected = all;
    expected[300] = rec("DUP", 7777);
    EXPECT_TRUE(db() == databaseOf(expected));  // no byte dump of 1.2 MB on failure

    ASSERT_EQ(run("DUP", StergeOp), 0);
    expected.erase(expected.begin() + 300);
    EXPECT_TRUE(db() == databaseOf(expected));  // no byte dump of 1.2 MB on failure
}

TEST_F(Operations, RefusedRequests) {
    d.write("sticleNou32.dat", bytesOf(A1));
    struct Case {
        MaterialOptic m;
        int operatie;
        int result;
        std::string box;
    } cases[] = {
        {namedRecord("A"), 6, EroareOperatieNecunoscuta, "CautaMaterialOptic(): operatie necunoscuta 6"},
        {namedRecord(""), SalveazaOp, EroareNumeMaterial, "Materialul nu are nume."},
        {namedRecord(""), StergeOp, EroareNumeMaterial, "Materialul nu are nume."},
        {namedRecord("TAB\tX"), SalveazaOp, EroareNumeMaterial,
         "Numele \"TAB\tX\" nu poate fi salvat: numele unui material are 1 pana la 15 caractere, fara caractere de "
         "control."},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.box);
        p.casete.clear();
        EXPECT_EQ(CautaMaterialOptic(d.str(), c.m, nullptr, c.operatie), c.result);
        EXPECT_EQ(p.texte(), std::vector<std::string>{c.box});
    }
    EXPECT_EQ(db(), bytesOf(A1));
}

TEST_F(Operations, GlassDirectoryThatCannotBeEntered) {
    // Root ignores permission bits, so the unreachable directory is one below a regular file.
    d.write("plain.txt", "x");
    const std::string below = (d / "plain.txt" / "glass").string();
    for (int operatie : {CautaOp, SalveazaOp, StergeOp, StergeToateOp, CurataOp}) {
        SCOPED_TRACE(operatie);
        p.casete.clear();
        MaterialOptic m = A1;
        EXPECT_EQ(CautaMaterialOptic(below, m, nullptr, operatie), EroareDirectorSticle);
        ASSERT_FALSE(p.casete.empty());
        EXPECT_EQ(p.texte(),
                  std::vector<std::string>{"Eroare schimbare director " + below + ":\n" + std::strerror(ENOTDIR)});
    }
    MaterialOptic m = A1;
    p.casete.clear();
    EXPECT_EQ(CautaMaterialOptic("", m, nullptr, CautaOp), EroareDirectorSticle);
    EXPECT_EQ(p.texte(), std::vector<std::string>{"Directorul cu materiale (STICLE) nu este ales."});
    EXPECT_EQ(d.files(), std::vector<std::string>{"plain.txt"});
}

TEST_F(Operations, DatabaseNameThatIsADirectoryIsRefused) {
    std::filesystem::create_directory(d / "sticleNou32.dat");
    for (int operatie : {CautaOp, SalveazaOp, StergeOp}) {
        SCOPED_TRACE(operatie);
        EXPECT_EQ(run(A1, operatie), EroareDeschidereFisier);
    }
    EXPECT_TRUE(std::filesystem::is_directory(d / "sticleNou32.dat"));
}

TEST_F(Operations, TheFileNameOfThisRunIsUsed) {
    nume_fisier_sticle = "alt.dat";
    ASSERT_EQ(run(A1, SalveazaOp), 0);
    EXPECT_EQ(d.files(), std::vector<std::string>{"alt.dat"});
    EXPECT_EQ(d.read("alt.dat"), bytesOf(A1));
}

TEST_F(Operations, LeftoverWorkFileIsAskedAboutAndCancelKeepsEverything) {
    const std::string old = databaseOf({A1, B2});
    d.write("sticleNou32.dat", old);
    d.write("catalix.tmp", "leftover");
    p.raspunde(raspuns::IDCANCEL);
    EXPECT_EQ(run("A", StergeOp), EroareOperatieAnulata);
    EXPECT_EQ(p.casete.at(0).text, "Fisierul catalix.tmp exista.\nProbabil eroare la vechea stergere.\nContinuam ?");
    EXPECT_EQ(db(), old);
    EXPECT_EQ(d.read("catalix.tmp"), "leftover");

    p.raspunde(raspuns::IDOK);
    ASSERT_EQ(run("A", StergeOp), 0);
    EXPECT_EQ(db(), bytesOf(B2));
    EXPECT_FALSE(d.exists("catalix.tmp"));
}

namespace {

// Lowers the file size limit for one scope, the way a full disk stops a
// write part-way; the signal the kernel sends on passing it is ignored so
// that the write fails with EFBIG instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = saved_;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

TEST_F(Operations, AppendStoppedPartWayLeavesTheFileAsItWas) {
    const std::string old = databaseOf({A1, B2});
    d.write("sticleNou32.dat", old);
    {
        FileSizeLimit limit(old.size() + 1000);
        EXPECT_EQ(run(C4, SalveazaOp), EroareScriereFisier);
    }
    EXPECT_EQ(db(), old);
    EXPECT_NE(p.ultima().text.find("Materialul nu a fost salvat."), std::string::npos) << p.ultima().text;
}

// A store whose data does not reach the disk is a failed store: the record
// replaced in place gets its old bytes back, an appended one is cut off, a
// database it would have created is not left behind, and a whole catalogue
// stored at once is undone the same way.
TEST_F(Operations, AStoreWhoseDataDoesNotReachTheDiskLeavesTheDatabaseAsItWas) {
    const std::string old = databaseOf({A1, B2});
    const auto lot = [this](std::vector<MaterialOptic> m) {
        std::vector<int> coduri;
        return SalveazaMaterialeOptice(d.str(), m, nullptr, coduri);
    };
    const struct {
        const char* ce;
        bool existaBaza;
        std::function<int()> salveaza;
    } cazuri[] = {
        {"in place", true, [&] { return run(A3, SalveazaOp); }},
        {"appended", true, [&] { return run(C4, SalveazaOp); }},
        {"new database", false, [&] { return run(C4, SalveazaOp); }},
        {"catalogue", true, [&] { return lot({A3, C4}); }},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.ce);
        if (c.existaBaza)
            d.write("sticleNou32.dat", old);
        else
            std::filesystem::remove(d.path() / "sticleNou32.dat");
        p.casete.clear();
        {
            DefectFisiere defect(p, Pas::SincronizareDate, EIO);
            EXPECT_NE(c.salveaza(), CatalogOk);
            EXPECT_NE(defect.jurnal.find("datasync"), std::string::npos);
        }
        if (c.existaBaza)
            EXPECT_EQ(db(), old);
        else
            EXPECT_FALSE(std::filesystem::exists(d.path() / "sticleNou32.dat"));
        ASSERT_FALSE(p.casete.empty());
        EXPECT_NE(p.ultima().text.find(std::strerror(EIO)), std::string::npos) << p.ultima().text;
    }
}


// Additions below the limit only append; the one that passes it rewrites the
// file once with the newest half, so a full recovery file costs a few bytes
// written per entry instead of a rewrite of the whole file at each addition.
TEST_F(Operations, AFullRecoveryFileIsTrimmedToHalfInOneRewrite) {
    std::string plin;
    const std::string intrare = std::string("VREC\x02", 5) + std::string(11, '\0') + bytesOf(A1);
    for (std::size_t i = 0; i < LimitaRecuperare; ++i) plin += intrare;
    d.write("recuperare.dat", plin);
    constexpr std::size_t Adaugari = 120, PeAdaugare = 10;
    DefectFisiere numarare(p, Pas::Niciunul);
    std::string motivScriere;
    for (std::size_t i = 0; i < Adaugari * PeAdaugare; i += PeAdaugare) {
        std::string recorduri;
        for (std::size_t k = i; k < i + PeAdaugare; ++k) recorduri += bytesOf(rec("N", static_cast<std::uint16_t>(k)));
        ASSERT_TRUE(AdaugaInRecuperare(nullptr, d.str(), RecuperareSterge, recorduri, motivScriere));
    }
    EXPECT_LE(numarare.scrise, 3 * Adaugari * PeAdaugare * MarimeIntrareRecuperare);
    std::vector<IntrareRecuperare> e;
    std::string motivCitire;
    ASSERT_TRUE(CitesteRecuperare(d.str(), e, motivCitire));
    ASSERT_GE(e.size(), LimitaRecuperare / 2);
    EXPECT_LE(e.size(), LimitaRecuperare);
    for (std::size_t i = 0; i < e.size(); ++i)  // the newest, in order
        EXPECT_EQ(e[i].material.producator, Adaugari * PeAdaugare - e.size() + i);
}
