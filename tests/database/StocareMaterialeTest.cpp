#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "database/GlassDirFixture.h"
#include "database/StocareMateriale.h"

namespace vitramor::test {
namespace {

class StocareMaterialeTest : public GlassDirFixture {
protected:
    // "name/producer" of every record, in file order.
    std::string continut() const {
        std::string s;
        for (const MaterialOptic& m : recordsOf(db()))
            s += (s.empty() ? "" : " ") + std::string(m.nume) + "/" + std::to_string(m.producator);
        return s;
    }
    RezultatOperatie stocheaza(std::vector<MaterialOptic> lot, PoliticaConflict p) {
        OptiuniStocare o(platforma());
        o.laConflict = p;
        o.sursa = SursaDinOcteti("/x/OHARA.agf", "catalog");
        return StocheazaMateriale(nullptr, path_sticle, lot, o);
    }
};

// A name held by another maker, and a name given twice in one catalogue,
// are conflicts under every policy; only the same maker's glass is an update.
TEST_F(StocareMaterialeTest, ConflictsFollowThePolicyOrTheAnswer) {
    struct Caz {
        PoliticaConflict politica;
        int raspuns;  // for Intreaba
        std::string baza;
        int noi, actualizate, redenumite, sarite, iesire;
    } cazuri[] = {
        {PoliticaConflict::Redenumeste, 0, "F2/2 BK7/6 F3/6 F2_2/6 F3_2/6", 1, 1, 2, 0, 0},
        {PoliticaConflict::Sari, 0, "F2/2 BK7/6 F3/6", 1, 1, 0, 2, 0},
        {PoliticaConflict::Inlocuieste, 0, "F2/6 BK7/6 F3/6", 1, 2, 0, 1, 0},
        {PoliticaConflict::Intreaba, raspuns::IDYES, "F2/2 BK7/6 F3/6 F2_2/6 F3_2/6", 1, 1, 2, 0, 0},
        {PoliticaConflict::Intreaba, raspuns::IDNO, "F2/2 BK7/6 F3/6", 1, 1, 0, 2, 0},
        {PoliticaConflict::Intreaba, raspuns::IDCANCEL, "F2/2 BK7/6", 0, 0, 0, 0, 1},
    };
    for (const Caz& c : cazuri) {
        writeDb(databaseOf({namedRecord("F2", 2), namedRecord("BK7", 6)}));
        if (c.politica == PoliticaConflict::Intreaba) p.raspunde(c.raspuns);
        MaterialOptic bk7 = namedRecord("BK7", 6);
        bk7.densitate = 2.5f;
        const RezultatOperatie r = stocheaza(
            {namedRecord("F2", 6), bk7, namedRecord("F3", 6), namedRecord("F3", 6)}, c.politica);
        SCOPED_TRACE(c.baza);
        EXPECT_EQ(continut(), c.baza);
        EXPECT_EQ(r.noi, c.noi);
        EXPECT_EQ(r.actualizate, c.actualizate);
        EXPECT_EQ(r.redenumite, c.redenumite);
        EXPECT_EQ(r.sarite, c.sarite);
        EXPECT_EQ(r.codIesire(), c.iesire);
        if (c.politica == PoliticaConflict::Intreaba) {
            EXPECT_NE(p.ultima().text.find("F2 (Ohara): numele este al unui material Shott Mainz"), std::string::npos)
                << p.ultima().text;
        }
    }
}

// A value that cannot be physical refuses its material, named with the
// field and the value; the good ones are stored all the same.
TEST_F(StocareMaterialeTest, UnphysicalValuesAreRefusedByName) {
    MaterialOptic n = namedRecord("NMARE", 2), d = namedRecord("DNAN", 2), k = namedRecord("KNEG", 2);
    n.lambda_indici[0] = 587.6f;
    n.indice_n[0] = 1e308;
    d.densitate = std::numeric_limits<float>::quiet_NaN();
    k.indice_k[3] = -1;
    MaterialOptic bun = namedRecord("BUN", 2);
    bun.lambda_Ti[0] = 5;  // below 10 nm
    MaterialOptic evap = namedRecord("EVAP", 10);
    evap.rata_evaporare = 0.3f;  // overlays the first transmittance wavelengths
    const RezultatOperatie r = stocheaza({n, d, k, bun, evap, namedRecord("OK", 2)}, PoliticaConflict::Sari);
    EXPECT_EQ(continut(), "EVAP/10 OK/2");
    EXPECT_EQ(r.codIesire(), 4);
    ASSERT_EQ(r.refuzate.size(), 4u);
    EXPECT_EQ(r.refuzate[0].motiv, "indice_n[0] = 1e+308: n nu este in (0, 50]");
    EXPECT_EQ(r.refuzate[1].motiv, "densitate = nan: nu este un numar finit");
    EXPECT_EQ(r.refuzate[2].motiv, "indice_k[3] = -1: k nu este in [0, 10^4]");
    EXPECT_EQ(r.refuzate[3].motiv, "lambda_Ti[0] = 5: lungimea de unda nu este intre 10 nm si 1 mm");
    EXPECT_EQ(stocheaza({n}, PoliticaConflict::Sari).codIesire(), 1);
}

// One whole line per material, with the source's digest and the fields an
// update changed; a line torn by a crash is closed before the next.
TEST_F(StocareMaterialeTest, JournalLinesAreWholeAndNameTheChange) {
    writeDb(bytesOf(namedRecord("BK7", 6)));
    d.write(NumeFisierJurnal, "2026-01-01T00:00:00\tTORN");
    MaterialOptic bk7 = namedRecord("BK7", 6);
    bk7.densitate = 2.5f;
    stocheaza({bk7, namedRecord("LONGNAMEXXXXXXX", 6), namedRecord("LONGNAMEXXXXXXX", 6)},
              PoliticaConflict::Redenumeste);
    std::istringstream jurnal(d.read(NumeFisierJurnal));
    std::vector<std::string> linii;
    for (std::string l; std::getline(jurnal, l);) linii.push_back(l.substr(l.find('\t') + 1));
    const std::string sha = "\tOHARA.agf\t" + SursaDinOcteti("", "catalog").sha256 + "\t";
    ASSERT_EQ(linii.size(), 4u) << d.read(NumeFisierJurnal);
    EXPECT_EQ(linii[1], "BK7\tOhara\tactualizat" + sha + "densitate");
    EXPECT_EQ(linii[2], "LONGNAMEXXXXXXX\tOhara\tnou" + sha + "-");
    EXPECT_EQ(linii[3], "LONGNAMEXXXXX_2\tOhara\tredenumit" + sha + "nume");
    EXPECT_EQ(IstoricMaterial(path_sticle, "BK7").size(), 1u);
}

}  // namespace
}  // namespace vitramor::test
