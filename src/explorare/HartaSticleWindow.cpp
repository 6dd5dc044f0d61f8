#include "explorare/HartaSticleWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QBuffer>
#include <QHBoxLayout>
#include <QIcon>
#include <QSignalBlocker>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>

#include "explorare/HartaSticleWidget.h"
#include "explorare/HartaSvgUi.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/FerestreMaterialUi.h"
#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "database/Recuperare.h"

namespace vitramor {

namespace {

// The size of the pictures of a map not shown yet.
constexpr int LatimeImagine = LatimeImagineHarta, InaltimeImagine = InaltimeImagineHarta;

std::optional<std::string> AlegeFisier(QWidget* owner, const char* titlu, const char* extensie, const char* filtru) {
    CerereAlegereFisier c;
    c.titlu = titlu;
    c.directorInitial = path_user;
    c.numeInitial = std::string("HartaSticle.") + extensie;
    c.extensieImplicita = extensie;
    c.filtre = {{filtru, {std::string("*.") + extensie}}};
    c.trebuieSaExiste = false;
    const auto ales = platforma().alegeFisierSalvare(owner, c);
    if (!ales) return std::nullopt;
    return (std::filesystem::path(ales->director) / ales->nume).string();
}

// Through the one writer of small files: a device or FIFO of that name is
// refused, and a failed write keeps an older picture.
void Scrie(QWidget* owner, const std::string& cale, std::string_view continut) {
    if (const RezultatOperatie r = ScrieFisierIntreg(cale, continut); r.esuat())
        MesajBox(owner, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
}

}  // namespace

HartaSticleWindow::HartaSticleWindow(QWidget* parent, DeschideMaterial deschide) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HartaSticle"));
    setWindowTitle(QStringLiteral("Harta sticlelor"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 680);

    harta_ = new HartaSticleWidget(this, std::move(deschide));
    vedere_ = new QComboBox(this);
    vedere_->setObjectName(QStringLiteral("vedere"));
    vedere_->addItem(QStringLiteral("nd - vd"));
    vedere_->addItem(QStringLiteral("P g,F - vd"));
    producatori_ = new QListWidget(this);
    producatori_->setObjectName(QStringLiteral("producatori"));
    // The legend: every name whole, whatever its length.
    producatori_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    toate_ = new QCheckBox(QStringLiteral("Arata si materialele din afara ferestrei"), this);
    toate_->setObjectName(QStringLiteral("toateMaterialele"));
    stare_ = new QLabel(this);
    stare_->setObjectName(QStringLiteral("stareHarta"));
    auto* zoom = new QPushButton(QStringLiteral("Reseteaza axele"), this);
    zoom->setObjectName(QStringLiteral("reseteazaAxele"));
    zoom->setToolTip(QStringLiteral("Rotita mareste sau micsoreaza, tragerea muta harta"));
    auto* png = new QPushButton(QStringLiteral("Salveaza PNG..."), this);
    auto* svg = new QPushButton(QStringLiteral("Salveaza SVG..."), this);
    png->setObjectName(QStringLiteral("salveazaPng"));
    svg->setObjectName(QStringLiteral("salveazaSvg"));

    auto* laterale = new QVBoxLayout;
    laterale->addWidget(vedere_);
    laterale->addWidget(producatori_, 1);
    laterale->addWidget(toate_);
    laterale->addWidget(zoom);
    laterale->addWidget(png);
    laterale->addWidget(svg);
    auto* sus = new QHBoxLayout;
    sus->addWidget(harta_, 1);
    sus->addLayout(laterale);
    auto* l = new QVBoxLayout(this);
    l->addLayout(sus, 1);
    l->addWidget(stare_);

    connect(vedere_, &QComboBox::currentIndexChanged, this,
            [this](int i) {
                harta_->seteazaVedere(i == 1 ? VedereHarta::PgFVd : VedereHarta::NdVd);
                actualizeazaStare();
            });
    connect(producatori_, &QListWidget::itemChanged, this, &HartaSticleWindow::aplicaProducatori);
    connect(zoom, &QPushButton::clicked, harta_, &HartaSticleWidget::reseteazaZoom);
    connect(toate_, &QCheckBox::toggled, this, [this](bool toate) {
        harta_->seteazaToate(toate);
        actualizeazaStare();
    });
    connect(png, &QPushButton::clicked, this, &HartaSticleWindow::salveazaPng);
    connect(svg, &QPushButton::clicked, this, &HartaSticleWindow::salveazaSvg);
    reincarca();
}

void HartaSticleWindow::reincarca() {
    std::vector<RezumatMaterial> catalog;
    const CitireRezumat r = CitesteRezumatCatalog(CaleBazaDate(path_sticle), catalog);
    if (!r.ok) MesajBox(this, r.eroare, "ATENTIE!", stil::MB_OK | stil::MB_ICONHAND);
    std::map<std::uint16_t, int> prezenti;
    for (const RezumatMaterial& m : catalog) ++prezenti[m.producator];
    harta_->seteazaCatalog(std::move(catalog));

    const QSignalBlocker b(producatori_);
    producatori_->clear();
    const NumeProducatori nume(path_sticle);
    for (const auto& [cod, numar] : prezenti) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(TextQt(nume.nume(cod))).arg(numar), producatori_);
        item->setData(Qt::UserRole, cod);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        QPixmap culoare(12, 12);
        culoare.fill(QColor::fromRgb(CuloareProducator(cod)));
        item->setIcon(QIcon(culoare));
    }
    actualizeazaStare();
}

