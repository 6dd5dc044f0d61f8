#include "platform/PlatformaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <QUrl>
#include <type_traits>

#include "platform/RezultatOperatieDialog.h"
#include "record/CodificareText.h"

namespace vitramor {

using namespace stil;
using namespace raspuns;

namespace {

QWidget* widget(Fereastra owner) { return static_cast<QWidget*>(owner); }

// A question asked while a progress dialog is up goes over it: under it,
// the question could not be reached and the work would wait for ever.
QWidget* parinte(Platforma& p, Fereastra owner) {
    if (p.proprietarIntrebari) return widget(p.proprietarPentru(owner));
    if (auto* progres = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) return progres;
    return widget(owner);
}

// Message texts may carry a record's Windows-1252 name among UTF-8 paths.
QString qs(const std::string& s) { return QString::fromStdString(Utf8DinMesaj(s)); }

QMessageBox::Icon iconPentru(unsigned style) {
    switch (style & MaskIcon) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct SetButoane {
    QList<QMessageBox::StandardButton> butoane;  // in the order Win32 shows them
    QMessageBox::StandardButton escape;          // what Escape or closing the box stands for
};

// MB_ABORTRETRYIGNORE and MB_RETRYCANCEL are not used by this system; any
// unknown button set is shown with OK alone, which is what Win32 falls back
// to as well.
SetButoane butoanePentru(unsigned style) {
    if (style & MB_PENTRUTOATE) {
        SetButoane s{{QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll}, QMessageBox::No};
        if ((style & MaskButoane) == MB_YESNOCANCEL) s = {s.butoane << QMessageBox::Cancel, QMessageBox::Cancel};
        return s;
    }
    switch (style & MaskButoane) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Cancel};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel};
    // Win32 ignores Escape on a Yes/No box; here Escape answers No, the
    // answer that leaves the data as it was.
    case MB_YESNO: return {{QMessageBox::Yes, QMessageBox::No}, QMessageBox::No};
    default: return {{QMessageBox::Ok}, QMessageBox::Ok};
    }
}

int codWin32(QMessageBox::StandardButton b) {
    switch (b) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::YesToAll: return IDDA_TOATE;
    case QMessageBox::NoToAll: return IDNU_TOATE;
    default: return IDCANCEL;
    }
}

FisierAles desparte(const QString& cale) {
    const QFileInfo fi(cale);
    return {QDir::toNativeSeparators(fi.absolutePath()).toStdString(), fi.fileName().toStdString()};
}

bool esteUrl(const QString& s) {
    const int p = s.indexOf(QStringLiteral("://"));
    return p > 1 || s.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
}

// A program is started, anything else is opened with the application the
// desktop associates with it. Windows tells programs by their extension; a
// file with the execute bit and no extension counts as a program too.
bool esteProgram(const QFileInfo& fi) {
    static const QStringList extensii{QStringLiteral("exe"), QStringLiteral("com"), QStringLiteral("bat"),
                                      QStringLiteral("cmd"), QStringLiteral("sh")};
    const QString ext = fi.suffix().toLower();
    if (extensii.contains(ext)) return true;
    return ext.isEmpty() && fi.isFile() && fi.isExecutable();
}

int pornesteProgram(const QString& program, const std::string& parametri, const std::string& directorLucru) {
    if (!directorLucru.empty() && !QFileInfo(qs(directorLucru)).isDir()) return codShell::CaleNegasita;
    const QFileInfo fi(program);
    if (fi.exists() && !fi.isExecutable()) return codShell::AccesInterzis;
    QProcess proces;
    proces.setProgram(program);
    proces.setArguments(QProcess::splitCommand(qs(parametri)));
    if (!directorLucru.empty()) proces.setWorkingDirectory(qs(directorLucru));
    return proces.startDetached() ? codShell::Succes : codShell::EroareNecunoscuta;
}

// Work run off the window's thread (a long import) still asks its
// questions in windows: the call is carried over to the window's thread and
// waited for there, which keeps every widget on the thread that owns it.
bool PeFirulFerestrei() {
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

template <typename F>
auto InFirulFerestrei(F f) -> decltype(f()) {
    if constexpr (std::is_void_v<decltype(f())>) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), f, Qt::BlockingQueuedConnection);
    } else {
        decltype(f()) r{};
        QMetaObject::invokeMethod(QCoreApplication::instance(), f, Qt::BlockingQueuedConnection, &r);
        return r;
    }
}

}  // namespace

