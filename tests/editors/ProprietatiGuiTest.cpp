// The transmittance, mechanical, thermal, chemical and laser-damage editors,
// driven through their windows as a user drives them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cstring>

#include "material/EditorFixture.h"
#include "editors/GraficTransmisieWindow.h"
#include "suite/GraficWidget.h"

#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include "editors/LaserDamageDialog.h"
#include "editors/MecanicWindow.h"
#include "editors/StabilitateChimicaDialog.h"
#include "editors/TermicEvaporareDialog.h"
#include "editors/TermicWindow.h"
#include "editors/TransmisieWindow.h"
#include "record/ConversiiMaterial.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class Proprietati : public EditorFixture {
protected:
    explicit Proprietati(std::uint16_t producator = 2) {
        MaterialOptic m = namedRecord("N-BK7", producator);
        m.grosime_transmisie = 10.0f;
        const std::uint16_t lambda[] = {400, 300, 500, 600};
        for (int s = 0; s < 4; ++s) m.lambda_Ti[s] = lambda[s];
        m.transmisia_interna[3] = 0.138629f;  // 0.25 at 10 mm
        m.densitate = 2.51f;
        setLucru().materiale = {m};
    }
    MaterialOptic& m() { return setLucru().materiale[0]; }
    template <class W>
    W* deschide(FereastraMaterial* (*comanda)(QWidget*)) {
        auto* w = dynamic_cast<W*>(comanda(nullptr));
        EXPECT_NE(w, nullptr);
        if (w) activeaza(w);
        return w;
    }
    static QLineEdit* celula(QWidget* w, const QString& nume) {
        auto* c = w->findChild<QLineEdit*>(nume);
        EXPECT_NE(c, nullptr) << nume.toStdString();
        return c;
    }
};

}  // namespace

TEST_F(Proprietati, TransmittanceCellsCommitAndRefreshTheOpenGraph) {
    auto* t = deschide<TransmisieWindow>(ComandaTransmisie);
    EXPECT_EQ(t->windowTitle(), "N-BK7 - Transmisie interna");
    EXPECT_EQ(t->celulaTransmisie(3)->text(), "   0.2500");
    EXPECT_EQ(t->celulaLambda(1)->text(), "   300");
    EXPECT_EQ(QApplication::focusWidget(), t->celulaGrosime());

    click(buton(t, IdButonGrafic));
    auto* g = dynamic_cast<GraficTransmisieWindow*>(ferestreMaterial().fereastra(TipEditor::GraficTransmisie, 0));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->windowTitle(), "N-BK7 - Transmisia interna");
    const auto curba = g->desen().curba;

    activeaza(t);
    introdu(t->celulaTransmisie(2), "0.5");
    EXPECT_NEAR(m().transmisia_interna[2], 0.0693147, 1e-7);
    EXPECT_EQ(t->celulaTransmisie(2)->text(), "   0.5000");
    EXPECT_EQ(setLucru().modificat, 1);
    EXPECT_NE(g->desen().curba, curba);

    introdu(t->celulaGrosime(), "5");
    EXPECT_EQ(t->celulaTransmisie(3)->text(), "   0.5000");
    EXPECT_EQ(g->grosime(), 5.0f);
    introdu(t->celulaLambda(0), "250");
    EXPECT_EQ(g->scara().minim, 250.0);
    EXPECT_TRUE(p.casete.empty());

    p.raspunde(raspuns::IDNO);
    click(buton(t, IdButonStergeTi));
    EXPECT_EQ(p.ultima().style, 36u | stil::MB_DEFBUTTON2);  // No is the default
    EXPECT_NE(m().transmisia_interna[3], 0.0f);
}

