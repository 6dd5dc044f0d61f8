#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>

#include "support/PlatformaScriptata.h"
#include "suite/VedoraUi.h"
#include "support/ModalDriver.h"
#include "support/TestDir.h"

namespace vitramor {
namespace {

using namespace raspuns;
using test::DriverModal;
using test::TestDir;

// ---- Frames ----

const QRgb kFond = qRgb(100, 150, 200);  // a colour no frame uses

QImage desenat(void (*zona)(QPainter&, int, int, int, int)) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(kFond);
    QPainter p(&img);
    zona(p, 2, 3, 12, 15);  // 10 x 12 pixels, right and bottom edges excluded
    p.end();
    return img;
}

// Outer ring: left column x=2, top row y=3, right column x=11, bottom row
// y=14; the inner ring one pixel in. A raised frame is light top-left and
// dark bottom-right, its inner top-left edge white as a raised button's; a
// sunken frame is the same turned round.
TEST(Rame, RaisedAndSunkenFramesOnTwoRings) {
    for (bool sus : {true, false}) {
        SCOPED_TRACE(sus ? "raised" : "sunken");
        const QImage img = desenat(sus ? &ZonaSus : &ZonaJos);
        const auto luminaStangaSus = [&](QPoint a, QPoint b) {
            EXPECT_EQ(qGray(img.pixel(a)) > qGray(img.pixel(b)), sus) << a.x() << "," << a.y();
        };
        luminaStangaSus({2, 8}, {11, 8});
        luminaStangaSus({6, 3}, {6, 14});
        luminaStangaSus({3, 8}, {10, 8});
        EXPECT_EQ(img.pixel(sus ? QPoint(3, 8) : QPoint(11, 8)), qRgb(255, 255, 255));
        for (QPoint p : {QPoint(4, 5), QPoint(9, 12), QPoint(12, 8), QPoint(6, 15), QPoint(1, 8), QPoint(6, 2)})
            EXPECT_EQ(img.pixel(p), kFond) << p.x() << "," << p.y();
    }
    // An empty rectangle draws nothing.
    QImage gol(8, 8, QImage::Format_RGB32);
    gol.fill(kFond);
    QPainter p(&gol);
    ZonaSus(p, 5, 5, 5, 7);
    ZonaJos(p, 6, 6, 2, 2);
    p.end();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(gol.pixel(x, y), kFond);
}

// ---- Colours ----

TEST(CuloriSuita, ExitRestoresThePaletteInForceBeforeStartUp) {
    const QPalette original = QApplication::palette();
    EXPECT_EQ(SetareCuloriSystem(1), 0);  // nothing installed yet: nothing to restore
    EXPECT_EQ(QApplication::palette(), original);

    EXPECT_EQ(SetareCuloriSystem(0), 1);
    const QColor fond = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(fond.red(), fond.green());
    EXPECT_EQ(fond.green(), fond.blue());
    EXPECT_GT(fond.red(), 150);  // a light grey
    EXPECT_LT(fond.red(), 255);
    // A second start-up call must not make the suite's colours "the user's".
    EXPECT_EQ(SetareCuloriSystem(0), 1);
    EXPECT_EQ(SetareCuloriSystem(1), 1);
    EXPECT_EQ(QApplication::palette(), original);
    EXPECT_EQ(SetareCuloriSystem(1), 0);
}

// ---- Output choice ----

DriverModal::Pas alege(const char* id, const char* buton = "1") {
    return [id, buton](QWidget* w) {
        ASSERT_EQ(w->objectName(), QStringLiteral("PeCeSeListeaza"));
        auto* radio = w->findChild<QRadioButton*>(QString::fromLatin1(id));
        ASSERT_NE(radio, nullptr);
        radio->click();
        auto* b = w->findChild<QAbstractButton*>(QString::fromLatin1(buton));
        ASSERT_NE(b, nullptr);
        b->click();
    };
}

const QStringList kLinii{"Lungime\tn", "587.6\t1.5168", "656.3\t1.5143"};

struct IesireListare : ::testing::Test {
    TestDir dir;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
};

TEST_F(IesireListare, LinesToTheClipboardOrToATextFileEachEndedByALineFeed) {
    {
        DriverModal d({alege("103")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 1);
        EXPECT_TRUE(d.terminat());
        EXPECT_EQ(p.clipboard, "Lungime\tn\n587.6\t1.5168\n656.3\t1.5143");
    }
    p.fisiereAlese.push_back(FisierAles{dir.str(), "lista.txt"});
    DriverModal d({alege("102")});
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 1);
    EXPECT_EQ(dir.read("lista.txt"), "Lungime\tn\n587.6\t1.5168\n656.3\t1.5143\n");
    ASSERT_EQ(p.cereriFisier.size(), 1u);
    ASSERT_FALSE(p.cereriFisier[0].filtre.empty());
    EXPECT_EQ(p.cereriFisier[0].filtre[0].modele, std::vector<std::string>{"*.txt"});
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(IesireListare, ExistingFileIsReplacedOnlyAfterYes) {
    dir.write("lista.txt", "vechi\n");
    p.fisiereAlese.push_back(FisierAles{dir.str(), "lista.txt"});
    p.raspunde(IDNO);
    {
        DriverModal d({alege("102")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 0);
    }
    EXPECT_EQ(dir.read("lista.txt"), "vechi\n");
    ASSERT_EQ(p.casete.size(), 1u);
    EXPECT_EQ(p.casete[0].numar, 947);

    p.fisiereAlese.push_back(FisierAles{dir.str(), "lista.txt"});
    p.raspunde(IDYES);
    DriverModal d({alege("102")});
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, QStringList{"nou"}), 1);
    EXPECT_EQ(dir.read("lista.txt"), "nou\n");
}

TEST_F(IesireListare, CancelledChoiceOrCancelledFileDoNothing) {
    {
        DriverModal d({alege("103", "2")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 0);
        EXPECT_TRUE(d.terminat());
    }
    EXPECT_TRUE(p.clipboard.empty());
    p.fisiereAlese.push_back(std::nullopt);
    DriverModal d({alege("102")});
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 0);
    EXPECT_TRUE(p.casete.empty());
}

TEST_F(IesireListare, DataThatDoesNotFitTheModeIsRefusedWithoutAsking) {
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareImagine, kLinii), 0);
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, img), 0);
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, QStringList{}), 0);
    EXPECT_EQ(p.beepuri, 1);  // an empty list has nothing to give
    EXPECT_TRUE(p.casete.empty());
}

