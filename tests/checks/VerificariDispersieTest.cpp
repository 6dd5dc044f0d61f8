// The dispersion checks on database files of catalogue glasses: the range
// proposal with its questions and rewrite, the database pass and the report
// of one material, each compared line by line with the text a user reads.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "explorare/SticleCatalog.h"
#include "checks/VerificariDispersie.h"
#include "database/GlassDirFixture.h"
#include "messages/ListaMesaje.h"
#include "support/ProgresTest.h"
#include "settings/Directoare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

std::vector<std::string> Linii(const BlocText& bloc) {
    std::vector<std::string> linii;
    for (std::size_t i = 0, j = 0; bloc && j != std::string::npos; i = j + 2)
        linii.push_back(bloc->substr(i, (j = bloc->find("\r\n", i)) - i));
    return linii;
}

const std::string Linie60(60, '-');
const std::string Linie84(84, '-');
const std::string AntetBazaDate = "Material\tProducator";

// The database report: its heading and rules around the listed materials.
// The report of `verificate` materials of which those listed disagree.
std::vector<std::string> Cadru(std::vector<std::string> materiale, std::size_t verificate) {
    const std::size_t probleme = materiale.size();
    materiale.insert(materiale.begin(), {AntetBazaDate, Linie60});
    materiale.push_back(Linie60);
    materiale.push_back(std::to_string(verificate) + " materiale verificate, " + std::to_string(probleme) +
                        " cu probleme");
    return materiale;
}

// The texts of the questions among the recorded boxes (the archive copy is announced in a box too).
std::vector<std::string> Intrebari(const PlatformaScriptata& p) {
    std::vector<std::string> intrebari;
    for (const CasetaInregistrata& c : p.casete)
        if ((c.style & stil::MaskButoane) == stil::MB_YESNO || (c.style & stil::MaskButoane) == stil::MB_YESNOCANCEL)
            intrebari.push_back(c.text);
    return intrebari;
}

// ---- The span of a table ----

struct CazPropunere {
    const char* caz;
    std::vector<IndiceTabel> tabel;
    std::vector<int> sloturi;  // where the entries go; empty: slots 0, 1, 2...
    bool exista;
    std::uint16_t inferior, superior;
};

TEST(PropuneDomeniuSpectral, SpanOfTheSlotsThatHoldAWavelengthAndAPositiveN) {
    const CazPropunere cazuri[] = {
        {"fractions are cut off", {{365.01f, 1.53}, {404.66f, 1.53}, {1013.98f, 1.50}}, {}, true, 365, 1013},
        {"order in the table does not matter", {{1013.98f, 1.50}, {365.01f, 1.53}}, {}, true, 365, 1013},
        {"one slot is a span of one wavelength", {{500.9f, 1.5}}, {}, true, 500, 500},
        {"no positive n: no span", {{400, 0}, {700, -1.5}}, {}, false, 65535, 0},
        {"an n without a wavelength does not count", {{0, 1.5}, {600, 1.5}}, {}, true, 600, 600},
        {"slots 40 to 49 count as well", {{400, 1.5}, {2325.4f, 1.49}}, {0, 45}, true, 400, 2325},
        {"below 1 nm truncates to 0: no span", {{0.5f, 1.5}}, {}, false, 0, 0},
        {"beyond the 16-bit range the upper bound stops at 65535", {{800, 1.5}, {70000, 1.4}}, {}, true, 800, 65535},
        {"only beyond the 16-bit range: no span", {{70000, 1.4}}, {}, false, 65535, 65535},
        {"not-a-number is not a wavelength", {{NAN, 1.5}, {450, NAN}, {550, 1.5}}, {}, true, 550, 550},
    };
    for (const CazPropunere& c : cazuri) {
        MaterialOptic m = namedRecord("P");
        for (std::size_t i = 0; i < c.tabel.size(); ++i) {
            const std::size_t slot = c.sloturi.empty() ? i : static_cast<std::size_t>(c.sloturi[i]);
            m.lambda_indici[slot] = c.tabel[i].lambda;
            m.indice_n[slot] = c.tabel[i].n;
        }
        std::uint16_t inferior = 1, superior = 1;
        EXPECT_EQ(PropuneDomeniuSpectral(m, inferior, superior), c.exista) << c.caz;
        EXPECT_EQ(inferior, c.inferior) << c.caz;
        EXPECT_EQ(superior, c.superior) << c.caz;
    }
}