// Whatever a user may leave in a cell that is not a value it takes, the
// editor answers with its message and the record keeps every byte.
TEST_F(Proprietati, BadInputIsRefusedWithTheEditorsMessageAndChangesNothing) {
    const struct {
        FereastraMaterial* (*comanda)(QWidget*);
        const char* celula;
        int mesaj;
        const char* aratat;  // after the refusal; null: the typed text stays
        bool golRefuzat;     // elsewhere an emptied cell is 0, "not given"
    } celule[] = {
        {ComandaTransmisie, "t3", 38, "   0.2500", true},  {ComandaTransmisie, "grosime", 38, nullptr, true},
        {ComandaTransmisie, "lambda0", 38, "   400", false}, {ComandaMecanic, "101", 10, "2.51", false},
        {ComandaMecanic, "104", 10, nullptr, false},      {ComandaTermic, "117", 10, "", false},
        {ComandaLaserDamage, "106", 10, "", false},
    };
    const char* texte[] = {"abc", "nan", "-1", "1e999", ""};
    for (const auto& c : celule) {
        auto* w = deschide<EditorMaterialWindow>(c.comanda);
        ASSERT_NE(w, nullptr);
        setLucru().modificat = 0;
        const std::string inainte = bytesOf(m());
        for (const char* text : texte) {
            if (!*text && !c.golRefuzat) continue;
            SCOPED_TRACE(std::string(c.celula) + " <- '" + text + "'");
            p.casete.clear();
            introdu(celula(w, c.celula), text);
            ASSERT_EQ(p.casete.size(), 1u);
            EXPECT_EQ(p.casete[0].numar, c.mesaj);
            EXPECT_EQ(p.casete[0].style, 48u);
            EXPECT_EQ(celula(w, c.celula)->text(), c.aratat ? QString(c.aratat) : QString(text));
        }
        EXPECT_EQ(bytesOf(m()), inainte);
        EXPECT_EQ(setLucru().modificat, 0);
        ferestreMaterial().inchideToate();
        stergeAmanate();
    }
}

TEST_F(Proprietati, GraphReadsOutUnderTheMouseAndExportsItsPicture) {
    auto* g = dynamic_cast<GraficTransmisieWindow*>(ComandaGraficTransmisie(0, nullptr));
    ASSERT_NE(g, nullptr);
    activeaza(g);
    // The read-out under the pointer, in the axes' units; the scale fitted
    // to the data unless the whole 0-100 % is asked for.
    GraficWidget* grafic = g->grafic();
    QChart* c = grafic->grafic();
    const QPointF scena = c->mapToScene(c->mapToPosition(QPointF(500.0, (grafic->axaY()->min() + grafic->axaY()->max()) / 2)));
    const QString citire = grafic->citireLa(grafic->findChild<QChartView*>()->mapFromScene(scena));
    // "Lungime de unda = 499.8 nm   Transmisie interna = 59.819 %": a pixel off at most.
    EXPECT_TRUE(citire.startsWith("Lungime de unda = ") && citire.endsWith(" %")) << citire.toStdString();
    EXPECT_NEAR(citire.section(QLatin1Char(' '), 4, 4).toDouble(), 500.0, 1.0);
    grafic->seteazaScalaCompleta(true);
    EXPECT_EQ(grafic->axaY()->min(), 0.0);
    EXPECT_EQ(grafic->axaY()->max(), 100.0);

    // A typed thickness is the graph's own; the record keeps its own.
    introdu(g->findChild<QLineEdit*>("grosimeGrafic"), "20");
    EXPECT_EQ(g->grosime(), 20.0f);
    EXPECT_EQ(m().grosime_transmisie, 10.0f);

    click(g->findChild<QPushButton*>("copiaza"));
    EXPECT_EQ(p.clipboardImagine.substr(1, 3), "PNG");
    TestDir dir;
    p.fisiereAlese = {FisierAles{dir.str(), "t.svg"}, FisierAles{dir.str(), "t.png"}};
    click(g->findChild<QPushButton*>("svg"));
    click(g->findChild<QPushButton*>("png"));
    EXPECT_EQ(readFile(dir / "t.svg").rfind("<?xml", 0), 0u);
    EXPECT_EQ(readFile(dir / "t.png").substr(1, 3), "PNG");
    EXPECT_EQ(p.cereriFisier.at(0).numeInitial, "N-BK7_Ti.svg");

    // One wavelength is no axis: no graph.
    setLucru().materiale.push_back(namedRecord("F2", 2));
    EXPECT_EQ(ComandaGraficTransmisie(1, nullptr), nullptr);
}

