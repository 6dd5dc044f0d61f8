#include "editors/GraficTransmisieWindow.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>

#include "editors/CelulaNumerica.h"
#include "editors/FisaMaterial.h"
#include "editors/TabelTransmisie.h"
#include "fileutil/UtilitatiFisiere.h"
#include "record/CodificareText.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "suite/GraficWidget.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

const QColor kGri(128, 128, 128);
const QColor kGriDeschis(192, 192, 192);
constexpr int LatimeInitiala = 550, InaltimeInitiala = 300;
constexpr int MesajGrosimeRespinsa = 38;
constexpr int MesajFisierExistent = 947, MesajEroareScriere = 145, MesajClipboard = 362;

QColor culoare(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

void text(QPainter& p, int x, int y, const QString& s, bool centrat = false) {
    const int f = centrat ? Qt::AlignHCenter : Qt::AlignLeft;
    p.drawText(QRect(centrat ? x - 1 : x, y, centrat ? 2 : 1, 1), f | Qt::AlignTop | Qt::TextDontClip, s);
}

// The plot, its grid, labels and curve: the part of the window that the
// picture exports carry too.
void deseneazaDesen(QPainter& p, const DesenGrafic& d) {
    const ZonaPlot& z = d.plot;
    p.fillRect(QRect(z.stanga, z.sus, z.latime(), z.inaltime()), Qt::white);
    for (const LinieDesen& l : d.grila) {
        p.setPen(QPen(culoare(l.culoare), l.grosime));
        p.drawLine(l.x1, l.y1, l.x2, l.y2);
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(QRect(z.stanga, z.sus, z.latime(), z.inaltime()));
    p.setPen(Qt::black);
    for (const TextDesen& t : d.texte)
        text(p, t.x, t.y, QString::fromStdString(t.text), t.ancora == AncoraText::CentruSus);
    const QPen creion(culoare(CuloareCurba), 1);
    p.setPen(creion);
    p.drawLine(d.legenda.x1, d.legenda.y1, d.legenda.x2, d.legenda.y2);
    p.save();
    p.setClipRect(QRect(0, z.sus, z.dreapta, d.inaltime - z.sus));
    for (const auto& bucata : d.curba)
        for (std::size_t i = 1; i < bucata.size(); ++i)
            p.drawLine(bucata[i - 1].first, bucata[i - 1].second, bucata[i].first, bucata[i].second);
    p.restore();
}

}  // namespace

GraficTransmisieWindow::GraficTransmisieWindow(int indexMaterial, QWidget* proprietar, const ScaraLambda& scara)
    : FereastraMaterial(TipEditor::GraficTransmisie, indexMaterial, proprietar), scara_(scara) {
    setObjectName(QStringLiteral("GraficRTAClass"));
    auto* bara = new QHBoxLayout;
    bara->setContentsMargins(4, 2, 4, 2);
    bara->addWidget(new QLabel(QStringLiteral("Grosime"), this));
    grosimeText_ = new QLineEdit(this);
    grosimeText_->setObjectName(QStringLiteral("grosimeGrafic"));
    grosimeText_->setMaximumWidth(unitatiDialog().x(40));
    bara->addWidget(grosimeText_);
    bara->addWidget(new QLabel(QStringLiteral("mm"), this));
    bara->addStretch(1);
    const struct {
        const char* nume;
        const char* text;
        bool (GraficTransmisieWindow::*actiune)();
    } butoane[] = {{"copiaza", "Copiaza", &GraficTransmisieWindow::copiaza},
                   {"png", "PNG...", &GraficTransmisieWindow::salveazaPng},
                   {"svg", "SVG...", &GraficTransmisieWindow::salveazaSvg}};
    for (const auto& b : butoane) {
        auto* buton = new QPushButton(QString::fromLatin1(b.text), this);
        buton->setObjectName(QString::fromLatin1(b.nume));
        buton->setAutoDefault(false);
        connect(buton, &QPushButton::clicked, this, [this, a = b.actiune] { (this->*a)(); });
        bara->addWidget(buton);
    }
    // On screen the application's plot: titled axes, round ticks, the scale
    // fitted to the data (or 0-100 %) and the read-out under the pointer.
    // The copies and files keep the picture of GraficTransmisie.h.
    grafic_ = new GraficWidget(this);
    grafic_->setObjectName(QStringLiteral("grafic"));
    grafic_->seteazaAxe(QStringLiteral("Lungime de unda [nm]"), QStringLiteral("Transmisie interna [%]"));
    grafic_->seteazaProcent(true);
    grafic_->setMinimumSize(LatimeInitiala / 2, InaltimeInitiala / 2);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addLayout(bara);
    asezare->addWidget(grafic_, 1);
    connect(grosimeText_, &QLineEdit::editingFinished, this, &GraficTransmisieWindow::preiaGrosime);

    move(20, 60);
    resize(LatimeInitiala + 100, InaltimeInitiala + 120);
    reimprospateaza();
}

const MaterialOptic* GraficTransmisieWindow::material() const {
    SetLucru& set = setLucru();
    const int i = indexMaterial();
    if (i < 0 || i >= set.numarMateriale()) return nullptr;
    return &set.materiale[static_cast<std::size_t>(i)];
}

float GraficTransmisieWindow::grosime() const {
    if (grosimeAleasa_) return *grosimeAleasa_;
    const MaterialOptic* m = material();
    return m && m->grosime_transmisie > 0.0f ? m->grosime_transmisie : 1.0f;
}

void GraficTransmisieWindow::reimprospateaza() {
    const MaterialOptic* m = material();
    std::string titlu = m ? Utf8DinWindows1252(TextCamp(m->nume, sizeof m->nume)) : std::string();
    setWindowTitle(QString::fromStdString(titlu + " - Transmisia interna"));
    // A table that lost its range keeps the axis it had, so the window does
    // not jump while a wavelength is being retyped.
    if (m)
        if (const std::optional<ScaraLambda> s = ScaraLungimiUnda(*m)) scara_ = *s;
    if (!grosimeAleasa_) grosimeText_->setText(QString::fromStdString(FormatG(grosime())));
    redeseneaza();
}

void GraficTransmisieWindow::redeseneaza() {
    grafic_->sterge();
    const MaterialOptic* m = material();
    if (!m) return;
    std::vector<QPointF> puncte;
    for (const PunctGrafic& p : PuncteTransmisiePercent(*m, grosime())) puncte.emplace_back(p.x, p.y);
    grafic_->adaugaCurba(QStringLiteral("T la %1 mm").arg(grosime(), 0, 'g', 4), puncte);
}

void GraficTransmisieWindow::preiaGrosime() {
    const std::string text = grosimeText_->text().trimmed().toStdString();
    if (text.empty()) {
        grosimeAleasa_.reset();
        reimprospateaza();
        return;
    }
    const std::optional<float> d = CitesteFloatMinim(text, 0.0f);
    if (!d) {
        grosimeText_->setText(QString::fromStdString(FormatG(grosime())));
        eroare(path_help, static_cast<QWidget*>(this), stil::MB_ICONEXCLAMATION, MesajGrosimeRespinsa);
        return;
    }
    grosimeAleasa_ = *d;
    redeseneaza();
}

DesenGrafic GraficTransmisieWindow::desen() const {
    static const MaterialOptic gol{};
    const MaterialOptic* m = material();
    const UnitatiDialog& u = unitatiDialog();
    return DeseneazaGraficTransmisie(m ? *m : gol, grosime(), scara_, LatimeInitiala, InaltimeInitiala,
                                     BazaUnitati{u.bazaX(), u.bazaY()});
}

QImage GraficTransmisieWindow::imagine() const {
    QImage img(LatimeInitiala, InaltimeInitiala, QImage::Format_RGB32);
    img.fill(kGriDeschis);
    QPainter p(&img);
    p.setFont(font());
    deseneazaDesen(p, desen());
    return img;
}

namespace {

QByteArray png(const QImage& img) {
    QByteArray octeti;
    QBuffer b(&octeti);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return octeti;
}

}  // namespace

bool GraficTransmisieWindow::copiaza() {
    const QByteArray octeti = png(imagine());
    if (platforma().scrieClipboardImagine(octeti.toStdString())) return true;
    eroare(path_help, static_cast<QWidget*>(this), stil::MB_OK | stil::MB_ICONEXCLAMATION, MesajClipboard);
    return false;
}

bool GraficTransmisieWindow::salveazaPng() { return salveaza("png", png(imagine())); }

bool GraficTransmisieWindow::salveazaSvg() {
    const std::string svg = SvgDinDesen(desen(), windowTitle().toStdString(), QFontInfo(font()).pixelSize());
    return salveaza("svg", QByteArray::fromStdString(svg));
}

bool GraficTransmisieWindow::salveaza(const char* extensie, const QByteArray& continut) {
    const MaterialOptic* m = material();
    const std::string nume = m ? Utf8DinWindows1252(TextCamp(m->nume, sizeof m->nume)) : std::string("grafic");
    const std::string ext = extensie;
    const std::string mare = QString::fromStdString(ext).toUpper().toStdString();
    CerereAlegereFisier c;
    c.titlu = "Salveaza graficul";
    c.numeInitial = nume + "_Ti." + ext;
    c.extensieImplicita = ext;
    c.filtre = {{"Imagine " + mare + " (*." + ext + ")", {"*." + ext}}};
    c.trebuieSaExiste = false;
    QWidget* owner = this;
    const std::optional<FisierAles> ales = platforma().alegeFisierSalvare(owner, c);
    if (!ales || ales->nume.empty()) return false;
    const QString cale = QDir(QString::fromStdString(ales->director)).filePath(QString::fromStdString(ales->nume));
    if (QFileInfo::exists(cale) &&
        eroare(path_help, owner, stil::MB_YESNO | stil::MB_ICONQUESTION, MesajFisierExistent) != raspuns::IDYES)
        return false;
    // Written beside its name and renamed when whole: a failed write leaves
    // an older picture of that name as it was, and a device is never written.
    const int cod = ScrieFisierIntreg(cale.toStdString(),
                                      std::string_view(continut.constData(), static_cast<std::size_t>(continut.size())));
    if (cod != 0) {
        if (cod != EPERM) eroare(path_help, owner, stil::MB_OK | stil::MB_ICONASTERISK, MesajEroareScriere);
        return false;
    }
    return true;
}

FereastraMaterial* ComandaGraficTransmisie(int indexMaterial, QWidget* proprietar) {
    if (FereastraMaterial* w = ferestreMaterial().fereastra(TipEditor::GraficTransmisie, indexMaterial)) {
        AduInFata(w);
        w->reimprospateaza();
        return w;
    }
    SetLucru& set = setLucru();
    if (indexMaterial < 0 || indexMaterial >= set.numarMateriale()) return nullptr;
    const std::optional<ScaraLambda> scara = ScaraLungimiUnda(set.materiale[static_cast<std::size_t>(indexMaterial)]);
    if (!scara) return nullptr;
    return ferestreMaterial().deschide(TipEditor::GraficTransmisie, indexMaterial, [&]() -> FereastraMaterial* {
        return new GraficTransmisieWindow(indexMaterial, proprietar, *scara);
    });
}

}  // namespace vitramor
