#include "settings/DirectoriDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "record/MaterialOptic.h"
#include "settings/Directoare.h"
#include "settings/Registri.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

using namespace stil;

constexpr int MesajDirectorInutilizabil = 9;
constexpr int MesajFisierInexistentInDirectorSticle = 40;


QString idText(int id) { return QString::number(id); }
QString idCamp(int id) { return QStringLiteral("edit%1").arg(id); }

// The name buffer holds 15 characters; a longer name would be cut and then
// name another file, so it is refused whole.
bool numeFisierIncape(const std::string& nume, QWidget* owner) {
    if (nume.size() <= LungimeMaximaNumeFisierSticle) return true;
    const std::string text = "Numele fisierului de sticle \"" + nume + "\" are " + std::to_string(nume.size()) +
                             " caractere; sunt admise cel mult " + std::to_string(LungimeMaximaNumeFisierSticle) +
                             ". Se pastreaza numele anterior.";
    MesajBox(owner, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

DirectoriDialog::DirectoriDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Directories"));
    setObjectName(QStringLiteral("DIRECTORI"));
    const UnitatiDialog& u = unitatiDialog();

    auto* titlu = new QLabel(QStringLiteral("DIRECTORI"), this);
    titlu->setObjectName(QStringLiteral("titluDirectori"));
    titlu->setAlignment(Qt::AlignCenter);
    QFont gras = titlu->font();
    gras.setBold(true);
    titlu->setFont(gras);
    u.plaseaza(titlu, 7, 6, 266, 10);

    construiesteCampuri(u);
    construiesteButoane(u);
    u.plaseaza(this, 0, 0, 280, 146);
    setFixedSize(size());

    user_->setText(QString::fromStdString(path_user));
    help_->setText(QString::fromStdString(path_help));
    sticla_->setText(QString::fromStdString(path_sticle));
    fisier_->setText(QString::fromStdString(nume_fisier_sticle));
}

// One row per directory and the file name: label, field and its "..." button.
void DirectoriDialog::construiesteCampuri(const UnitatiDialog& u) {
    struct Rand {
        int idText, idAlege;
        const char* eticheta;
        QLineEdit** camp;
        void (DirectoriDialog::*alege)();
    };
    const Rand randuri[] = {
        {IdTextPathUser, IdAlegePathUser, "Path user", &user_, &DirectoriDialog::alegeDirectorUtilizator},
        {IdTextPathHelp, IdAlegePathHelp, "Path help", &help_, &DirectoriDialog::alegeDirectorHelp},
        {IdTextPathSticla, IdAlegePathSticla, "Path glass", &sticla_, &DirectoriDialog::alegeDirectorSticla},
        {IdTextNumeFisierSticle, IdAlegeFisierSticle, "Nume fisier sticle", &fisier_, &DirectoriDialog::alegeFisierSticle},
    };
    int y = 26;
    for (const Rand& r : randuri) {
        auto* eticheta = new QLabel(QString::fromLatin1(r.eticheta), this);
        eticheta->setObjectName(idText(r.idText));
        u.plaseaza(eticheta, 7, y + 2, 66, 8);

        auto* camp = new QLineEdit(this);
        camp->setObjectName(idCamp(r.idText));
        camp->setMaxLength(static_cast<int>(LungimeMaximaCale) - 1);
        camp->installEventFilter(this);
        u.plaseaza(camp, 75, y, 176, 12);
        eticheta->setBuddy(camp);
        *r.camp = camp;

        auto* alege = new QPushButton(QStringLiteral("..."), this);
        alege->setObjectName(idText(r.idAlege));
        alege->setAutoDefault(false);
        u.plaseaza(alege, 255, y, 18, 12);
        connect(alege, &QPushButton::clicked, this, r.alege);
        y += 22;
    }
}

void DirectoriDialog::construiesteButoane(const UnitatiDialog& u) {
    auto* ok = new QPushButton(QStringLiteral("O.K."), this);
    ok->setObjectName(idText(raspuns::IDOK));
    ok->setDefault(true);
    u.plaseaza(ok, 7, 124, 60, 14);
    auto* salveaza = new QPushButton(QStringLiteral("Salveaza"), this);
    salveaza->setObjectName(idText(IdButonSalveazaDirectori));
    salveaza->setAutoDefault(false);
    u.plaseaza(salveaza, 110, 124, 60, 14);
    auto* ajutor = new QPushButton(QStringLiteral("Ajutor"), this);
    ajutor->setObjectName(idText(IdButonAjutorDirectori));
    ajutor->setAutoDefault(false);
    u.plaseaza(ajutor, 213, 124, 60, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(salveaza, &QPushButton::clicked, this, [] { ScrieRegistriDirectori(); });
    // There is no help page behind "Ajutor": it only brings the dialog forward.
    connect(ajutor, &QPushButton::clicked, this, [this] {
        activateWindow();
        raise();
    });
}

QLineEdit* DirectoriDialog::camp(int id) const {
    switch (id) {
        case IdTextPathUser: return user_;
        case IdTextPathHelp: return help_;
        case IdTextPathSticla: return sticla_;
        case IdTextNumeFisierSticle: return fisier_;
        default: return nullptr;
    }
}

bool DirectoriDialog::eventFilter(QObject* obj, QEvent* ev) {
    // The field's own context menu (to paste a path) is not leaving the field.
    if (ev->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(ev)->reason() != Qt::PopupFocusReason) {
        for (int id = IdTextPathUser; id <= IdTextNumeFisierSticle; ++id) {
            QLineEdit* e = camp(id);
            if (obj == e && e->isModified()) preiaCamp(id);
        }
    }
    return QDialog::eventFilter(obj, ev);
}

void DirectoriDialog::preiaCamp(int id) {
    QLineEdit* e = camp(id);
    if (!e) return;
    // Cleared first: a message box shown below takes the focus away again,
    // and that second focus loss must not take the field over twice.
    e->setModified(false);
    switch (id) {
        case IdTextPathUser: preiaDirector(e, path_user, true); break;
        case IdTextPathHelp: preiaDirector(e, path_help, true); break;
        // The glass field keeps a wrong text so the user can correct it
        // instead of retyping it; the buffer stays on the directory in use.
        case IdTextPathSticla: preiaDirector(e, path_sticle, false); break;
        case IdTextNumeFisierSticle: preiaNumeFisier(); break;
        default: break;
    }
}

void DirectoriDialog::preiaDirector(QLineEdit* e, std::string& buffer, bool revinoLaRefuz) {
    const std::string text = e->text().toStdString();
    if (!text.empty() && ExistaDirector(text)) {
        buffer = text;
        return;
    }
    if (revinoLaRefuz) e->setText(QString::fromStdString(buffer));
}

void DirectoriDialog::preiaNumeFisier() {
    const std::string nume = fisier_->text().toStdString();
    if (!numeFisierIncape(nume, this)) {
        fisier_->setText(QString::fromStdString(nume_fisier_sticle));
        return;
    }
    // A name with a separator would reach outside the glass directory.
    const bool doarNume = nume.find('/') == std::string::npos && nume.find('\\') == std::string::npos;
    if (!nume.empty() && doarNume && ExistaFisier(path_sticle, nume, false)) {
        nume_fisier_sticle = nume;
        return;
    }
    eroare(path_help, static_cast<QWidget*>(this), MB_OK | MB_ICONEXCLAMATION, MesajFisierInexistentInDirectorSticle);
    fisier_->setText(QString::fromStdString(nume_fisier_sticle));
}

void DirectoriDialog::alegeDirectorUtilizator() {
    const auto ales = platforma().alegeDirector(static_cast<QWidget*>(this), "Path user", path_user);
    if (!ales) return;
    if (!ExistaDirector(*ales)) {
        eroare(path_help, static_cast<QWidget*>(this), MB_OK | MB_ICONASTERISK, MesajDirectorInutilizabil);
        return;
    }
    path_user = *ales;
    user_->setText(QString::fromStdString(path_user));
}

void DirectoriDialog::alegeDirectorSimplu(QLineEdit* e, std::string& buffer, const char* titlu) {
    const auto ales = platforma().alegeDirector(static_cast<QWidget*>(this), titlu, buffer);
    if (!ales || ales->empty()) return;
    buffer = *ales;
    e->setText(QString::fromStdString(buffer));
}

void DirectoriDialog::alegeDirectorHelp() { alegeDirectorSimplu(help_, path_help, "Path help"); }
void DirectoriDialog::alegeDirectorSticla() { alegeDirectorSimplu(sticla_, path_sticle, "Path glass"); }

void DirectoriDialog::alegeFisierSticle() {
    CerereAlegereFisier cerere;
    cerere.titlu = "Nume fisier sticle";
    cerere.directorInitial = path_sticle;
    cerere.numeInitial = nume_fisier_sticle;
    cerere.extensieImplicita = "dat";
    cerere.filtre = {{"Fisiere sticle (*.dat)", {"*.dat"}}};
    cerere.trebuieSaExiste = true;
    const auto ales = platforma().alegeFisierDeschidere(static_cast<QWidget*>(this), cerere);
    if (!ales || ales->nume.empty()) return;
    const std::string director = ales->director.empty() ? DirectorCurent() : ales->director;

    if (!ExistaFisier(director, ales->nume, true)) return;
    std::uint64_t marime = 0;
    if (!MarimeFisier(ales->nume, director, marime) || marime % MarimeMaterialOptic != 0) {
        MesajBox(static_cast<QWidget*>(this), "Fisierul selectat nu contine date sticle noi", "ATENTIE!",
                 MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!numeFisierIncape(ales->nume, this)) return;

    nume_fisier_sticle = ales->nume;
    path_sticle = director;
    fisier_->setText(QString::fromStdString(nume_fisier_sticle));
    // The glass field follows too: it would otherwise show a directory the
    // database file no longer lives in.
    sticla_->setText(QString::fromStdString(path_sticle));
}

void DirectoriDialog::done(int r) {
    // Ending the dialog takes the focus from the field being typed in, and
    // that focus loss takes its text over like any other.
    for (int id = IdTextPathUser; id <= IdTextNumeFisierSticle; ++id)
        if (camp(id)->isModified()) preiaCamp(id);
    QDialog::done(r);
}

void DeschideDirectori(QWidget* owner) {
    DirectoriDialog dialog(owner);
    dialog.exec();
}

void CereDirectorSticlaLaPrimaPornire(QWidget* owner) {
    if (DirectorSticlaSetat()) return;
    const std::string text = "Directorul sticlelor nu este setat. Alegeti directorul care contine fisierul " +
                             nume_fisier_sticle + ".\nDeschideti acum dialogul Directories?";
    if (MesajBox(owner, text, "VITRAMOR V3.0", MB_YESNO | MB_ICONQUESTION) == raspuns::IDYES) DeschideDirectori(owner);
}

}  // namespace vitramor