TEST_F(Proprietati, GlassEditorsFollowTheProducer) {
    m().dilatare[0] = 7.1e-6f;
    m().stabilitate_chimica[2] = 52;
    auto* mec = deschide<EditorMaterialWindow>(ComandaMecanic);
    introdu(celula(mec, "102"), "70");
    EXPECT_EQ(m().modul_young, 70.0f);
    introdu(celula(mec, "105"), "-1");  // abrasion of a glass
    EXPECT_EQ(p.ultima().numar, 10);
    m().dilatare[1] = 7.1f;  // a catalogue number: x 10^-6 for this producer
    auto* termic = deschide<EditorMaterialWindow>(ComandaTermic);
    // Shown in this producer's scale, whichever way the record keeps it.
    EXPECT_EQ(celula(termic, "109")->text(), "7.10");
    EXPECT_EQ(celula(termic, "110")->text(), "7.10");
    introdu(celula(termic, "110"), "7.2");
    EXPECT_EQ(m().dilatare[1], 7.2f);

    auto* chimic = deschide<StabilitateChimicaDialog>(ComandaChimic);
    EXPECT_EQ(chimic->windowTitle(), "N-BK7 - Stabilitate chimica: Shott Mainz");
    EXPECT_EQ(chimic->lista(2)->currentText(), "52");
    Q_EMIT chimic->lista(2)->activated(4);
    EXPECT_EQ(m().stabilitate_chimica[2], 5);
    EXPECT_FALSE(chimic->lista(5)->isEnabled());

    // Empty laser lines get the usual wavelengths as the dialog opens.
    setLucru().modificat = 0;
    auto* lidt = deschide<EditorMaterialWindow>(ComandaLaserDamage);
    EXPECT_EQ(celula(lidt, "103")->text(), "532");
    EXPECT_EQ(m().lidt_lambda[0], 1064);
    EXPECT_EQ(setLucru().modificat, 1);

    ferestreMaterial().inchideToate();
    m().producator = 0;
    auto* doua = deschide<EditorMaterialWindow>(ComandaChimic);
    auto* umiditate = doua->findChild<QComboBox*>("101");
    EXPECT_EQ(umiditate->itemText(2), "V");
    Q_EMIT umiditate->activated(2);
    EXPECT_EQ(m().stabilitate_chimica[0], 2);
    m().producator = 4;
    EXPECT_EQ(ComandaChimic(nullptr), nullptr);
}

// A value the record does not have (0) is an empty cell, and emptying a cell
// says "not given" (0) whatever rule the cell has for typed values.
TEST_F(Proprietati, NotGivenIsAnEmptyCellAndAnEmptiedCellIsNotGiven) {
    const struct {
        FereastraMaterial* (*comanda)(QWidget*);
        const char* celula;
    } goale[] = {{ComandaMecanic, "102"}, {ComandaMecanic, "111"},      {ComandaTermic, "109"},
                 {ComandaTermic, "117"},  {ComandaLaserDamage, "106"}, {ComandaTransmisie, "lambda20"},
                 {ComandaTransmisie, "t20"}};
    for (const auto& g : goale) {
        auto* w = deschide<EditorMaterialWindow>(g.comanda);
        EXPECT_EQ(celula(w, g.celula)->text(), "") << g.celula;
        ferestreMaterial().inchideToate();
        stergeAmanate();
    }
    auto* mec = deschide<EditorMaterialWindow>(ComandaMecanic);
    setLucru().modificat = 0;
    introdu(celula(mec, "101"), "0");  // a density is positive
    EXPECT_EQ(p.ultima().numar, 10);
    introdu(celula(mec, "101"), "");
    EXPECT_EQ(m().densitate, 0.0f);
    EXPECT_EQ(celula(mec, "101")->text(), "");
    EXPECT_EQ(setLucru().modificat, 1);
    // A chemical class not given selects no entry: alkali class 0 is not "1".
    auto* chimic = deschide<StabilitateChimicaDialog>(ComandaChimic);
    EXPECT_EQ(chimic->lista(3)->currentText(), "");
}

class ProprietatiEvaporare : public Proprietati {
protected:
    ProprietatiEvaporare() : Proprietati(ProducatorEvaporare) {}
};