// ---- The range pass over the database file ----

class PropunereDomenii : public GlassDirFixture {
protected:
    PropunereDomenii() {
        InstaleazaDestinatieMesaje([this](const std::string& text, int nivel) {
            mesaje.push_back(std::to_string(nivel) + " " + text);
            return 1;
        });
    }
    ~PropunereDomenii() override { InstaleazaDestinatieMesaje(nullptr); }

    std::vector<std::string> mesaje;
};

TEST_F(PropunereDomenii, AsksOncePerMaterialOfTheProducerAndStoresTheAcceptedSpans) {
    MaterialOptic fara = NBK7("FARA N");  // a table of wavelengths only
    for (double& n : fara.indice_n) n = 0.0;
    MaterialOptic bk7 = NBK7();
    bk7.domeniu_n[0] = 300;
    bk7.domeniu_n[1] = 2500;
    const std::string inainte = databaseOf({bk7, SiliceTopita(), fara, F2()});
    writeDb(inainte);
    p.raspunde({raspuns::IDYES, raspuns::IDNO});

    RezultatPropunereDomenii r;
    const RezultatOperatie rez = PropuneDomeniiSpectrale(p, nullptr, path_sticle, ProducatorSchott, &r);
    ASSERT_EQ(rez.stare, StareOperatie::Facut);
    EXPECT_TRUE(rez.actualizate == 1 && rez.sarite == 1) << rez.rezumat();
    EXPECT_EQ(r.propuneri, 2);
    EXPECT_EQ(r.acceptate, 1);

    const std::string bk7Text =
        "Sticla N-BK7: Domeniu spectral valabil ec. dispersie n: [435 nm - 656 nm]. Acualizati?";
    const std::string f2Text = "Sticla F2: Domeniu spectral valabil ec. dispersie n: [435 nm - 656 nm]. Acualizati?";
    EXPECT_EQ(mesaje, (std::vector<std::string>{"0 " + bk7Text, "0 " + f2Text}));
    EXPECT_EQ(Intrebari(p), (std::vector<std::string>{bk7Text, f2Text}));
    EXPECT_EQ(p.casete.back().style & stil::MB_PENTRUTOATE, 0u);
    EXPECT_EQ(p.casete.back().text, "S-a creat fisierul arhiva sticleNou32#_0.dat");
    EXPECT_EQ(rez.motiv, "Domeniu spectral actualizat la 1 materiale din 2 propuse.");

    // Only the n range words of the accepted record changed.
    const std::string dupa = db();
    std::string asteptat = inainte;
    asteptat.replace(1060, 4, std::string("\xB3\x01\x90\x02", 4));  // 435, 656
    EXPECT_EQ(dupa, asteptat);
    EXPECT_EQ(archive(0), inainte);
}

// Only a pass that changes a record rewrites the file; an answer for all
// asks no more; Cancel stops with the file as it was; Yes to a span already
// stored is nothing to do, No a choice.
TEST_F(PropunereDomenii, TheFileIsRewrittenOnlyWhenARecordChanges) {
    MaterialOptic bk7 = NBK7(), dejaAsa = F2();  // F2's stored range already is its span
    bk7.domeniu_n[1] = 2500;
    dejaAsa.domeniu_n[0] = 435;
    dejaAsa.domeniu_n[1] = 656;
    const std::string inainte = databaseOf({bk7, dejaAsa, SiliceTopita()});
    const struct {
        std::vector<int> raspunsuri;
        StareOperatie stare;
        int schimbate;
    } cazuri[] = {{{raspuns::IDNO, raspuns::IDYES}, StareOperatie::Facut, 0},
                  {{raspuns::IDNU_TOATE}, StareOperatie::Facut, 0},
                  {{raspuns::IDCANCEL}, StareOperatie::Anulat, 0},
                  {{raspuns::IDDA_TOATE}, StareOperatie::Facut, 1}};
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.raspunsuri.front());
        writeDb(inainte);
        p.casete.clear();
        for (int r : c.raspunsuri) p.raspunde(r);
        RezultatPropunereDomenii r;
        const RezultatOperatie rez = PropuneDomeniiSpectrale(p, nullptr, path_sticle, ProducatorSchott, &r);
        EXPECT_EQ(rez.stare, c.stare);
        EXPECT_EQ(Intrebari(p).size(), c.raspunsuri.size());
        EXPECT_EQ(r.acceptate, c.schimbate);
        EXPECT_EQ(d.exists("sticleNou32#_0.dat"), c.schimbate > 0);
        EXPECT_EQ(db() == inainte, c.schimbate == 0);
        EXPECT_EQ(rez.motiv.starts_with("Domeniu spectral actualizat la " + std::to_string(c.schimbate)),
                  c.stare != StareOperatie::Anulat);
    }
    writeDb(databaseOf({dejaAsa}));
    p.raspunde(raspuns::IDYES);
    EXPECT_EQ(PropuneDomeniiSpectrale(p, nullptr, path_sticle, ProducatorSchott).stare, StareOperatie::NimicDeFacut);
}

