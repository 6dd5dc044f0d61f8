#include "suite/VedoraUi.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QBuffer>
#include <QTextOption>
#include <QVBoxLayout>
#include <cerrno>
#include <optional>

#include "fileutil/AlegereFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

using namespace stil;
using namespace raspuns;

// ---- Text windows ----

TextWindow* InitInstanceAfisWnd(QWidget* parent, int /*rezervat*/, int id, const std::string& titlu,
                                const BlocText& bloc) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    auto* w = new TextWindow(parent, id, QString::fromStdString(titlu));
    w->afiseazaText(bloc);
    w->show();
    return w;
}

// ---- Frames ----

namespace {

// The four colours of a classic 3-D edge: the outer ring's top-left and
// bottom-right sides, then the inner ring's.
struct Muchie {
    QColor exteriorSus, exteriorJos, interiorSus, interiorJos;
};

const QColor kAlb(255, 255, 255);
const QColor kGriDeschis(223, 223, 223);
const QColor kGriInchis(128, 128, 128);
const QColor kNegru(0, 0, 0);

void inel(QPainter& p, int l, int t, int r, int b, const QColor& sus, const QColor& jos) {
    const int w = r - l;
    const int h = b - t;
    if (w <= 0 || h <= 0) return;
    // Top and left in the light colour, bottom and right in the dark one;
    // the dark sides own the two far corners, as Win32 draws them.
    p.fillRect(QRect(l, t, w - 1, 1), sus);
    p.fillRect(QRect(l, t, 1, h - 1), sus);
    p.fillRect(QRect(l, b - 1, w, 1), jos);
    p.fillRect(QRect(r - 1, t, 1, h), jos);
}

void rama(QPainter& p, int l, int t, int r, int b, const Muchie& m) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    inel(p, l, t, r, b, m.exteriorSus, m.exteriorJos);
    inel(p, l + 1, t + 1, r - 1, b - 1, m.interiorSus, m.interiorJos);
    p.restore();
}

}  // namespace

void ZonaSus(QPainter& p, int left, int top, int right, int bottom) {
    rama(p, left, top, right, bottom, {kGriDeschis, kNegru, kAlb, kGriInchis});
}

void ZonaJos(QPainter& p, int left, int top, int right, int bottom) {
    rama(p, left, top, right, bottom, {kGriInchis, kAlb, kNegru, kGriDeschis});
}

// ---- Output of lists and pictures ----