TEST_F(ProprietatiEvaporare, EvaporationMaterialsGetTheirOwnDialogs) {
    auto* t = deschide<TransmisieWindow>(ComandaTransmisie);
    EXPECT_FALSE(t->celulaLambda(0)->isEnabled());
    EXPECT_EQ(t->celulaTransmisie(9)->text(), "");
    ferestreMaterial().inchideToate();

    auto* mec = deschide<EditorMaterialWindow>(ComandaMecanic);
    EXPECT_EQ(mec->windowTitle(), "Editare proprietati mecanice material de evaporare N-BK7");
    introdu(celula(mec, "114"), "0.1");
    introdu(celula(mec, "115"), "0.001");
    introdu(celula(mec, "117"), "100");
    EXPECT_EQ(celula(mec, "103")->text(), "0.2");
    EXPECT_EQ(celula(mec, "118")->text(), "2");  // MPa: 0.2 N/m over 100 nm
    introdu(celula(mec, "107"), "-3");
    EXPECT_EQ(m().duritate_abraziune, -3.0f);
    EXPECT_TRUE(p.casete.empty());
    // The layer range is checked against the stored other end.
    setLucru().modificat = 0;
    introdu(celula(mec, "108"), "600");
    EXPECT_EQ(p.ultima().style, 64u);
    introdu(celula(mec, "109"), "700");
    introdu(celula(mec, "108"), "600");
    EXPECT_EQ(m().grosime_min, 600.0f);
    EXPECT_EQ(setLucru().modificat, 0);
    click(buton(mec, IdButonAjutorEditor));
    EXPECT_EQ(p.ultima().numar, 0);

    m().incredere[1] = 0.0f;
    auto* termic = deschide<EditorMaterialWindow>(ComandaTermic);
    EXPECT_EQ(m().incredere[1], 0.7f);
    EXPECT_EQ(celula(termic, "106")->text(), "0.7");
    introdu(celula(termic, "103"), "7.1");
    EXPECT_FLOAT_EQ(m().dilatare[0], 7.1e-6f);
    p.casete.clear();
    introdu(celula(termic, "108"), "70000");
    EXPECT_EQ(p.ultima().numar, 10);

    // Thresholds 3 to 5 share their bytes with a glass's three.
    auto* lidt = deschide<EditorMaterialWindow>(ComandaLaserDamage);
    introdu(celula(lidt, "108"), "4.5");
    EXPECT_EQ(m().lidt[0], 4.5f);
    EXPECT_EQ(lidt->findChildren<QLineEdit*>().size(), 10);
}

// Each cell of the evaporation dialogs and each list of the two-scale
// chemical dialog changes its own field at its offset in the file's units,
// and nothing else; a confidence outside 0.01..1 is refused.
TEST_F(Proprietati, EvaporationAndTwoScaleDialogsStoreEachCellAtItsOffset) {
    constexpr std::uint16_t E = ProducatorEvaporare;
    const auto mecanic = ComandaMecanic, termic = ComandaTermic;
    const struct {
        std::uint16_t producator;
        FereastraMaterial* (*comanda)(QWidget*);
        const char *celula, *text;
        std::size_t offset;  // 0: refused
        float valoare;
        bool cuvant = false;  // a 16-bit word rather than a float
    } cazuri[] = {
        {E, mecanic, "101", "2.5", 1796, 2.5f},
        {E, mecanic, "102", "70", 1776, 70.0f},
        {E, mecanic, "104", "0.2", 1780, 0.2f},
        {E, mecanic, "106", "500", 1788, 500.0f},
        {E, mecanic, "107", "-3", 1784, -3.0f},
        {E, mecanic, "105", "60.08", 2108, 60.08f},
        {E, mecanic, "110", "0.12", 2104, 0.12f},
        {E, mecanic, "114", "0.1", 2056, 0.1f},
        {E, mecanic, "115", "0.01", 2060, 0.01f},
        {E, mecanic, "116", "-1e-5", 2064, -1e-5f},
        {E, mecanic, "109", "800", 2072, 800.0f},
        {E, termic, "101", "1.4", 1968, 1.4f},
        {E, termic, "102", "750", 1952, 750.0f},
        {E, termic, "103", "7.1", 1984, static_cast<float>(7.1f / 1e6)},
        {E, termic, "104", "8.2", 1988, static_cast<float>(8.2f / 1e6)},
        {E, termic, "105", "0.5", 1472, 0.5f},
        {E, termic, "106", "0.6", 1476, 0.6f},
        {E, termic, "107", "0.8", 1480, 0.8f},
        {E, termic, "111", "0.9", 1484, 0.9f},
        {E, termic, "108", "1700", 2000, 1700, true},
        {E, termic, "109", "300", 2002, 300, true},
        {E, termic, "110", "900", 2004, 900, true},
        {E, termic, "112", "0.3", 1468, 0.3f},
        {E, termic, "105", "1.5", 0, 0},
        {E, termic, "106", "0.005", 0, 0},
        {1, ComandaChimic, "101", "2", 2084, 0x0102, true},
        {1, ComandaChimic, "102", "3", 2086, 0x0203, true},
    };
    m().stabilitate_chimica[0] = 0x0100;  // the high bytes are not the dialog's
    m().stabilitate_chimica[1] = 0x0200;
    const auto primaDiferenta = [](const std::string& a, const std::string& b) {
        return std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin();
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(std::string(c.celula) + " <- " + c.text);
        m().producator = c.producator;
        auto* w = deschide<EditorMaterialWindow>(c.comanda);
        ASSERT_NE(w, nullptr);
        std::string asteptat = bytesOf(m());  // after the thermal dialog put its default confidences in
        const std::uint16_t cuvant = static_cast<std::uint16_t>(c.valoare);
        if (c.offset)
            std::memcpy(&asteptat[c.offset], c.cuvant ? static_cast<const void*>(&cuvant) : &c.valoare,
                        c.cuvant ? 2 : 4);
        p.casete.clear();
        if (auto* lista = w->findChild<QComboBox*>(c.celula))
            Q_EMIT lista->activated(std::atoi(c.text));
        else
            introdu(celula(w, c.celula), c.text);
        EXPECT_EQ(primaDiferenta(bytesOf(m()), asteptat), static_cast<std::ptrdiff_t>(asteptat.size()));
        EXPECT_EQ(p.casete.size(), c.offset ? 0u : 1u);
        ferestreMaterial().inchideToate();
        stergeAmanate();
    }
    m().producator = E;
    click(buton(deschide<EditorMaterialWindow>(termic), IdInitIncredere));
    EXPECT_EQ(std::vector<float>(m().incredere, m().incredere + 4), (std::vector<float>{0.7f, 0.7f, 0.7f, 0.95f}));
}

