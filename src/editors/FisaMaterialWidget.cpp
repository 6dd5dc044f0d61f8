#include "editors/FisaMaterialWidget.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "material/FisaMaterial.h"
#include "settings/Directoare.h"
#include "suite/GraficWidget.h"

namespace vitramor {

namespace {

// Without a reference thickness the transmittance is shown at 10 mm, the
// thickness catalogues quote.
constexpr float GrosimeImplicita = 10.0f;
constexpr int InaltimeGrafic = 150;

std::vector<QPointF> Puncte(const std::vector<PunctGrafic>& p) {
    std::vector<QPointF> q;
    q.reserve(p.size());
    for (const PunctGrafic& x : p) q.emplace_back(x.x, x.y);
    return q;
}

}  // namespace

FisaMaterialWidget::FisaMaterialWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fisaMaterial"));
    titlu_ = new QLabel(this);
    titlu_->setObjectName(QStringLiteral("titluFisa"));
    QFont f = titlu_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    titlu_->setFont(f);

    auto* continut = new QWidget;
    forma_ = new QFormLayout;
    forma_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    forma_->setRowWrapPolicy(QFormLayout::DontWrapRows);
    forma_->setContentsMargins(2, 2, 2, 2);
    forma_->setVerticalSpacing(2);

    indici_ = new GraficWidget(continut, true);
    indici_->setObjectName(QStringLiteral("graficIndiciFisa"));
    indici_->seteazaAxe(QStringLiteral("\u03bb [nm]"), QStringLiteral("n"));
    indici_->setMinimumSize(100, InaltimeGrafic);
    transmisie_ = new GraficWidget(continut, true);
    transmisie_->setObjectName(QStringLiteral("graficTransmisieFisa"));
    transmisie_->seteazaAxe(QStringLiteral("\u03bb [nm]"), QStringLiteral("T [%]"));
    transmisie_->seteazaProcent(true);
    transmisie_->setMinimumSize(100, InaltimeGrafic);

    auto* grupIstoric = new QGroupBox(QStringLiteral("Istoric"), continut);
    istoric_ = new QLabel(grupIstoric);
    istoric_->setObjectName(QStringLiteral("istoricFisa"));
    istoric_->setWordWrap(true);
    istoric_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(grupIstoric))->addWidget(istoric_);

    auto* lc = new QVBoxLayout(continut);
    lc->addLayout(forma_);
    lc->addWidget(indici_);
    lc->addWidget(transmisie_);
    lc->addWidget(grupIstoric);
    lc->addStretch(1);

    auto* derulare = new QScrollArea(this);
    derulare->setWidgetResizable(true);
    // Narrow sheets wrap their values; they never scroll sideways.
    derulare->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    derulare->setFrameShape(QFrame::NoFrame);
    derulare->setWidget(continut);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(titlu_);
    l->addWidget(derulare, 1);
    goleste();
}

void FisaMaterialWidget::goleste() {
    titlu_->setText(QStringLiteral("Niciun material ales"));
    for (auto& [e, v] : randuri_) v->clear();
    indici_->sterge();
    transmisie_->sterge();
    istoric_->clear();
}

void FisaMaterialWidget::arata(const MaterialOptic& m) {
    const std::vector<RandFisa> r = RanduriFisaMaterial(path_sticle, m);
    for (std::size_t i = randuri_.size(); i < r.size(); ++i) {
        auto* e = new QLabel(forma_->parentWidget());
        auto* v = new QLabel(forma_->parentWidget());
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->setWordWrap(true);
        forma_->addRow(e, v);
        randuri_.emplace_back(e, v);
    }
    for (std::size_t i = 0; i < r.size(); ++i) {
        randuri_[i].first->setText(QString::fromStdString(r[i].eticheta));
        randuri_[i].second->setText(QString::fromStdString(r[i].valoare));
    }
    titlu_->setText(QString::fromStdString(r.front().valoare));

    indici_->sterge();
    const std::vector<PunctGrafic> tabel = PuncteTabelIndici(m, 0), curba = CurbaEcuatieIndici(m, 0, 120);
    if (!curba.empty()) indici_->adaugaCurba(QStringLiteral("Ecuatie"), Puncte(curba));
    if (!tabel.empty()) indici_->adaugaPuncte(QStringLiteral("Tabel"), Puncte(tabel));
    indici_->seteazaMesajGol(QStringLiteral("Fara indici n"));

    transmisie_->sterge();
    const float grosime = m.grosime_transmisie > 0.0f ? m.grosime_transmisie : GrosimeImplicita;
    const std::vector<PunctGrafic> t = PuncteTransmisiePercent(m, grosime);
    transmisie_->seteazaAxe(QStringLiteral("\u03bb [nm]"), QStringLiteral("T [%] la %1 mm").arg(grosime, 0, 'g', 4));
    if (!t.empty()) transmisie_->adaugaCurba(QStringLiteral("Transmisie"), Puncte(t));
    transmisie_->seteazaMesajGol(QStringLiteral("Fara transmisie"));

    QStringList istoric;
    for (const std::string& l : IstoricFisaMaterial(path_sticle, m)) istoric << QString::fromStdString(l);
    istoric_->setText(istoric.join(QLatin1Char('\n')));
}

QString FisaMaterialWidget::valoare(const QString& eticheta) const {
    for (const auto& [e, v] : randuri_)
        if (e->text() == eticheta) return v->text();
    return {};
}

}  // namespace vitramor