// ---- The database pass ----

class VerificareBazaDate : public GlassDirFixture {
protected:
    // The report's lines without their "Stare" column; `intregi` gets them whole.
    std::vector<std::string> verifica(const SetariVerificare& s, std::vector<std::string>* intregi = nullptr) {
        BlocText raport;
        std::string motiv;
        EXPECT_EQ(VerificaBazaDate(nullptr, path_sticle, s, raport, motiv), 1) << motiv;
        EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
        std::vector<std::string> linii = Linii(raport);
        if (intregi) *intregi = linii;
        for (std::string& l : linii)
            if (const std::size_t a = l.find('\t'); a != std::string::npos) l = l.substr(0, l.find('\t', a + 1));
        return linii;
    }
};

TEST_F(VerificareBazaDate, ListsTheMaterialsWhoseTableDisagreesWithTheEquation) {
    // Catalogue glasses as they were typed in, some of them wrongly.
    MaterialOptic f2 = F2();
    f2.indice_n[Slot(f2, LiniaD)] = 1.62040;  // nd 1.62004 with two digits swapped: 3.6e-4 off
    MaterialOptic ir = NBK7("N-BK7 IR");
    // A table entry at 10 µm, just short of the 10.18 µm resonance of the
    // third Sellmeier term, where the equation gives n² < 0.
    ir.lambda_indici[5] = 10000.0f;
    ir.indice_n[5] = 1.4;
    MaterialOptic hoya = F2("E-F2", ProducatorHoya);
    hoya.indice_n[Slot(hoya, LiniaC)] = 1.51503;  // nC typed as 1.51503 instead of 1.61503
    MaterialOptic tabelat = namedRecord("TABELAT", ProducatorSchott);
    tabelat.ec_dispersie_n = 10;  // tabulated: nothing to compare with
    tabelat.lambda_indici[0] = 500.0f;
    tabelat.indice_n[0] = 9.99;
    MaterialOptic slot45 = NBK7("N-BK7 S45");
    slot45.lambda_indici[45] = 1000.0f;  // beyond the slots the editors fill
    slot45.indice_n[45] = 3.0;
    MaterialOptic umicore = F2("X12", 12);
    umicore.indice_n[0] = 1.7;
    writeDb(databaseOf({NBK7(), f2, ir, SiliceTopita(), hoya, tabelat, slot45, umicore}));

    struct Caz { const char* nume; bool verificaN; float precizieN; std::vector<std::string> materiale; };
    const Caz cazuri[] = {
        {"default precision", true, 0.001f, {"N-BK7 IR\tSchott Mainz", "E-F2\tHoya", "X12\tUmicore"}},
        // At 1e-4 the swapped digits of F2 show; the catalogue values themselves
        // agree with their equations to a few 1e-6.
        {"1e-4", true, 0.0001f, {"F2\tSchott Mainz", "N-BK7 IR\tSchott Mainz", "E-F2\tHoya", "X12\tUmicore"}},
        // At 0 only a table that the equation reproduces exactly passes.
        {"exact", true, 0.0f, {"N-BK7\tSchott Mainz", "F2\tSchott Mainz", "N-BK7 IR\tSchott Mainz", "SILICA\tCorning",
                               "E-F2\tHoya", "N-BK7 S45\tSchott Mainz", "X12\tUmicore"}},
        {"n and k off: nothing compared", false, 0.001f, {}},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE(c.nume);
        SetariVerificare s;
        s.verificaN = c.verificaN;
        s.precizieN = c.precizieN;
        EXPECT_EQ(verifica(s), Cadru(c.materiale, 8));
    }
}

