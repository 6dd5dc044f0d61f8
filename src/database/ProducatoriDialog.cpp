#include "database/ProducatoriDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "record/CodificareText.h"
#include "suite/ListaTabulatoriUi.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

namespace {

constexpr int IdAjutor = 1023;
constexpr int LungimeNume = 15;
constexpr int LungimeDirector = 259;


template <std::size_t N>
QString qsCamp(const char (&camp)[N]) {
    return TextQt(camp, N);
}

}  // namespace

ProducatoriDialog::ProducatoriDialog(QWidget* parent)
    : QDialog(parent), editor_(platforma(), static_cast<QWidget*>(this), path_sticle) {
    setWindowTitle(QString::fromLatin1(TitluEditorProducatori));
    auto* asezare = new QVBoxLayout(this);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaProducatori));
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    asezare->addWidget(lista_, 1);
    SeteazaTabulatoriLista(lista_, {18, 100});
    SeteazaAntetLista(lista_, {QStringLiteral("Cod"), QStringLiteral("Producator"), QStringLiteral("Director")});

    auto* campuri = new QGridLayout;
    asezare->addLayout(campuri);
    nume_ = new QLineEdit(this);
    nume_->setObjectName(QString::number(IdEditNumeProducator));
    nume_->setMaxLength(LungimeNume);
    cod_ = new QLineEdit(this);
    cod_->setObjectName(QString::number(IdEditCodProducator));
    cod_->setMaxLength(5);
    director_ = new QLineEdit(this);
    director_->setObjectName(QString::number(IdEditDirectorProducator));
    director_->setMaxLength(LungimeDirector);
    auto* alege = new QPushButton(QStringLiteral("..."), this);
    alege->setObjectName(QString::number(IdButonAlegeDirectorProducator));
    alege->setAutoDefault(false);
    const auto eticheta = [this](const char* text, QWidget* camp) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(camp);
        return l;
    };
    campuri->addWidget(eticheta("Nume", nume_), 0, 0);
    campuri->addWidget(nume_, 0, 1);
    campuri->addWidget(eticheta("Cod producator", cod_), 0, 2);
    campuri->addWidget(cod_, 0, 3);
    campuri->addWidget(eticheta("Director", director_), 1, 0);
    auto* randDirector = new QHBoxLayout;
    randDirector->addWidget(director_, 1);
    randDirector->addWidget(alege);
    campuri->addLayout(randDirector, 1, 1, 1, 3);
    campuri->setColumnStretch(1, 2);
    campuri->setColumnStretch(3, 1);

    auto* butoane = new QHBoxLayout;
    asezare->addLayout(butoane);
    const auto buton = [&](const char* text, int id) {
        QPushButton* b = ButonComanda(this, QString::fromLatin1(text), id);
        butoane->addWidget(b);
        return b;
    };
    auto* ok = buton("OK", raspuns::IDOK);
    ok->setDefault(true);
    auto* nou = buton("Producator nou", IdButonProducatorNou);
    auto* include = buton("Include", IdButonIncludeProducator);
    auto* sterge = buton("Sterge", IdButonStergeProducator);
    buton("Ajutor", IdAjutor);

    for (QLineEdit* e : {nume_, cod_, director_}) e->installEventFilter(this);

    editor_.umpleLista();
    arataLista();
    arataIntrarea();

    connect(lista_, &QListWidget::currentRowChanged, this, [this](int rand) {
        if (!actualizare_) laSelectie(rand);
    });
    connect(alege, &QPushButton::clicked, this, &ProducatoriDialog::alegeDirector);
    connect(nou, &QPushButton::clicked, this, &ProducatoriDialog::creeazaNou);
    connect(include, &QPushButton::clicked, this, &ProducatoriDialog::include);
    connect(sterge, &QPushButton::clicked, this, &ProducatoriDialog::sterge);
    // A changed entry that was not included is dropped with the dialog.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // "Ajutor" has no help page behind it.
}

void ProducatoriDialog::arataLista() {
    actualizare_ = true;
    // Refilled only when the table changed: the list may be in the middle of
    // handling the click that brought us here.
    const std::vector<std::string>& linii = editor_.linii();
    bool aceleasi = lista_->count() == static_cast<int>(linii.size());
    for (int i = 0; aceleasi && i < lista_->count(); ++i)
        aceleasi = lista_->item(i)->text() == TextQt(linii[static_cast<std::size_t>(i)]);
    if (!aceleasi) {
        lista_->clear();
        for (const std::string& l : linii) lista_->addItem(TextQt(l));
    }
    lista_->setCurrentRow(editor_.randSelectat());
    if (editor_.randSelectat() < 0) lista_->clearSelection();
    actualizare_ = false;
}

void ProducatoriDialog::arataIntrarea() {
    const tag_ProducatorMatOptic& p = editor_.intrare();
    nume_->setText(qsCamp(p.nume));
    cod_->setText(QString::number(p.cod));
    // A directory is a file name: UTF-8, as the chooser gives it.
    director_->setText(QString::fromStdString(std::string(TextCamp(p.director, sizeof p.director))));
}

void ProducatoriDialog::laSelectie(int rand) {
    if (rand < 0) return;
    // Whatever the editor decided, the list and the edits show what it holds:
    // a refused switch puts the selection back on the entry's own row.
    editor_.selecteazaRand(rand);
    arataLista();
    arataIntrarea();
}

bool ProducatoriDialog::eventFilter(QObject* obj, QEvent* ev) {
    // The field's own context menu is not leaving the field.
    if (ev->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(ev)->reason() != Qt::PopupFocusReason) {
        for (QLineEdit* e : {nume_, cod_, director_})
            if (obj == e && e->isModified()) preiaCamp(e);
    }
    return QDialog::eventFilter(obj, ev);
}

void ProducatoriDialog::preiaCamp(QLineEdit* camp) {
    // Cleared first: a message box below takes the focus away again, and
    // that second focus loss must not take the field over twice.
    camp->setModified(false);
    if (camp == nume_) {
        editor_.preiaNume(Windows1252DinQt(nume_->text()));
    } else if (camp == director_) {
        editor_.preiaDirector(director_->text().toStdString());
    } else if (camp == cod_) {
        if (!editor_.preiaCod(cod_->text().toStdString())) cod_->setText(QString::number(editor_.intrare().cod));
    }
}

void ProducatoriDialog::alegeDirector() {
    const auto ales = platforma().alegeDirector(static_cast<QWidget*>(this), "Director", path_sticle);
    if (!ales || ales->empty()) return;
    editor_.preiaDirector(*ales);
    director_->setText(QString::fromStdString(*ales));
}

void ProducatoriDialog::creeazaNou() {
    editor_.creeazaNou();
    arataLista();
    arataIntrarea();
}

void ProducatoriDialog::include() {
    editor_.include();
    arataLista();
    arataIntrarea();
}

void ProducatoriDialog::sterge() {
    if (!editor_.sterge()) return;
    arataLista();
    arataIntrarea();
}

void ComandaEditProducatori(QWidget* fereastraPrincipala) {
    ProducatoriDialog dialog(fereastraPrincipala);
    dialog.exec();
}

}  // namespace vitramor
