#include "explorare/ComparaSticleWindow.h"

#include <QHeaderView>
#include <algorithm>
#include <QListWidget>
#include <QPointer>
#include <QStandardItemModel>
#include <cstring>

#include "platform/FerestreMaterialUi.h"
#include "record/CodificareText.h"
#include "suite/UnitatiDialog.h"
#include "suite/ListaTabulatoriUi.h"

namespace vitramor {

namespace {

constexpr int PozitieX = 15, PozitieY = 23, Latime = 274, Inaltime = 200;  // dialog units

QPointer<ComparaSticleWindow>& FereastraDeschisa() {
    static QPointer<ComparaSticleWindow> f;
    return f;
}

}  // namespace

ComparaSticleWindow::ComparaSticleWindow(QWidget* parent, CerereComparare& cerere, const SetLucru& set)
    : QWidget(parent, Qt::Window), cerere_(cerere) {
    setObjectName(QString::fromLatin1(ClasaComparaSticle));
    setProperty("clasaFereastra", QString::fromLatin1(ClasaComparaSticle));
    setWindowTitle(QStringLiteral("Compara sticle optice"));
    setAttribute(Qt::WA_DeleteOnClose);
    const UnitatiDialog& u = unitatiDialog();
    move(u.punct(PozitieX, PozitieY));
    resize(u.dimensiune(Latime, Inaltime));

    std::vector<const MaterialOptic*> materiale;
    for (int i = 0; i < cerere_.numar; ++i) {
        const int index = cerere_.indici[static_cast<std::size_t>(i)];
        if (index >= 0 && index < set.numarMateriale()) materiale.push_back(&set.materiale[static_cast<std::size_t>(index)]);
    }

    modelHeader_ = new QStandardItemModel(0, static_cast<int>(materiale.size()) + 1, this);
    modelHeader_->setHorizontalHeaderItem(0, new QStandardItem(QString()));
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        const char* nume = materiale[i]->nume;
        modelHeader_->setHorizontalHeaderItem(
            static_cast<int>(i) + 1,
            new QStandardItem(TextQt(nume, sizeof(MaterialOptic::nume))));
    }
    header_ = new QHeaderView(Qt::Horizontal, this);
    header_->setObjectName(QString::number(IdHeaderComparare));
    header_->setModel(modelHeader_);
    header_->setSectionsClickable(true);
    header_->setStretchLastSection(false);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < modelHeader_->columnCount(); ++c) header_->resizeSection(c, cerere_.latimi[static_cast<std::size_t>(c)]);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaComparata));
    lista_->setSelectionMode(QAbstractItemView::NoSelection);
    lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lista_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const std::string& linie : LiniiComparare(materiale, cerere_.continut, cerere_.grosime))
        lista_->addItem(QString::fromLatin1(linie.c_str()));
    aplicaTabulatori();

    connect(header_, &QHeaderView::sectionResized, this, [this](int coloana, int, int latime) {
        if (coloana < 0 || coloana >= static_cast<int>(cerere_.latimi.size())) return;
        cerere_.latimi[static_cast<std::size_t>(coloana)] = latime;
        aplicaTabulatori();
        lista_->viewport()->update();
    });
}

void ComparaSticleWindow::aplicaTabulatori() {
    const UnitatiDialog& u = unitatiDialog();
    // Each setting installs a new painter: a drag of a divider would pile
    // them up on the list.
    QAbstractItemDelegate* vechi = lista_->itemDelegate();
    SeteazaTabulatoriLista(lista_, u, TabulatoriComparare(cerere_.latimi, u.bazaX()));
    if (vechi && vechi != lista_->itemDelegate() && vechi->parent() == lista_) vechi->deleteLater();
}

void ComparaSticleWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    header_->setGeometry(0, 0, width(), InaltimeHeaderComparare);
    lista_->setGeometry(0, InaltimeHeaderComparare, width(), std::max(0, height() - InaltimeHeaderComparare));
}

ComparaSticleWindow* DeschideComparaSticle(QWidget* parent, CerereComparare& cerere, const SetLucru& set) {
    QPointer<ComparaSticleWindow>& f = FereastraDeschisa();
    if (f) {
        f->close();
        delete f.data();
    }
    f = new ComparaSticleWindow(parent, cerere, set);
    // A comparison of open materials goes when one of them does.
    if (&set == &setLucru())
        ferestreMaterial().leaga(f, std::vector<int>(cerere.indici.begin(), cerere.indici.begin() + cerere.numar));
    f->show();
    return f;
}

ComparaSticleWindow* FereastraComparaSticle() { return FereastraDeschisa(); }

}  // namespace vitramor