// A material with more digits in every property than any cell shows, so
// that a cell that stored what it shows would change bytes.
MaterialOptic MaterialPlin(std::uint16_t producator) {
    MaterialOptic m = namedRecord("PLIN", producator);
    auto* octeti = reinterpret_cast<char*>(&m);
    for (std::size_t off = 1464; off < 2112; off += 4) {
        const float v = 1.2345678f * static_cast<float>(off % 97 + 1);
        if (off < 1568 || off >= 1772) std::memcpy(octeti + off, &v, 4);
        else m.transmisia_interna[(off - 1568) / 4 % 50] = v / 1000.0f;  // 1/mm
    }
    for (int s = 0; s < NumarSloturiTabel; ++s) m.lambda_Ti[s] = static_cast<std::uint16_t>(280 + 10 * s);
    m.transmisia_interna[12] = AbsorbtieOpac;
    const std::uint16_t intregi[] = {557, 700, 800, 0, 0, 0};
    std::copy(std::begin(intregi), std::end(intregi), m.temperaturi);
    m.grosime_min = 12.345678f;
    const std::uint16_t chimic[] = {1, 52, 3, 2, 1, 0, 0, 0, 0, 2};  // the classes, then the toxicity
    std::memcpy(m.stabilitate_chimica, chimic, sizeof chimic);
    if (producator == ProducatorEvaporare) {
        m.rata_evaporare = 0.3123457f;
        for (float& i : m.incredere) i = 0.8123457f;
    } else {
        const std::uint16_t lidt[] = {1064, 532, 355};
        std::copy(std::begin(lidt), std::end(lidt), m.lidt_lambda);
    }
    return m;
}

// Opening an editor and committing every cell and list as it stands leaves
// every byte of the record as it was, for every producer code.
TEST_F(Proprietati, EveryEditorCommitsItsCellsUnchangedWithoutChangingAByte) {
    FereastraMaterial* (*const comenzi[])(QWidget*) = {ComandaMecanic, ComandaTermic, ComandaChimic,
                                                        ComandaLaserDamage, ComandaTransmisie};
    for (std::uint16_t producator = 0; producator < 16; ++producator) {
        SCOPED_TRACE("producator " + std::to_string(producator));
        m() = MaterialPlin(producator);
        const std::string inainte = bytesOf(m());
        for (auto comanda : comenzi) {
            auto* w = dynamic_cast<EditorMaterialWindow*>(comanda(nullptr));
            if (!w) continue;  // no chemical editor for this producer
            activeaza(w);
            SCOPED_TRACE(w->windowTitle().toStdString());
            ASSERT_EQ(bytesOf(m()), inainte) << "opening";
            for (QLineEdit* c : w->findChildren<QLineEdit*>())
                if (c->isEnabled() && !c->isReadOnly() && w->panou()->isAncestorOf(c)) introdu(c, c->text());
            for (QComboBox* c : w->findChildren<QComboBox*>())
                if (c->isEnabled() && c->currentIndex() >= 0) Q_EMIT c->activated(c->currentIndex());
            EXPECT_EQ(bytesOf(m()), inainte);
            EXPECT_TRUE(p.casete.empty()) << (p.casete.empty() ? "" : p.casete.back().text);
            ferestreMaterial().inchideToate();
            stergeAmanate();
        }
    }
}
