#include "editors/GraficTransmisieWindow.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>

#include "material/CelulaNumerica.h"
#include "material/FisaMaterial.h"
#include "material/TabelTransmisie.h"
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

constexpr int LatimeInitiala = 550, InaltimeInitiala = 300;
constexpr int MesajGrosimeRespinsa = 38;
constexpr int MesajFisierExistent = 947, MesajEroareScriere = 145, MesajClipboard = 362;

}  // namespace

GraficTransmisieWindow::GraficTransmisieWindow(int indexMaterial, QWidget* proprietar, const ScaraLambda& scara)
    : FereastraMaterial(TipEditor::GraficTransmisie, indexMaterial, proprietar), scara_(scara) {
    setObjectName(QStringLiteral("GraficRTAClass"));
    auto* bara = new QHBoxLayout;
    bara->setContentsMargins(4, 2, 4, 2);
    bara->setSpacing(6);  // its own: the window's layout below has none
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
    // The application's plot: titled axes, round ticks, the scale fitted to
    // the data (or 0-100 %) and the read-out under the pointer. The PNG and
    // the clipboard carry what it shows, and so does the SVG, drawn from
    // the same chart.
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

QImage GraficTransmisieWindow::imagine() const { return grafic_->imagine(QSize(LatimeInitiala, InaltimeInitiala)); }

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
    return salveaza("svg", grafic_->svg(QSize(LatimeInitiala, InaltimeInitiala), windowTitle()));
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
        eroare(path_help, owner, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2, MesajFisierExistent) !=
            raspuns::IDYES)
        return false;
    // Written beside its name and renamed when whole: a failed write leaves
    // an older picture of that name as it was, and a device is never written.
    const RezultatOperatie r = ScrieFisierIntreg(
        cale.toStdString(), std::string_view(continut.constData(), static_cast<std::size_t>(continut.size())));
    if (r.esuat()) MesajBox(owner, r.motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONASTERISK);
    return !r.esuat();
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
