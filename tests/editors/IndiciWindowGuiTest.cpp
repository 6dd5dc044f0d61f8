#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <cstring>
#include <filesystem>

#include "material/EditorFixture.h"
#include "editors/IndiciWindow.h"
#include "material/InitializareMaterial.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"
#include "suite/UnitatiDialog.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

constexpr double N1_5168 = 1.516800045967102;  // "1.5168" read as a float and widened

// The n the test material starts with in slot i.
double nInitial(int i) { return 1.5 + i / 1000.0; }

class IndexWindows : public EditorFixture {
protected:
    IndexWindows() {
        MaterialOptic m = namedRecord("N-BK7", 2);
        InitLambdaIndici(m);  // 312.6, 334.1, ... 2325.4 in slots 0-34
        for (int i = 0; i < 35; ++i) m.indice_n[i] = nInitial(i);
        m.indice_k[0] = 0.25;
        m.lambda_indici[45] = 10600.0f;  // an older file's slot, never shown
        setLucru().materiale = {namedRecord("F2", 2), m};
        setLucru().materialCurent = 1;
    }
    MaterialOptic& m() { return setLucru().materiale[1]; }

    FereastraIndici* deschide(int which) {
        FereastraMaterial* w = which == ColoanaN ? ComandaIndiciN(nullptr) : ComandaIndiciK(nullptr);
        auto* f = dynamic_cast<FereastraIndici*>(w);
        EXPECT_NE(f, nullptr);
        if (f) activeaza(f);
        return f;
    }
    // A window command as the menu bar runs it.
    static void comanda(FereastraIndici* w, int id) {
        auto* a = w->findChild<QAction*>(QString::number(id));
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    QStringList texteLambda(FereastraIndici* w) {
        QStringList t;
        for (int s = 0; s < 40; ++s) t << w->celulaLambda(s)->text();
        return t;
    }
};

}  // namespace

TEST_F(IndexWindows, OneWindowPerMaterialTitledWithItsName) {
    FereastraIndici* n = deschide(ColoanaN);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->windowTitle(), "N-BK7 - Indici de refractie - n");
    EXPECT_EQ(ComandaIndiciN(nullptr), n);
    FereastraIndici* k = deschide(ColoanaK);
    ASSERT_NE(k, nullptr);
    EXPECT_NE(static_cast<QWidget*>(k), n);
    EXPECT_EQ(k->windowTitle(), "N-BK7 - Indici de refractie - k");
    EXPECT_EQ(ferestreMaterial().fereastra(TipEditor::IndiciK, 1), k);
    EXPECT_EQ(n->findChildren<QLineEdit*>().size(), 80);

    // Filling: values "%g" or a blank for none, every wavelength "%g".
    EXPECT_EQ(n->celulaLambda(0)->text(), "312.6");
    EXPECT_EQ(n->celulaValoare(1)->text(), "1.501");
    EXPECT_EQ(n->celulaValoare(35)->text(), " ");
    EXPECT_EQ(k->celulaValoare(0)->text(), "0.25");
    EXPECT_EQ(n->etichetaSlot(15), "d");   // 587.56

    setLucru().materiale.clear();
    EXPECT_EQ(ComandaIndiciN(nullptr), nullptr);
    EXPECT_EQ(p.beepuri, 1);
}

TEST_F(IndexWindows, CellsSitInThreeColumnPairsInDialogUnits) {
    FereastraIndici* n = deschide(ColoanaN);
    const UnitatiDialog& u = unitatiDialog();
    const struct {
        int slot, xLambda, xValoare, y;
    } locuri[] = {{0, 5, 55, 16}, {13, 5, 55, 159}, {14, 102, 152, 16}, {39, 199, 249, 148}};
    for (const auto& l : locuri) {
        EXPECT_EQ(n->celulaLambda(l.slot)->geometry(), u.dreptunghi(l.xLambda, l.y, 27, 9)) << l.slot;
        EXPECT_EQ(n->celulaValoare(l.slot)->geometry(), u.dreptunghi(l.xValoare, l.y, 43, 9)) << l.slot;
    }
    EXPECT_EQ(buton(n, 1023)->geometry(), u.dreptunghi(220, 173, 45, 14));
    // The whole button row fits in the window.
    EXPECT_LE(buton(n, 1023)->geometry().bottom(), n->panou()->height());
    EXPECT_LE(buton(n, 1023)->geometry().right(), n->panou()->width());
}