std::string filtruQt(const FiltruFisier& f) {
    QStringList modele;
    for (const std::string& m : f.modele) modele << qs(m);
    if (modele.isEmpty()) modele << QStringLiteral("*");
    const QString lista = modele.join(QLatin1Char(' '));
    QString descriere = qs(f.descriere).trimmed();
    // "Fisier text (*.txt)" already names its patterns: keep the words only.
    if (descriere.endsWith(QLatin1Char(')'))) {
        const int p = descriere.lastIndexOf(QLatin1Char('('));
        if (p >= 0) descriere = descriere.left(p).trimmed();
    }
    if (descriere.isEmpty()) return lista.toStdString();
    return (descriere + QStringLiteral(" (") + lista + QLatin1Char(')')).toStdString();
}

PlatformaQt::PlatformaQt(std::unique_ptr<DepozitSetari> setari)
    : setari_(setari ? std::move(setari) : creazaSettingsStoreQt()) {}

PlatformaQt::~PlatformaQt() {
    while (cursoareAsteptare_ > 0) cursorAsteptare(false);
}

int PlatformaQt::messageBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return messageBox(owner, text, caption, style); });
    QMessageBox box(iconPentru(style), qs(caption), qs(text), QMessageBox::NoButton, parinte(*this, owner));
    box.setTextFormat(Qt::PlainText);
    const SetButoane set = butoanePentru(style);
    for (QMessageBox::StandardButton b : set.butoane) box.addButton(b);
    // MB_DEFBUTTON2/3 (0x100, 0x200) choose the default button as in Win32;
    // on a question for all, the second button is No, as on its Yes/No form.
    auto implicit = static_cast<qsizetype>((style >> 8) & 0x3);
    if ((style & MB_PENTRUTOATE) && implicit == 1) implicit = 2;
    box.setDefaultButton(set.butoane.value(implicit < set.butoane.size() ? implicit : 0));
    box.setEscapeButton(set.escape);
    box.exec();
    QAbstractButton* apasat = box.clickedButton();
    const QMessageBox::StandardButton b = apasat ? box.standardButton(apasat) : set.escape;
    return codWin32(b == QMessageBox::NoButton ? set.escape : b);
}

int PlatformaQt::intrebareOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                                 const std::vector<std::string>& optiuni, int da, int nu, int implicit) {
    if (!PeFirulFerestrei())
        return InFirulFerestrei([&] { return intrebareOptiuni(owner, text, titlu, optiuni, da, nu, implicit); });
    QMessageBox box(QMessageBox::Question, qs(titlu), qs(text), QMessageBox::NoButton, parinte(*this, owner));
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> butoane;
    for (const std::string& o : optiuni) butoane << box.addButton(qs(o), QMessageBox::AcceptRole);
    QAbstractButton* anulare = box.addButton(QStringLiteral("Anuleaza"), QMessageBox::RejectRole);
    if (implicit >= 0 && implicit < butoane.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(butoane[implicit]));
    box.setEscapeButton(anulare);
    box.exec();
    const qsizetype ales = butoane.indexOf(box.clickedButton());
    return ales >= 0 ? static_cast<int>(ales) : -1;
}

void PlatformaQt::raportRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r) {
    // A result about one material, or about none, says it in a box.
    if (r.articole.size() < 2) return Platforma::raportRezultat(owner, titlu, r);
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { raportRezultat(owner, titlu, r); });
    RezultatOperatieDialog(parinte(*this, owner), qs(titlu), r).exec();
}

void PlatformaQt::beep() {
    if (!PeFirulFerestrei()) return InFirulFerestrei([] { QApplication::beep(); });
    QApplication::beep();
}