namespace {

enum class Destinatie { Imprimanta, Fisier, Clipboard };

// The small dialog of the output choice; the controls are named by their
// ids (101 printer, 102 file, 103 clipboard, 1 OK, 2 Cancel).
std::optional<Destinatie> alegeDestinatia(QWidget* owner, int mod) {
    QDialog d(owner);
    d.setObjectName(QStringLiteral("PeCeSeListeaza"));
    d.setWindowTitle(mod == ListareImagine ? QStringLiteral("Listare imagine") : QStringLiteral("Listare text"));

    auto* imprimanta = new QRadioButton(QStringLiteral("Imprimanta"), &d);
    imprimanta->setObjectName(QStringLiteral("101"));
    auto* fisier = new QRadioButton(
        mod == ListareImagine ? QStringLiteral("Fisier imagine (PNG)") : QStringLiteral("Fisier text"), &d);
    fisier->setObjectName(QStringLiteral("102"));
    auto* clipboard = new QRadioButton(QStringLiteral("Clipboard"), &d);
    clipboard->setObjectName(QStringLiteral("103"));
    imprimanta->setChecked(true);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    butoane->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    butoane->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    QObject::connect(butoane, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);

    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(new QLabel(QStringLiteral("Unde se listeaza?"), &d));
    layout->addWidget(imprimanta);
    layout->addWidget(fisier);
    layout->addWidget(clipboard);
    layout->addWidget(butoane);

    if (d.exec() != QDialog::Accepted) return std::nullopt;
    if (fisier->isChecked()) return Destinatie::Fisier;
    if (clipboard->isChecked()) return Destinatie::Clipboard;
    return Destinatie::Imprimanta;
}

bool alegeImprimanta(QWidget* owner, QPrinter& imprimanta) {
    QPrintDialog d(&imprimanta, owner);
    return d.exec() == QDialog::Accepted;
}

void eroareTiparire(QWidget* owner) {
    MesajBox(owner, "Tiparirea nu a putut fi pornita.", "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
}

// Asks for the output file through the file-type table; an existing file is
// replaced only after the user agreed, and never one that is not a regular file. Empty when the user gave up.
QString alegeFisierIesire(QWidget* owner, int tip, const char* nume) {
    std::string director;
    std::string fisier = nume;
    if (AlegeFisierSalvare(owner, tip, director, fisier) != 0) return {};
    const QString cale = QDir(QString::fromStdString(director)).filePath(QString::fromStdString(fisier));
    if (RefuzaNeobisnuit(cale.toStdString())) return {};
    if (QFileInfo::exists(cale) && eroare(path_help, owner, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, 947) != IDYES)
        return {};
    return cale;
}

// Through the one writer of small files: the file takes its name only when
// complete, so a failed write leaves an existing file as it was.
int scrieFisier(QWidget* owner, const QString& cale, std::string_view continut) {
    if (const RezultatOperatie r = ScrieFisierIntreg(cale.toStdString(), continut); r.esuat()) {
        MesajBox(owner, r.motiv, "ATENTIE!", MB_OK | MB_ICONASTERISK);
        return 0;
    }
    return 1;
}

int scrieFisierText(QWidget* owner, const QStringList& linii) {
    const QString cale =
        alegeFisierIesire(owner, tipfisier::Text, "lista.txt");
    if (cale.isEmpty()) return 0;
    std::string text;
    for (const QString& linie : linii) text += linie.toStdString() + '\n';
    return scrieFisier(owner, cale, text);
}

int scrieFisierImagine(QWidget* owner, const QImage& imagine) {
    const QString cale =
        alegeFisierIesire(owner, tipfisier::ImaginePng, "imagine.png");
    if (cale.isEmpty()) return 0;
    QByteArray octeti;
    QBuffer b(&octeti);
    b.open(QIODevice::WriteOnly);
    imagine.save(&b, "PNG");
    return scrieFisier(owner, cale, std::string_view(octeti.constData(), static_cast<std::size_t>(octeti.size())));
}

}  // namespace

bool TiparesteLinii(QPrinter& imprimanta, const QStringList& linii) {
    QPainter p;
    if (!p.begin(&imprimanta)) return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect pagina = imprimanta.pageLayout().paintRectPixels(imprimanta.resolution());
    const int inaltime = fm.lineSpacing();
    QTextOption optiuni(Qt::AlignLeft | Qt::AlignVCenter);
    optiuni.setWrapMode(QTextOption::NoWrap);
    // Lists put their columns on tabs; twelve characters per column keeps
    // the usual numbers apart.
    optiuni.setTabStopDistance(fm.horizontalAdvance(QLatin1Char('0')) * 12);
    int y = 0;
    for (const QString& linie : linii) {
        if (y > 0 && y + inaltime > pagina.height()) {
            if (!imprimanta.newPage()) return false;
            y = 0;
        }
        p.drawText(QRectF(0, y, pagina.width(), inaltime), linie, optiuni);
        y += inaltime;
    }
    return p.end();
}

bool TiparesteImagine(QPrinter& imprimanta, const QImage& imagine) {
    if (imagine.isNull()) return false;
    QPainter p;
    if (!p.begin(&imprimanta)) return false;
    const QRect pagina = imprimanta.pageLayout().paintRectPixels(imprimanta.resolution());
    QSize marime = imagine.size();
    marime.scale(pagina.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint(0, 0), marime), imagine);
    return p.end();
}

namespace {
// The printer branch of both outputs: the user chooses the printer, then the
// pages are drawn; a drawing failure is reported.
template <typename Desen>
int tipareste(QWidget* owner, Desen deseneaza) {
    QPrinter imprimanta(QPrinter::HighResolution);
    if (!alegeImprimanta(owner, imprimanta)) return 0;
    if (!deseneaza(imprimanta)) {
        eroareTiparire(owner);
        return 0;
    }
    return 1;
}
}  // namespace

