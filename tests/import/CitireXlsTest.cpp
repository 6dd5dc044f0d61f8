// Excel 97-2003 workbooks as other programs write them, and as none should:
// every cell comes out as written, and a damaged or refused file is
// reported once, never read past its end.

#include <sys/stat.h>

#include <tuple>

#include "database/GlassDirFixture.h"
#include "import/tabele/FoaieCalcul.h"
#include "support/RegistruXlsTest.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

using CitireXls = GlassDirFixture;
using Celula = std::tuple<std::uint32_t, std::uint32_t, int, double, std::string>;

// A formula's last result when it is not a number.
std::string Rezultat(char fel, char valoare) { return {fel, '\0', valoare, '\0', '\0', '\0', '\xFF', '\xFF'}; }

std::vector<Celula> Celule(const FoaieCalcul& f) {
    std::vector<Celula> c;
    for (const RandFoaie& r : f.randuri)
        for (const CelulaFoaie& k : r.celule) c.emplace_back(r.index, k.coloana, k.tip, k.numar, k.text);
    return c;
}

TEST_F(CitireXls, CellsComeOutAsWritten) {
    // Bodies of 24 bytes split the strings over CONTINUE records, from 8-bit
    // to 16-bit characters and back again, and the phonetic bytes too.
    const std::string texte =
        TexteComune({{"nume"}, {""}, {"N-BK7 λ"}, {"Ωmega, sticla grea"}, {"bogat", 2, 9}, {"𝜆 lambda"}}, 24);
    const std::string celule =
        CelulaSst(0, 0, 0) + CelulaSst(0, 1, 1) + CelulaSst(0, 2, 2) + CelulaSst(0, 3, 3) + CelulaSst(0, 4, 4) +
        CelulaSst(0, 5, 5) + CelulaEticheta(0, 6, "café") + CelulaEticheta(0, 7, "Eticheta ă") +
        CelulaNumar(1, 0, 1.5168) +
        Inregistrare(0x0200, U32(0) + U32(1) + U16(0) + U16(1) + U16(0)) +  // DIMENSIONS: one cell, among many
        CelulaRk(1, 1, *CodRk(-7)) + CelulaRk(1, 2, *CodRk(2.51)) + CelulaRk(1, 3, *CodRk(0.125)) +
        CelulaMulRk(1, 4, {*CodRk(1), *CodRk(-2.51), *CodRk(1.5)}) + CelulaRk(1, 9, *CodRk(0.125) | 1) +
        Inregistrare(0x0201, U16(1) + U16(7) + U16(15)) +                        // BLANK
        Inregistrare(0x00BE, U16(1) + U16(7) + U16(15) + U16(15) + U16(8)) +      // MULBLANK
        CelulaBoolErr(2, 0, 1, false) + CelulaBoolErr(2, 1, 0, false) + CelulaBoolErr(2, 2, 7, true) +
        CelulaFormula(2, 3, F64(3.25)) + CelulaFormula(2, 4, Rezultat(0, 0)) +
        Inregistrare(0x04BC, std::string(12, '\0')) + TextFormula("rezultat ș") +  // SHRFMLA between
        CelulaFormula(2, 5, Rezultat(1, 1)) + CelulaFormula(2, 6, Rezultat(2, 7)) + CelulaFormula(2, 7, Rezultat(3, 0)) +
        TextFormula("fara formula") + Inceput(0x20) + CelulaNumar(3, 0, 99) + Sfarsit() +  // a chart on the sheet
        CelulaNumar(65535, 255, 9);
    const std::string cale = (d / "celule.xls").string();
    ScrieCompus(cale, FluxRegistru({{"sticle", celule}, {"grafic", "", 2}, {"Recommended glasses 5桁", CelulaNumar(0, 0, 5)},
                                    {"gol", ""}},
                                   texte));
    std::string eroare;
    auto r = DeschideRegistruXls(cale, eroare);
    ASSERT_TRUE(r) << eroare;
    EXPECT_EQ(r->numeFoi(), (std::vector<std::string>{"sticle", "Recommended glasses 5桁", "gol"}));
    const int N = CelulaFoaie::Numar, T = CelulaFoaie::Text;
    const std::vector<std::vector<Celula>> asteptat = {
        {{0, 0, T, 0, "nume"}, {0, 2, T, 0, "N-BK7 λ"}, {0, 3, T, 0, "Ωmega, sticla grea"}, {0, 4, T, 0, "bogat"},
         {0, 5, T, 0, "𝜆 lambda"}, {0, 6, T, 0, "café"}, {0, 7, T, 0, "Eticheta ă"},
         {1, 0, N, 1.5168, ""}, {1, 1, N, -7, ""}, {1, 2, N, 2.51, ""}, {1, 3, N, 0.125, ""}, {1, 4, N, 1, ""},
         {1, 5, N, -2.51, ""}, {1, 6, N, 1.5, ""}, {1, 9, N, 0.125 / 100, ""},
         {2, 0, N, 1, ""}, {2, 1, N, 0, ""}, {2, 3, N, 3.25, ""}, {2, 4, T, 0, "rezultat ș"}, {2, 5, N, 1, ""},
         {65535, 255, N, 9, ""}},
        {{0, 0, N, 5, ""}},
        {}};
    FoaieCalcul f;
    for (std::size_t i = 0; i < asteptat.size(); ++i) {
        ASSERT_TRUE(r->citesteFoaie(i, f));
        EXPECT_EQ(f.nume, r->numeFoi()[i]);
        EXPECT_EQ(Celule(f), asteptat[i]) << f.nume;
    }
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(CitireXls, DamagedOrRefusedWorkbooksAreReportedOnce) {
    auto flux = [](const std::string& celule, const std::string& globale = TexteComune({{"a"}})) {
        return FluxRegistru({{"sticle", celule}}, globale);
    };
    const std::string bun = flux(CelulaNumar(0, 0, 1));
    // The workbook's BOF takes 20 bytes; the sheet's stream offset follows the next header.
    const std::string mutat = bun.substr(0, 24) + U32(20) + bun.substr(28);
    const std::string vechi = bun.substr(0, 4) + U16(0x0500) + bun.substr(6);
    const struct {
        std::string flux;
        const char* numeFlux;  // null: a FIFO in the file's place
        const char* mesaj;
    } cazuri[] = {
        {flux("", Inregistrare(0x002F, U16(1) + U16(1) + U16(1))), "Workbook",
         "este criptat (protejat cu parola); salvati-l fara parola."},
        {bun.substr(0, bun.size() - 3), "Workbook", "se termina la octetul"},
        {flux(Inregistrare(0x0203, U16(0) + U16(0) + U16(15) + "1234")), "Workbook", "este prea scurta"},
        {flux(CelulaNumar(0, 256, 1)), "Workbook", "in coloana 257"},
        {flux(Inregistrare(0x00BD, U16(0) + U16(2) + U16(15) + U32(2) + U16(9))), "Workbook", "nu se potriveste"},
        {flux(CelulaSst(0, 0, 1)), "Workbook", "cere textul comun 1 din 1"},
        {flux("", Inregistrare(0x00FC, U32(1) + U32(1) + U16(50) + '\0' + "abc")), "Workbook", "inaintea textului"},
        {mutat, "Workbook", "nu incepe unde arata registrul"},
        {Inceput(5) + TexteComune({{"a"}}), "Workbook", "nu au sfarsit"},
        {vechi, "Workbook", "Excel 5.0/95"},
        {bun, "Book", "Excel 5.0/95"},
        {bun, "Altceva", "nu contine un registru"},
        {"", nullptr, "nu este un fisier obisnuit"},
    };
    int i = 0;
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.mesaj);
        const std::string cale = (d / (std::to_string(i++) + ".xls")).string();
        if (c.numeFlux) ScrieCompus(cale, c.flux, c.numeFlux);
        else ASSERT_EQ(::mkfifo(cale.c_str(), 0600), 0);
        std::string eroare;
        auto r = DeschideRegistruXls(cale, eroare);
        FoaieCalcul f;
        EXPECT_FALSE(r && r->citesteFoaie(0, f));
        if (r) eroare = r->eroare();
        // Nor are its tables listed as if it could be read; the same reason either way, for the caller to tell.
        std::string eroareSursa;
        auto s = DeschideFisierFoaieCalcul(cale, eroareSursa);
        std::vector<std::string> tabele;
        EXPECT_FALSE(s && s->citesteTabele(tabele));
        if (s) eroareSursa = s->eroare();
        EXPECT_NE(eroare.find(c.mesaj), std::string::npos) << eroare;
        EXPECT_EQ(eroareSursa, eroare);
        EXPECT_TRUE(p.casete.empty());
    }
}

}  // namespace