TEST_F(VerificareBazaDate, KIsComparedOnlyWhenSwitchedOnAndAgainstItsOwnPrecision) {
    // An absorbing film: k = 10^(-2 - 0.002·λ), so 1e-3 at 500 nm and 1e-4
    // at 1000 nm; its n table is deliberately far from its n equation.
    const auto absorbant = [](const char* nume, double k250) {
        MaterialOptic m = Material(nume, ProducatorEvaporare, 0, {2.25},
                                   {{250, 2.9, k250}, {500, 2.9, 0.001}, {1000, 2.9, 0.0001}});
        m.ec_dispersie_k = 12;
        m.coef_disp_k[0] = -2.0;
        m.coef_disp_k[1] = 0.002;
        return m;
    };
    // 10^-2.5 = 0.0031623; the second film has k(250) 7.6e-4 too high.
    writeDb(databaseOf({absorbant("BUN", 0.0031623), absorbant("RAU", 0.0039223)}));

    SetariVerificare doarK;
    doarK.verificaN = false;
    doarK.verificaK = true;
    EXPECT_EQ(verifica(doarK), Cadru({}, 2));
    doarK.precizieK = 0.0005f;
    EXPECT_EQ(verifica(doarK), Cadru({"RAU\tEvaporare"}, 2));
    // The n precision does not judge k.
    doarK.precizieN = 100.0f;
    EXPECT_EQ(verifica(doarK), Cadru({"RAU\tEvaporare"}, 2));

    // Their n tables are 0.65 off: with n checked both fail.
    EXPECT_EQ(verifica({}), Cadru({"BUN\tEvaporare", "RAU\tEvaporare"}, 2));
}

TEST_F(VerificareBazaDate, ADifferenceEqualToThePrecisionPasses) {
    // A constant equation makes the boundary exact. The equation value is
    // 1.5 (k: 0.25), exact in single precision; the precision is the float
    // 0.001f, whose 24-bit mantissa ends at 2^-33, so 1.5 + 0.001f and
    // 0.25 + 0.001f need at most 34 bits and are exact doubles, and the
    // check's difference comes out as exactly the widened precision.
    const double pas = static_cast<double>(0.001f);
    const auto constant = [](const char* nume, double n, double k) {
        MaterialOptic m = Material(nume, ProducatorSchott, 0, {1.5}, {{500, n, k}});
        m.ec_dispersie_k = 0;
        m.coef_disp_k[0] = 0.25;
        return m;
    };
    ASSERT_EQ(1.5 + pas - 1.5, pas);
    ASSERT_EQ(0.25 + pas - 0.25, pas);
    writeDb(databaseOf({constant("N LA LIMITA", 1.5 + pas, 0.25), constant("N SUB", 1.5 - pas, 0.25),
                        constant("N PESTE", std::nextafter(1.5 + pas, 2.0), 0.25),
                        constant("K LA LIMITA", 1.5, 0.25 + pas),
                        constant("K PESTE", 1.5, std::nextafter(0.25 + pas, 1.0))}));

    SetariVerificare ambele;
    ambele.verificaK = true;
    std::vector<std::string> intregi;
    EXPECT_EQ(verifica(ambele, &intregi), Cadru({"N PESTE\tSchott Mainz", "K PESTE\tSchott Mainz"}, 5));
    // "Stare" says which value disagrees, and with what.
    EXPECT_EQ(intregi.at(3), "K PESTE\tSchott Mainz\tk la 500.0 nm: 0.25100 fata de 0.25000 din ecuatie");
}

TEST_F(VerificareBazaDate, FailuresToReachTheFileAreReportedAndGiveNoReport) {
    writeDb("");
    EXPECT_EQ(verifica({}), Cadru({}, 0));  // an empty database still gives the frame

    // Stopped by the user: no report of half the database, nothing to say.
    writeDb(databaseOf({F2()}));
    BlocText oprit;
    std::string motiv = "vechi";
    ProgresAnulatDupa anulare(1);
    EXPECT_EQ(VerificaBazaDate(nullptr, path_sticle, {}, oprit, motiv, anulare), 0);
    EXPECT_EQ(anulare.pasi, 1u);
    EXPECT_FALSE(oprit);
    EXPECT_EQ(motiv, "");

    // No database file, then no glass directory: the reason, for the caller to tell.
    std::filesystem::remove(d / NumeFisierSticleImplicit);
    BlocText raport = std::string("vechi");
    EXPECT_EQ(VerificaBazaDate(nullptr, path_sticle, {}, raport, motiv), 0);
    EXPECT_FALSE(raport);
    EXPECT_EQ(motiv, "Eroare deschidere sticleNou32.dat");
    path_sticle = (d / "lipsa").string();
    EXPECT_EQ(VerificaBazaDate(nullptr, path_sticle, {}, raport, motiv), 0);
    EXPECT_EQ(motiv, "Nu exista director " + path_sticle + ")");
    EXPECT_TRUE(p.casete.empty());
    EXPECT_EQ(std::filesystem::current_path(), cwd.saved());
}

