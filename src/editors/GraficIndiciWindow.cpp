#include "editors/GraficIndiciWindow.h"

#include <QEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "editors/EditorMaterialWindow.h"
#include "material/FisaMaterial.h"
#include "record/CodificareText.h"
#include "record/SetLucru.h"
#include "suite/GraficWidget.h"

namespace vitramor {

namespace {

std::vector<QPointF> Puncte(const std::vector<PunctGrafic>& p) {
    std::vector<QPointF> q;
    for (const PunctGrafic& x : p) q.emplace_back(x.x, x.y);
    return q;
}

void Umple(GraficWidget* g, const MaterialOptic& m, int which) {
    g->sterge();
    const std::vector<PunctGrafic> curba = CurbaEcuatieIndici(m, which), tabel = PuncteTabelIndici(m, which);
    if (!curba.empty()) g->adaugaCurba(QStringLiteral("Ecuatie de dispersie"), Puncte(curba));
    if (!tabel.empty()) g->adaugaPuncte(QStringLiteral("Valori din tabel"), Puncte(tabel));
    g->seteazaMesajGol(which == 0 ? QStringLiteral("Materialul nu are indici n (tabel sau ecuatie).")
                                  : QStringLiteral("Materialul nu are indici k (tabel sau ecuatie)."));
}

}  // namespace

GraficIndiciWindow::GraficIndiciWindow(int indexMaterial, QWidget* proprietar)
    : FereastraMaterial(TipEditor::GraficIndici, indexMaterial, proprietar) {
    setObjectName(QStringLiteral("GraficIndici"));
    n_ = new GraficWidget(this);
    n_->setObjectName(QStringLiteral("graficN"));
    n_->seteazaAxe(QStringLiteral("Lungime de unda [nm]"), QStringLiteral("Indice de refractie n"));
    k_ = new GraficWidget(this);
    k_->setObjectName(QStringLiteral("graficK"));
    k_->seteazaAxe(QStringLiteral("Lungime de unda [nm]"), QStringLiteral("Coeficient de extinctie k"));
    auto* s = new QSplitter(Qt::Vertical, this);
    s->addWidget(n_);
    s->addWidget(k_);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(s);
    resize(760, 640);
    reimprospateaza();
}

void GraficIndiciWindow::reimprospateaza() {
    const int index = indexMaterial();
    if (index < 0) return;
    const MaterialOptic& m = setLucru().materiale[static_cast<std::size_t>(index)];
    setWindowTitle(TextQt(m.nume, sizeof m.nume) + QStringLiteral(" - Indici n si k"));
    Umple(n_, m, 0);
    Umple(k_, m, 1);
    // A plot with nothing to draw gives its room to the other one; with
    // neither, both say what is missing.
    const bool areN = n_->numarSerii() > 0, areK = k_->numarSerii() > 0;
    n_->setVisible(areN || !areK);
    k_->setVisible(areK || !areN);
}

void GraficIndiciWindow::changeEvent(QEvent* e) {
    FereastraMaterial::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) reimprospateaza();
}

FereastraMaterial* ComandaGraficIndici(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::GraficIndici, [=](int index) -> FereastraMaterial* {
        return new GraficIndiciWindow(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
