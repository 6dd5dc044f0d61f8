#include "explorare/HartaSticleWidget.h"

#include <QLineSeries>
#include <QPen>
#include <QChart>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>

#include "record/CodificareText.h"
#include "settings/Directoare.h"

namespace vitramor {

HartaSticleWidget::HartaSticleWidget(QWidget* parent, DeschideMaterial deschide)
    : GraficWidget(parent), deschide_(std::move(deschide)), nume_(path_sticle) {
    setObjectName(QStringLiteral("hartaSticle"));
    setMinimumSize(400, 300);
    seteazaXInvers(true);
    // The window's list of producers, with their colours, is the one legend.
    grafic()->legend()->setVisible(false);
    seteazaVedere(VedereHarta::NdVd);
    connect(this, &GraficWidget::punctNorDubluClic, this, [this](int i) {
        if (deschide_) deschide_(catalog_[puncte_[static_cast<std::size_t>(i)]].numeText());
    });
}

void HartaSticleWidget::seteazaCatalog(std::vector<RezumatMaterial> catalog) {
    catalog_ = std::move(catalog);
    redeseneaza();
    reseteazaZoom();
}

void HartaSticleWidget::seteazaVedere(VedereHarta vedere) {
    vedere_ = vedere;
    seteazaAxe(QStringLiteral("vd (numar Abbe)"),
               vedere == VedereHarta::NdVd ? QStringLiteral("nd") : QStringLiteral("P g,F (dispersie partiala)"));
    redeseneaza();
    reseteazaZoom();
}

void HartaSticleWidget::seteazaProducatori(std::set<std::uint16_t> producatori) {
    producatori_ = std::move(producatori);
    redeseneaza();  // in the zoom the user chose
}

void HartaSticleWidget::seteazaToate(bool toate) {
    toate_ = toate;
    redeseneaza();
    reseteazaZoom();
}

void HartaSticleWidget::reseteazaZoom() {
    // Showing all, the zoom frames every material, whichever producers are shown.
    const LimiteHarta l = !toate_                       ? (vedere_ == VedereHarta::NdVd ? FereastraOptica : FereastraOpticaPgF)
                          : LimiteHartaPentru(catalog_, PuncteHarta(catalog_, vedere_), vedere_);
    fixeazaScala(l.vdMin, l.vdMax, l.yMin, l.yMax);
}

LimiteHarta HartaSticleWidget::limite() const {
    return LimiteHarta{axaX()->min(), axaX()->max(), axaY()->min(), axaY()->max()};
}

void HartaSticleWidget::redeseneaza() {
    puncte_ = PuncteHarta(catalog_, vedere_, producatori_);
    const auto afara = std::stable_partition(puncte_.begin(), puncte_.end(),
                                             [this](std::size_t i) { return InFereastraOptica(catalog_[i]); });
    afara_ = static_cast<std::size_t>(puncte_.end() - afara);
    if (!toate_) puncte_.erase(afara, puncte_.end());
    sterge();
    std::vector<QPointF> valori;
    std::vector<QRgb> culori;
    std::vector<int> numarPeProducator(std::size_t{1} << 16, 0);
    valori.reserve(puncte_.size());
    culori.reserve(puncte_.size());
    for (std::size_t i : puncte_) {
        const RezumatMaterial& m = catalog_[i];
        valori.emplace_back(m.vd, OrdonataHarta(m, vedere_));
        culori.push_back(CuloareProducator(m.producator));
        ++numarPeProducator[m.producator];
    }
    // Names are made only for the point under the pointer, not for all.
    seteazaNor(std::move(valori), std::move(culori),
               [this](int i) { return TextQt(catalog_[puncte_[static_cast<std::size_t>(i)]].numeText()); });
    for (std::size_t cod = 0; cod < numarPeProducator.size(); ++cod)
        if (numarPeProducator[cod] > 0)
            adaugaLegenda(QStringLiteral("%1 (%2)")
                              .arg(TextQt(nume_.nume(static_cast<std::uint16_t>(cod))))
                              .arg(numarPeProducator[cod]),
                          QColor::fromRgb(CuloareProducator(static_cast<std::uint16_t>(cod))));
    if (vedere_ == VedereHarta::PgFVd && !puncte_.empty()) {
        // Wide enough for any zoom; the plot clips it to the frame.
        const auto normala = [](double vd) { return QPointF(vd, NormalaPgFA + NormalaPgFB * vd); };
        QLineSeries* s = adaugaCurba(QStringLiteral("Linia normala"), {normala(0.0), normala(200.0)});
        s->setPen(QPen(Qt::black, 1, Qt::DashLine));
    }
}

}  // namespace vitramor