TEST_F(IndexWindows, LeavingOrEnterStoresTheCellAndAWavelengthShowsInBothWindows) {
    FereastraIndici* n = deschide(ColoanaN);
    introdu(n->celulaValoare(3), "1.5168");
    EXPECT_EQ(m().indice_n[3], N1_5168);
    EXPECT_EQ(setLucru().modificat, 1);
    EXPECT_TRUE(p.casete.empty());
    // The first material of the set is not this window's.
    EXPECT_EQ(setLucru().materiale[0].indice_n[3], 0.0);

    setLucru().modificat = 0;
    tasteaza(n->celulaValoare(4), "2");
    QTest::keyClick(n->celulaValoare(4), Qt::Key_Return);
    EXPECT_EQ(m().indice_n[4], 2.0);
    EXPECT_EQ(QApplication::focusWidget(), n->celulaValoare(4));

    // A cell that was only visited stores nothing and marks nothing.
    setLucru().modificat = 0;
    n->celulaValoare(6)->setFocus();
    QTest::keyClick(n->celulaValoare(6), Qt::Key_Tab);
    EXPECT_EQ(setLucru().modificat, 0);

    // A new wavelength takes its spectral line's label, in the other window too.
    FereastraIndici* k = deschide(ColoanaK);
    activeaza(n);
    introdu(n->celulaLambda(0), "632.99");
    EXPECT_EQ(m().lambda_indici[0], 632.99f);
    EXPECT_EQ(n->etichetaSlot(0), "He-Ne");
    EXPECT_EQ(k->celulaLambda(0)->text(), "632.99");
    EXPECT_EQ(k->etichetaSlot(0), "He-Ne");
    // Emptied in the n window, a wavelength empties its slot.
    introdu(n->celulaLambda(1), "");
    EXPECT_EQ(m().lambda_indici[1], 0.0f);
    EXPECT_TRUE(p.casete.empty());

    activeaza(k);
    introdu(k->celulaLambda(6), "1064");
    EXPECT_EQ(n->celulaLambda(6)->text(), "1064");
    // A value change is the window's own business.
    introdu(k->celulaValoare(6), "0.5");
    EXPECT_EQ(n->celulaValoare(6)->text(), "1.506");
}

TEST_F(IndexWindows, ARefusedEntryShowsMessage10AndTheStoredValueAgain) {
    FereastraIndici* n = deschide(ColoanaN);
    FereastraIndici* k = deschide(ColoanaK);
    const std::string inainte = bytesOf(m());
    const struct {
        FereastraIndici* w;
        QLineEdit* c;
        const char* text;
        const char* aratat;
    } cazuri[] = {
        {n, n->celulaValoare(2), "-1.5", "1.502"},
        {n, n->celulaValoare(36), "abc", "0"},  // an empty value shows as "%g" after a refusal
        {n, n->celulaLambda(2), "-350", "350.7"},
        {k, k->celulaLambda(4), "", "365"},      // the k window wants 100 nm or more
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.text);
        activeaza(c.w);
        p.casete.clear();
        introdu(c.c, c.text);
        ASSERT_EQ(p.casete.size(), 1u);
        EXPECT_EQ(p.casete[0].numar, 10);
        EXPECT_EQ(p.casete[0].style, 48u);
        EXPECT_EQ(c.c->text(), c.aratat);
    }
    EXPECT_EQ(bytesOf(m()), inainte);
    EXPECT_EQ(setLucru().modificat, 0);
}

