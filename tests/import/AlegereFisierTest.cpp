// File selection by numbered type: the request each type produces, the
// directory and name handed back, the silent cancel and the explained
// failures.

#include <gtest/gtest.h>

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
        {10, {{"Fisier cu materiale optice (*.dat)", "*.dat"}, Toate}, "dat", "sticle32.dat"},
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
        {{"/A/B with space", "name with space.csv"}, "/A/B with space", "name with space.csv"},
    };
    for (const Caz& c : cazuri) {
        ScriptedPlatform p;
        ScopedPlatform guard(p);
        p.fisiereAlese.push_back(c.ales);
        std::string director = "/initial", nume = "sticle.dat";
        ASSERT_EQ(AlegeFisierSalvare(nullptr, tipfisier::MaterialeOptice, director, nume), 0);
        EXPECT_EQ(director, c.director);
        EXPECT_EQ(nume, c.nume);
        EXPECT_TRUE(p.casete.empty());
        ASSERT_EQ(p.cereriFisier.size(), 1u);
        EXPECT_EQ(p.cereriFisier[0].titlu, "Salveaza fisier");
        EXPECT_EQ(p.cereriFisier[0].directorInitial, "/initial");
        EXPECT_EQ(p.cereriFisier[0].numeInitial, "sticle32.dat");
    }
}

// A cancel is silent; an unusable answer is explained. Neither changes anything.
TEST(AlegereFisier, CancelOrUnusableAnswerChangesNothing) {
    struct Caz {
        std::optional<FisierAles> ales;
        std::vector<std::string> texte;
    };
    const std::string lung(1100, 'd');
    const std::vector<Caz> cazuri{
        {std::nullopt, {}},
        {FisierAles{"/A", ""}, {"A filename is invalid."}},
        {FisierAles{"/A", ".."}, {"A filename is invalid."}},
        {FisierAles{"/" + lung, "x.txt"},
         {"The buffer pointed to by the lpstrFile member of the OPENFILENAME structure is too small for the filename "
          "specified by the user.",
          "The first two bytes of the lpstrFile buffer contain an integer value specifying the size, in bytes (ANSI "
          "version) or characters (Unicode version), required to receive the full name."}},
    };
    for (const Caz& c : cazuri) {
        ScriptedPlatform p;
        ScopedPlatform guard(p);
        p.fisiereAlese.push_back(c.ales);
        std::string director = "/initial", nume = "a.txt";
        EXPECT_EQ(AlegeFisierDeschidere(nullptr, tipfisier::Text, director, nume), -1);
        EXPECT_EQ(director, "/initial");
        EXPECT_EQ(nume, "a.txt");
        EXPECT_EQ(p.beepuri, c.texte.empty() ? 0 : 1);
        EXPECT_EQ(p.texte(), c.texte);
        for (const auto& caseta : p.casete) {
            EXPECT_EQ(caseta.caption, "");
            EXPECT_EQ(caseta.style, stil::MB_OK);
        }
    }
}

TEST(AlegereFisier, FailureTexts) {
    EXPECT_TRUE(TexteEroareAlegereFisier(0).empty());
    // No final period in this one: the text stands as the dialogs give it.
    EXPECT_EQ(TexteEroareAlegereFisier(6),
              std::vector<std::string>{"The common dialog box function failed to find a specified resource"});
    EXPECT_EQ(TexteEroareAlegereFisier(13), std::vector<std::string>{"Cod eroare 13 necunoscut"});

    const auto creare = TexteEroareAlegereFisier(65535);
    ASSERT_EQ(creare.size(), 1u);
    const std::string inceput = "The dialog box could not be created. The common dialog box function\xE2\x80\x99s call";
    EXPECT_EQ(creare[0].rfind(inceput, 0), 0u);
    EXPECT_EQ(creare[0].substr(creare[0].size() - 25), "an invalid window handle.");
}

}  // namespace
}  // namespace vitramor