// ---- The report of one material ----

TEST(RaportMaterial, CatalogueGlassWithAnEntryWhereTheEquationHasNoValue) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    MaterialOptic bk7 = NBK7();
    bk7.lambda_indici[5] = 10000.0f;  // n² < 0 near the third resonance
    bk7.indice_n[5] = 1.4;
    bk7.lambda_indici[6] = 1529.6f;   // a wavelength with neither n nor k
    bk7.lambda_indici[41] = 700.0f;   // beyond slot 39: not shown
    bk7.indice_n[41] = 1.51;

    BlocText raport;
    RaportMaterial("", bk7, raport);
    // The equation reproduces the catalogue to a few 1e-6, so the
    // differences print as zero; their signs are those of catalogue minus
    // equation (ng 1.52668 against 1.5266846, nF 1.52238 against 1.5223763,
    // nd 1.51680 against the single-precision 1.51680005).
    EXPECT_EQ(Linii(raport), (std::vector<std::string>{
                                 "Material: N-BK7   Producator: Schott Mainz",
                                 "  ",
                                 "Lambda\t n[i]\t n\t n[i]-n\t k[i]\t k\t k[i]-k",
                                 Linie84,
                                 "  435.8\t1.52668\t1.52668\t-0.00000",
                                 "  486.1\t1.52238\t1.52238\t0.00000",
                                 "  546.1\t1.51872\t1.51872\t-0.00000",
                                 "  587.6\t1.51680\t1.51680\t-0.00000",
                                 "  656.3\t1.51432\t1.51432\t-0.00000",
                                 "10000.0\t1.40000\tEroare",
                                 " 1529.6",
                                 Linie84,
                             }));
}

TEST(RaportMaterial, KColumnsFollowTheWavelengthWhenNDoesNotTakePart) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    MaterialOptic m = Material("TIO2", ProducatorEvaporare, 0, {2.25},
                               {{250, 0, 0.004}, {500, 2.25, 0.001}, {1000, 2.2, 0}});
    m.ec_dispersie_k = 12;  // 10^(-2 - 0.002·λ)
    m.coef_disp_k[0] = -2.0;
    m.coef_disp_k[1] = 0.002;

    BlocText raport;
    RaportMaterial("", m, raport);
    // k(250) = 10^-2.5 = 0.0031623; k(500) = 0.001, whose single-precision
    // value lies 4.7e-11 above 0.001, hence the sign of its zero difference.
    EXPECT_EQ(Linii(raport), (std::vector<std::string>{
                                 "Material: TIO2   Producator: Evaporare",
                                 "  ",
                                 "Lambda\t n[i]\t n\t n[i]-n\t k[i]\t k\t k[i]-k",
                                 Linie84,
                                 "  250.0\t 0.0040\t 0.0032\t 0.0008",
                                 "  500.0\t2.25000\t2.25000\t0.00000\t 0.0010\t 0.0010\t-0.0000",
                                 " 1000.0\t2.20000\t2.25000\t-0.05000",
                                 Linie84,
                             }));
}

TEST(RaportMaterial, ATabulatedMaterialShowsOnlyItsWavelengths) {
    MaterialOptic m = Material("TAB", 15, 10, {}, {{400, 1.5, 0.1}});
    m.ec_dispersie_k = 10;
    BlocText raport;
    RaportMaterial("", m, raport);
    const std::vector<std::string> linii = Linii(raport);
    ASSERT_EQ(linii.size(), 6u);
    EXPECT_EQ(linii[0], "Material: TAB   Producator: Producator_16");
    EXPECT_EQ(linii[4], "  400.0");
}

}  // namespace
