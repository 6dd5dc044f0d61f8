// File selection by numbered type: the request each type produces, the
// directory and name handed back, the silent cancel and the explained
// failures.

#include <gtest/gtest.h>

#include <filesystem>

#include "fileutil/AlegereFisier.h"
#include "support/PlatformaScriptata.h"

namespace vitramor {
namespace {

struct CazTip {
    int tip;
    std::vector<std::pair<std::string, std::string>> filtre;
    std::string extensie;
    std::string nume;  // proposed name when the caller passes "apel.foo"
};

const std::pair<std::string, std::string> Toate{"All Files (*.*)", "*.*"};

TEST(AlegereFisier, RequestOfEveryType) {
    const std::vector<CazTip> cazuri{
        {4, {{"Cauta director (*.xxx )", "*.xxx"}, Toate}, "xxx", "FisierFormal.xxx"},
        {7, {{"Fisier text (*.txt)", "*.txt"}, Toate}, "txt", "apel.foo"},
        {17, {{"All file (*.*)", "*.*"}, Toate}, "", "*.*"},
        // The table's "CSV" and "Asociere coloane..." become the pattern's own
        // spelling, so that a saved file shows under its filter here.
        {30, {{"CSV (*.csv)", "*.csv"}, Toate}, "csv", "apel.foo"},
        {45, {{"(*.aso)", "*.aso"}, Toate}, "aso", "apel.foo"},
        // A type of another application: only the appended pair.
        {3, {Toate}, "", "apel.foo"},
    };
    for (const CazTip& c : cazuri) {
        SCOPED_TRACE(c.tip);
        const CerereAlegereFisier r = CerereAlegere(false, c.tip, "/date/sticle", "apel.foo");
        ASSERT_EQ(r.filtre.size(), c.filtre.size());
        for (std::size_t i = 0; i < c.filtre.size(); ++i) {
            EXPECT_EQ(r.filtre[i].descriere, c.filtre[i].first);
            EXPECT_EQ(r.filtre[i].modele, std::vector<std::string>{c.filtre[i].second});
        }
        EXPECT_EQ(r.extensieImplicita, c.extensie);
        EXPECT_EQ(r.numeInitial, c.nume);
        EXPECT_EQ(r.directorInitial, "/date/sticle");
        EXPECT_EQ(r.filtruSelectat, 0);
        EXPECT_EQ(r.titlu, "Deschide fisier");
        EXPECT_EQ(CerereAlegere(true, c.tip, "", "").titlu, "Salveaza fisier");
    }
    EXPECT_EQ(GasesteTipFisier(30)->extensie, std::string("CSV"));
    EXPECT_EQ(GasesteTipFisier(12), nullptr);
}

TEST(AlegereFisier, ChosenFileComesBackAsDirectoryAndName) {
    struct Caz {
        FisierAles ales;
        std::string director, nume;
    };
    const std::vector<Caz> cazuri{
        {{"/A/B", "x.dat"}, "/A/B", "x.dat"},
        {{"/A/B/", "x.dat"}, "/A/B", "x.dat"},
        {{"/", "x.dat"}, "/", "x.dat"},
    };
    for (const Caz& c : cazuri) {
        PlatformaScriptata p;
        PlatformaInstalata guard(p);
        p.fisiereAlese.push_back(c.ales);
        std::string director = "/", nume = "sticle.dat";
        ASSERT_EQ(AlegeFisierSalvare(nullptr, tipfisier::MaterialeOptice, director, nume), 0);
        EXPECT_EQ(director, c.director);
        EXPECT_EQ(nume, c.nume);
        EXPECT_TRUE(p.casete.empty());
        ASSERT_EQ(p.cereriFisier.size(), 1u);
        EXPECT_EQ(p.cereriFisier[0].titlu, "Salveaza fisier");
        EXPECT_EQ(p.cereriFisier[0].directorInitial, "/");
        EXPECT_EQ(p.cereriFisier[0].numeInitial, "sticle32.dat");
    }
}

// An open chooser starts where its type was last answered, a folder that is
// gone is never offered, and a save does not move the open chooser's start.
TEST(AlegereFisier, StartsInAFolderThatExists) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    const std::string tmp = std::filesystem::temp_directory_path().string();
    std::string director = "/nu/exista", nume = "a.agf";
    p.fisiereAlese = {FisierAles{tmp, "a.agf"}, FisierAles{"/", "b.agf"}, std::nullopt};
    ASSERT_EQ(AlegeFisierDeschidere(nullptr, tipfisier::Agf, director, nume), 0);
    ASSERT_EQ(AlegeFisierSalvare(nullptr, tipfisier::Agf, director, nume), 0);
    director = "/nu/exista";
    AlegeFisierDeschidere(nullptr, tipfisier::Agf, director, nume);
    ASSERT_EQ(p.cereriFisier.size(), 3u);
    EXPECT_NE(p.cereriFisier[0].directorInitial, "/nu/exista");
    EXPECT_EQ(p.cereriFisier[2].directorInitial, tmp);
}

// A cancel is silent; an unusable answer is explained. Neither changes anything.
TEST(AlegereFisier, CancelOrUnusableAnswerChangesNothing) {
    const std::string lung(1100, 'd');
    const std::pair<std::optional<FisierAles>, const char*> cazuri[] = {
        {std::nullopt, nullptr},
        {FisierAles{"/A", ""}, "Numele ales nu este un nume de fisier."},
        {FisierAles{"/A", ".."}, "Numele ales nu este un nume de fisier."},
        {FisierAles{"/" + lung, "x.txt"}, "Calea aleasa este prea lunga (cel mult 1023 de caractere)."},
    };
    for (const auto& [ales, text] : cazuri) {
        PlatformaScriptata p;
        PlatformaInstalata guard(p);
        p.fisiereAlese.push_back(ales);
        std::string director = "/initial", nume = "a.txt";
        EXPECT_EQ(AlegeFisierDeschidere(nullptr, tipfisier::Text, director, nume), -1);
        EXPECT_EQ(director, "/initial");
        EXPECT_EQ(nume, "a.txt");
        EXPECT_EQ(p.texte(), text ? std::vector<std::string>{text} : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace vitramor
