#include "explorare/ComparaSticleWindow.h"

#include <QHeaderView>
#include <algorithm>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/CopiereTabelUi.h"
#include "platform/FerestreMaterialUi.h"
#include "record/CodificareText.h"
#include "suite/UnitatiDialog.h"

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

    QStringList titluri{QStringLiteral("Marime")};
    for (const MaterialOptic* m : materiale) titluri << TextQt(m->nume, sizeof(MaterialOptic::nume));
    tabel_ = CreazaTabelCopiabil(this, QString::number(IdListaComparata), titluri);
    tabel_->horizontalHeader()->setObjectName(QString::number(IdHeaderComparare));
    tabel_->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < tabel_->columnCount(); ++c)
        tabel_->horizontalHeader()->resizeSection(c, cerere_.latimi[static_cast<std::size_t>(c)]);
    // A line without a tab is the title of the block below it; an empty
    // line only separated blocks in a plain list.
    QFont titlu = tabel_->font();
    titlu.setBold(true);
    for (const std::string& linie : LiniiComparare(materiale, cerere_.continut, cerere_.grosime)) {
        if (linie.empty()) continue;
        const int r = tabel_->rowCount();
        tabel_->insertRow(r);
        const QStringList celule = QString::fromLatin1(linie.c_str()).split(QLatin1Char('\t'));
        for (int c = 0; c < celule.size() && c < tabel_->columnCount(); ++c) ScrieCelula(tabel_, r, c, celule[c]);
        if (celule.size() == 1) {
            tabel_->setSpan(r, 0, 1, tabel_->columnCount());
            tabel_->item(r, 0)->setFont(titlu);
        }
    }
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(tabel_);
    // Every column in sight when the screen allows it, never less than the
    // window's own size.
    int latime = tabel_->verticalScrollBar()->sizeHint().width() + 2 * tabel_->frameWidth();
    for (int c = 0; c < tabel_->columnCount(); ++c) latime += tabel_->horizontalHeader()->sectionSize(c);
    const QScreen* ecran = screen();
    const int maxim = ecran ? ecran->availableGeometry().width() * 9 / 10 : 1200;
    resize(std::clamp(latime, width(), std::max(width(), maxim)), std::max(height(), u.y(Inaltime) * 3 / 2));

    connect(tabel_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int coloana, int, int latime) {
        if (coloana < 0 || coloana >= static_cast<int>(cerere_.latimi.size())) return;
        cerere_.latimi[static_cast<std::size_t>(coloana)] = latime;
    });
}

QHeaderView* ComparaSticleWindow::header() const { return tabel_->horizontalHeader(); }

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