TEST_F(IndexWindows, IncludeAndDeleteWorkOnTheFocusedSlotAtBothEnds) {
    FereastraIndici* n = deschide(ColoanaN);
    FereastraIndici* k = deschide(ColoanaK);
    activeaza(n);
    ASSERT_NE(n->baraMeniu(), nullptr);

    // A commit that takes the focus away from the cells leaves no slot focused.
    tasteaza(n->celulaValoare(0), "1.5");
    buton(n, IdButonStergeLambda)->setFocus();
    EXPECT_EQ(n->slotFocalizat(), -1);
    setLucru().modificat = 0;
    comanda(n, IdIncludeInainte);
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text, "Set focus on a wavelength");
    EXPECT_EQ(p.casete[0].caption, "ATTENTION !");
    EXPECT_EQ(p.casete[0].style, 0u);
    p.casete.clear();

    n->celulaValoare(0)->setFocus();
    comanda(n, IdIncludeInainte);
    EXPECT_EQ(m().lambda_indici[1], 312.6f);
    EXPECT_EQ(m().indice_k[0], 0.25);  // k does not move with the n window
    EXPECT_EQ(n->celulaLambda(0)->text(), "");  // an empty slot reads empty
    EXPECT_EQ(n->celulaValoare(0)->text(), " ");
    EXPECT_EQ(n->celulaLambda(1)->text(), "312.6");
    EXPECT_EQ(k->celulaLambda(1)->text(), "312.6");

    // Deleting slot 0 of the table moves everything back; No leaves it.
    p.raspunde(raspuns::IDNO);
    comanda(n, IdStergeLambdaCurenta);
    EXPECT_EQ(p.ultima().text, "Delete data for 0 nm ?");
    EXPECT_EQ(m().lambda_indici[1], 312.6f);
    p.raspunde(raspuns::IDYES);
    comanda(n, IdStergeLambdaCurenta);
    EXPECT_EQ(p.ultima().caption, "ATTENTION !");
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);
    EXPECT_EQ(m().lambda_indici[0], 312.6f);

    // The k window asks its own question and moves k.
    activeaza(k);
    k->celulaLambda(0)->setFocus();
    p.raspunde(raspuns::IDYES);
    comanda(k, IdStergeLambdaCurenta);
    EXPECT_EQ(p.ultima().text, "Delete 312.6 ?");
    EXPECT_EQ(m().lambda_indici[0], 334.1f);
    EXPECT_EQ(m().indice_n[0], 1.5);  // n stays where it was

    // None of this marks the material modified.
    EXPECT_EQ(setLucru().modificat, 0);
}

TEST_F(IndexWindows, ACommandChosenWhileTypingTakesTheTypedValueFirst) {
    FereastraIndici* n = deschide(ColoanaN);
    tasteaza(n->celulaValoare(2), "1.7");
    comanda(n, IdIncludeDupa);  // the cell keeps the focus while a menu is open
    EXPECT_EQ(m().indice_n[2], static_cast<double>(1.7f));
    EXPECT_EQ(m().lambda_indici[3], 0.0f);
    EXPECT_EQ(m().indice_n[4], nInitial(3));
    EXPECT_EQ(setLucru().modificat, 1);
}

TEST_F(IndexWindows, EraseButtons) {
    FereastraIndici* n = deschide(ColoanaN);
    FereastraIndici* k = deschide(ColoanaK);
    activeaza(n);

    p.raspunde(raspuns::IDNO);
    click(buton(n, IdButonStergeLambda));
    EXPECT_EQ(p.ultima().text, "Erase the wavelengths ?");
    EXPECT_EQ(p.ultima().caption, "VITRAMOR V3.0");
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);
    EXPECT_EQ(m().lambda_indici[0], 312.6f);

    p.raspunde(raspuns::IDYES);
    click(buton(n, IdButonStergeLambda));
    EXPECT_EQ(texteLambda(n), QStringList(40, ""));
    EXPECT_EQ(texteLambda(k), QStringList(40, ""));
    EXPECT_EQ(n->celulaValoare(1)->text(), "1.501");  // the values keep their numbers

    p.raspunde(raspuns::IDYES);
    click(buton(n, IdButonStergeValori));
    EXPECT_EQ(p.ultima().text, "Erase the refractive indexes ?");
    EXPECT_EQ(m().indice_n[1], 0.0);
    EXPECT_EQ(n->celulaValoare(1)->text(), " ");
    EXPECT_EQ(m().indice_k[0], 0.25);

    // The k window erases without asking (an unexpected question would throw).
    const std::size_t casete = p.casete.size();
    activeaza(k);
    click(buton(k, IdButonStergeValori));
    EXPECT_EQ(k->celulaValoare(0)->text(), " ");
    EXPECT_EQ(p.casete.size(), casete);
    EXPECT_EQ(setLucru().modificat, 0);
}