int PeCeSeListeaza(QWidget* owner, int mod, const QStringList& linii) {
    if (mod != ListareLinii) return 0;
    if (linii.isEmpty()) {
        platforma().beep();
        return 0;
    }
    const std::optional<Destinatie> unde = alegeDestinatia(owner, mod);
    if (!unde) return 0;
    switch (*unde) {
    case Destinatie::Imprimanta:
        return tipareste(owner, [&](QPrinter& imprimanta) { return TiparesteLinii(imprimanta, linii); });
    case Destinatie::Fisier: return scrieFisierText(owner, linii);
    case Destinatie::Clipboard:
        if (!platforma().scrieClipboard(linii.join(QLatin1Char('\n')).toStdString())) {
            eroare(path_help, owner, MB_OK | MB_ICONEXCLAMATION, 362);
            return 0;
        }
        return 1;
    }
    return 0;
}

int PeCeSeListeaza(QWidget* owner, int mod, const QImage& imagine) {
    if (mod != ListareImagine) return 0;
    if (imagine.isNull()) {
        eroare(path_help, owner, MB_OK | MB_ICONASTERISK, 77);
        return 0;
    }
    const std::optional<Destinatie> unde = alegeDestinatia(owner, mod);
    if (!unde) return 0;
    switch (*unde) {
    case Destinatie::Imprimanta:
        return tipareste(owner, [&](QPrinter& imprimanta) { return TiparesteImagine(imprimanta, imagine); });
    case Destinatie::Fisier: return scrieFisierImagine(owner, imagine);
    case Destinatie::Clipboard: {
        QClipboard* c = QGuiApplication::clipboard();
        if (!c) {
            eroare(path_help, owner, MB_OK | MB_ICONEXCLAMATION, 362);
            return 0;
        }
        c->setImage(imagine);
        return 1;
    }
    }
    return 0;
}

// ---- Colours ----

namespace {

std::optional<QPalette>& paletaAnterioara() {
    static std::optional<QPalette> p;
    return p;
}

// The suite's look: the light-grey faces, white fields and dark-blue
// selection of the classic Windows scheme the suite was drawn for.
QPalette paletaSuita() {
    QPalette p;
    const QColor fata(192, 192, 192);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool dezactivat = g == QPalette::Disabled;
        const QColor text = dezactivat ? kGriInchis : kNegru;
        p.setColor(g, QPalette::Window, fata);
        p.setColor(g, QPalette::Button, fata);
        p.setColor(g, QPalette::Base, dezactivat ? fata : kAlb);
        p.setColor(g, QPalette::AlternateBase, QColor(240, 240, 240));
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::Light, kAlb);
        p.setColor(g, QPalette::Midlight, kGriDeschis);
        p.setColor(g, QPalette::Mid, QColor(160, 160, 160));
        p.setColor(g, QPalette::Dark, kGriInchis);
        p.setColor(g, QPalette::Shadow, kNegru);
        p.setColor(g, QPalette::Highlight, g == QPalette::Inactive ? kGriInchis : QColor(0, 0, 128));
        p.setColor(g, QPalette::HighlightedText, kAlb);
        p.setColor(g, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(g, QPalette::ToolTipText, kNegru);
        p.setColor(g, QPalette::PlaceholderText, kGriInchis);
        p.setColor(g, QPalette::Link, QColor(0, 0, 255));
    }
    return p;
}

}  // namespace

int SetareCuloriSystem(int mod) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
    auto& anterioara = paletaAnterioara();
    if (mod == 0) {
        // A second start-up call must not take the suite's own colours for
        // the user's.
        if (!anterioara) anterioara = QApplication::palette();
        QApplication::setPalette(paletaSuita());
        return 1;
    }
    if (mod == 1 && anterioara) {
        QApplication::setPalette(*anterioara);
        anterioara.reset();
        return 1;
    }
    return 0;
}

}  // namespace vitramor