// A clipboard that refuses, a directory that is not there, no picture.
TEST_F(IesireListare, FailuresShowTheirMessagesOnce) {
    p.clipboardEsueaza = true;
    {
        DriverModal d({alege("103")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 0);
    }
    p.fisiereAlese.push_back(FisierAles{(dir / "lipsa").string(), "lista.txt"});
    {
        DriverModal d({alege("102")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareLinii, kLinii), 0);
    }
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareImagine, QImage()), 0);
    ASSERT_EQ(p.casete.size(), 3u);
    EXPECT_EQ(p.casete[0].numar, 362);
    EXPECT_EQ(p.casete[0].style, 48u);
    EXPECT_EQ(p.casete[1].text,
              "Eroare scriere fisier " + (dir / "lipsa" / "lista.txt").string() + ":\nNo such file or directory");
    EXPECT_EQ(p.casete[2].numar, 77);
    EXPECT_TRUE(dir.files().empty());
}

QImage imagineTest() {
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter pt(&img);
    pt.fillRect(5, 5, 10, 6, QColor(0, 0, 255));
    pt.end();
    return img;
}

TEST_F(IesireListare, PictureToClipboardAndToAPngFile) {
    const QImage img = imagineTest();
    {
        DriverModal d({alege("103")});
        EXPECT_EQ(PeCeSeListeaza(nullptr, ListareImagine, img), 1);
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), img);
    }
    p.fisiereAlese.push_back(FisierAles{dir.str(), "grafic.png"});
    DriverModal d({alege("102")});
    EXPECT_EQ(PeCeSeListeaza(nullptr, ListareImagine, img), 1);
    const std::string octeti = dir.read("grafic.png");
    ASSERT_GE(octeti.size(), 8u);
    EXPECT_EQ(octeti.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(QImage(QString::fromStdString((dir / "grafic.png").string())).convertToFormat(QImage::Format_RGB32),
              img);
}

int paginiPdf(const std::string& pdf) {
    const QRegularExpression re(QStringLiteral("/Count (\\d+)"));
    const auto m = re.match(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TEST(Tiparire, LinesFlowOntoAsManyPagesAsTheyNeed) {
    TestDir dir;
    auto tipareste = [&](const std::string& nume, int n) {
        QPrinter pr(QPrinter::HighResolution);
        pr.setOutputFormat(QPrinter::PdfFormat);
        pr.setOutputFileName(QString::fromStdString((dir / nume).string()));
        QStringList linii;
        for (int i = 0; i < n; ++i) linii << QStringLiteral("%1\t1.5168").arg(i);
        EXPECT_TRUE(TiparesteLinii(pr, linii));
        return dir.read(nume);
    };
    const std::string scurt = tipareste("scurt.pdf", 3);
    EXPECT_EQ(scurt.substr(0, 4), "%PDF");
    EXPECT_EQ(paginiPdf(scurt), 1);
    // 9-point lines on an A4 or Letter page: 300 lines cannot fit on one or two.
    EXPECT_GE(paginiPdf(tipareste("lung.pdf", 300)), 3);
}

TEST(Tiparire, PictureGoesOnOnePage) {
    TestDir dir;
    QPrinter pr(QPrinter::HighResolution);
    pr.setOutputFormat(QPrinter::PdfFormat);
    pr.setOutputFileName(QString::fromStdString((dir / "imagine.pdf").string()));
    EXPECT_TRUE(TiparesteImagine(pr, imagineTest()));
    EXPECT_EQ(paginiPdf(dir.read("imagine.pdf")), 1);
    QPrinter altul(QPrinter::HighResolution);
    EXPECT_FALSE(TiparesteImagine(altul, QImage()));
}

}  // namespace
}  // namespace vitramor