std::optional<FisierAles> PlatformaQt::alegeFisier(Fereastra owner, const CerereAlegereFisier& c, bool salvare) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return alegeFisier(owner, c, salvare); });
    QFileDialog d(parinte(*this, owner), qs(c.titlu));
    QStringList filtre;
    for (const FiltruFisier& f : c.filtre) filtre << qs(filtruQt(f));
    if (!filtre.isEmpty()) {
        d.setNameFilters(filtre);
        if (c.filtruSelectat >= 0 && c.filtruSelectat < filtre.size()) d.selectNameFilter(filtre[c.filtruSelectat]);
    }
    if (!c.directorInitial.empty()) d.setDirectory(qs(c.directorInitial));
    if (!c.numeInitial.empty()) d.selectFile(qs(c.numeInitial));
    if (!c.extensieImplicita.empty()) {
        QString ext = qs(c.extensieImplicita);
        while (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
        d.setDefaultSuffix(ext);
    }
    if (salvare) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        // The callers ask about an existing file themselves, with their own
        // message; a second question from the chooser would only repeat it.
        d.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(c.trebuieSaExiste ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList alese = d.selectedFiles();
    if (alese.isEmpty() || alese.front().isEmpty()) return std::nullopt;
    return desparte(alese.front());
}

std::optional<FisierAles> PlatformaQt::alegeFisierDeschidere(Fereastra owner, const CerereAlegereFisier& c) {
    return alegeFisier(owner, c, false);
}

std::optional<FisierAles> PlatformaQt::alegeFisierSalvare(Fereastra owner, const CerereAlegereFisier& c) {
    return alegeFisier(owner, c, true);
}

std::optional<std::string> PlatformaQt::alegeDirector(Fereastra owner, const std::string& titlu,
                                                     const std::string& directorInitial) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return alegeDirector(owner, titlu, directorInitial); });
    const QString ales = QFileDialog::getExistingDirectory(parinte(*this, owner), qs(titlu), qs(directorInitial));
    if (ales.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(ales).toStdString();
}

int PlatformaQt::deschideDocument(const std::string& fisier, const std::string& parametri,
                                 const std::string& directorLucru) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return deschideDocument(fisier, parametri, directorLucru); });
    const QString nume = qs(fisier);
    if (nume.isEmpty()) return codShell::FisierNegasit;
    if (esteUrl(nume)) {
        return QDesktopServices::openUrl(QUrl(nume)) ? codShell::Succes : codShell::FaraAsociere;
    }

    // A relative name is looked for in the working directory first, as the
    // shell does with the directory it is given, then in the current one.
    QFileInfo fi(nume);
    if (fi.isRelative() && !directorLucru.empty()) {
        const QFileInfo inDirector(QDir(qs(directorLucru)), nume);
        if (inDirector.exists() || !fi.exists()) fi = inDirector;
    }

    if (!fi.exists()) {
        // "Notepad++.exe" and the like: a bare program name is looked up
        // on the search path, also without its Windows extension.
        if (!nume.contains(QLatin1Char('/')) && !nume.contains(QLatin1Char('\\'))) {
            QString gasit = QStandardPaths::findExecutable(nume);
            if (gasit.isEmpty() && !QFileInfo(nume).suffix().isEmpty())
                gasit = QStandardPaths::findExecutable(QFileInfo(nume).completeBaseName());
            if (!gasit.isEmpty()) return pornesteProgram(gasit, parametri, directorLucru);
        }
        return fi.absoluteDir().exists() ? codShell::FisierNegasit : codShell::CaleNegasita;
    }
    if (!fi.isDir() && esteProgram(fi)) return pornesteProgram(fi.absoluteFilePath(), parametri, directorLucru);
    if (!fi.isReadable()) return codShell::AccesInterzis;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fi.absoluteFilePath())) ? codShell::Succes
                                                                                  : codShell::FaraAsociere;
}

bool PlatformaQt::scrieClipboard(const std::string& text) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return scrieClipboard(text); });
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return false;
    c->setText(qs(text));
    return true;
}

bool PlatformaQt::scrieClipboardImagine(const std::string& png) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return scrieClipboardImagine(png); });
    QClipboard* c = QGuiApplication::clipboard();
    QImage imagine;
    if (!c || !imagine.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"))
        return false;
    c->setImage(imagine);
    return true;
}

std::string PlatformaQt::citesteClipboard() {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { return citesteClipboard(); });
    QClipboard* c = QGuiApplication::clipboard();
    return c ? c->text().toStdString() : std::string();
}

// The cursor calls nest (a long operation inside another one); only the
// calls that pushed a cursor take one back, so an unmatched "off" cannot
// remove a cursor somebody else set.
void PlatformaQt::cursorAsteptare(bool activ) {
    if (!PeFirulFerestrei()) return InFirulFerestrei([&] { cursorAsteptare(activ); });
    if (activ) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++cursoareAsteptare_;
    } else if (cursoareAsteptare_ > 0) {
        QApplication::restoreOverrideCursor();
        --cursoareAsteptare_;
    }
}

}  // namespace vitramor