TEST_F(IndexWindows, InitFromTheEquationShowsErrorWhereTheEquationFails) {
    // Cauchy n = -1 + 1e6/lambda^2: usable below 1000 nm, negative above.
    m().ec_dispersie_n = 3;
    m().coef_disp_n[0] = -1.0;
    m().coef_disp_n[1] = 1e6;
    m().lambda_indici[36] = 0.0f;
    m().indice_n[36] = 7.0;
    FereastraIndici* n = deschide(ColoanaN);

    p.raspunde(raspuns::IDNO);
    click(buton(n, IdButonInitDinEcuatie));
    EXPECT_EQ(p.ultima().text, "Initializati datele cu ecuatia de dispersie ?");
    EXPECT_EQ(p.ultima().caption, "VITRAMOR V2.0");
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);
    EXPECT_EQ(m().indice_n[0], 1.5);
    EXPECT_EQ(setLucru().modificat, 0);

    p.raspunde(raspuns::IDYES);
    click(buton(n, IdButonInitDinEcuatie));
    // Slot 10 is 514 nm: -1 + 1e6/514^2 = 2.7850687.
    EXPECT_EQ(n->celulaValoare(10)->text(), "2.78507");
    EXPECT_NEAR(m().indice_n[10], 2.7850687, 1e-6);
    // 1013.9 nm (slot 26) and beyond fail and keep their value; no wavelength, no evaluation.
    EXPECT_EQ(n->celulaValoare(26)->text(), "error");
    EXPECT_EQ(m().indice_n[26], nInitial(26));
    EXPECT_EQ(n->celulaValoare(36)->text(), "7");
    EXPECT_EQ(setLucru().modificat, 1);

    // A tabulated material has nothing to initialise from.
    m().ec_dispersie_n = 10;
    n->reimprospateaza();
    EXPECT_FALSE(buton(n, IdButonInitDinEcuatie)->isEnabled());
    FereastraIndici* k = deschide(ColoanaK);
    EXPECT_TRUE(buton(k, IdButonInitDinEcuatie)->isEnabled());
    EXPECT_EQ(buton(k, IdButonInitDinEcuatie)->text(), "Init from k(l)");
}

TEST_F(IndexWindows, TabGoesFromCellToCellInSlotOrder) {
    FereastraIndici* n = deschide(ColoanaN);
    n->celulaLambda(0)->setFocus();
    QStringList ordine;
    for (int i = 0; i < 82; ++i) {
        ordine << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList asteptat;
    for (int s = 0; s < 40; ++s) asteptat << QStringLiteral("lambda%1").arg(s) << QStringLiteral("n%1").arg(s);
    asteptat << "1" << "1134";
    EXPECT_EQ(ordine, asteptat);
}

TEST_F(IndexWindows, ClosingThroughTheTitleBarKeepsTheTypedValueAndThePosition) {
    FereastraIndici* n = deschide(ColoanaN);
    n->move(123, 77);
    tasteaza(n->celulaValoare(8), "1.9");
    n->close();
    stergeAmanate();
    EXPECT_EQ(m().indice_n[8], static_cast<double>(1.9f));
    EXPECT_EQ(p.setari().citesteIntreg("Software\\KESTRA\\WINDOWS_POS\\EditIndiciClass", "POSX"), 123);
    EXPECT_EQ(ferestreMaterial().fereastra(TipEditor::IndiciN, 1), nullptr);

    // Opened again at the kept place; OK closes without keeping it.
    n = deschide(ColoanaN);
    EXPECT_EQ(n->pos(), QPoint(123, 77));
    n->move(200, 90);
    click(buton(n, raspuns::IDOK));
    stergeAmanate();
    EXPECT_EQ(p.setari().citesteIntreg("Software\\KESTRA\\WINDOWS_POS\\EditIndiciClass", "POSX"), 123);

    // The shutdown's cancel drops what was being typed.
    n = deschide(ColoanaN);
    tasteaza(n->celulaValoare(9), "1.8");
    ferestreMaterial().inchideToate();
    stergeAmanate();
    EXPECT_EQ(m().indice_n[9], nInitial(9));
}

TEST_F(IndexWindows, AjutorOpensTheDatasheetOfTheMaterialsProducer) {
    TestDir d;
    struct Restaureaza {
        std::string sticle = path_sticle;
        ~Restaureaza() { path_sticle = sticle; }
    } restaureaza;
    path_sticle = d.str();
    FereastraIndici* n = deschide(ColoanaN);
    // Producer 2 (Schott): its chemical-properties note, not there yet.
    click(buton(n, IdButonAjutorEditor));
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].text.rfind("Nu exista fisierul\n", 0), 0u) << p.casete[0].text;
    const std::filesystem::path pdf = d / "SCHOTT" / "tie-30_chemical_properties_of_optical_glass.pdf";
    EXPECT_EQ(p.casete[0].caption, pdf.string());
    std::filesystem::create_directories(pdf.parent_path());
    writeFile(pdf, "%PDF-1.4");
    click(buton(n, IdButonAjutorEditor));
    ASSERT_EQ(p.documenteDeschise.size(), 1u);
    EXPECT_EQ(p.documenteDeschise[0].rfind(pdf.string(), 0), 0u);
}