void HartaSticleWindow::actualizeazaStare() {
    const LimiteHarta& f = FereastraOptica;
    stare_->setText(QStringLiteral("%1 materiale pe harta; %2 materiale in afara ferestrei vd %3-%4, nd %5-%6%7")
                        .arg(harta_->puncte().size())
                        .arg(harta_->inAfaraFerestrei())
                        .arg(f.vdMin)
                        .arg(f.vdMax)
                        .arg(f.yMin)
                        .arg(f.yMax)
                        .arg(toate_->isChecked() ? QStringLiteral(" (aratate)") : QString()));
}

void HartaSticleWindow::aplicaProducatori() {
    std::set<std::uint16_t> alesi;
    bool toti = true;
    for (int i = 0; i < producatori_->count(); ++i) {
        if (producatori_->item(i)->checkState() == Qt::Checked)
            alesi.insert(static_cast<std::uint16_t>(producatori_->item(i)->data(Qt::UserRole).toInt()));
        else
            toti = false;
    }
    // None ticked shows none; an empty set would mean all.
    if (!toti && alesi.empty()) alesi.insert(0xFFFF);
    harta_->seteazaProducatori(toti ? std::set<std::uint16_t>{} : alesi);
    actualizeazaStare();
}

void HartaSticleWindow::salveazaPng() {
    const auto cale = AlegeFisier(this, "Salveaza harta sticlelor", "png", "PNG (*.png)");
    if (!cale) return;
    QByteArray octeti;
    QBuffer b(&octeti);
    b.open(QIODevice::WriteOnly);
    harta_->imagine(QSize(LatimeImagine, InaltimeImagine)).save(&b, "PNG");
    Scrie(this, *cale, std::string_view(octeti.constData(), static_cast<std::size_t>(octeti.size())));
}

void HartaSticleWindow::salveazaSvg() {
    const auto cale = AlegeFisier(this, "Salveaza harta sticlelor", "svg", "SVG (*.svg)");
    if (!cale) return;
    const QByteArray text = harta_->svg(QSize(LatimeImagine, InaltimeImagine), windowTitle(), true);
    Scrie(this, *cale, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

HartaSticleWindow* ComandaHartaSticle(QWidget* fereastraPrincipala, HartaSticleWindow::DeschideMaterial deschide) {
    static QPointer<HartaSticleWindow> fereastra;
    if (fereastra) {
        fereastra->reincarca();
    } else {
        fereastra = new HartaSticleWindow(fereastraPrincipala, std::move(deschide));
    }
    AduInFata(fereastra);
    return fereastra;
}

}  // namespace vitramor
