#include "suite/DispersieMaterialDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

#include "dispersion/ComenziDispersie.h"
#include "dispersion/EcuatieDispersie.h"
#include "dispersion/TextCoeficient.h"
#include "record/CodificareText.h"
#include "suite/CatalixUi.h"
#include "suite/TipMaterialDialog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int RanduriCoeficienti = 6;  // c0..c5 in the first column: a Sellmeier glass reads down one column

const char* LiteraCantitate(int which) { return which == 0 ? "N" : "K"; }

QString NumeObiect(const char* baza, int which, int index = -1) {
    QString s = QString::fromLatin1(baza) + QString::fromLatin1(LiteraCantitate(which));
    if (index >= 0) s += QString::number(index);
    return s;
}

// The catalogue's own names of the coefficients where the form has them.
QString EtichetaCoeficient(std::int16_t cod, int i) {
    static const char* const sellmeier[] = {"B1", "B2", "B3", "C1", "C2", "C3"};
    QString e = QStringLiteral("c%1").arg(i);
    if (cod == 4 && i < 6) e += QStringLiteral(" (%1)").arg(QString::fromLatin1(sellmeier[i]));
    if (cod == 1 && i < 6) e += QStringLiteral(" (A%1)").arg(i);
    return e;
}

}  // namespace

DispersieMaterialDialog::DispersieMaterialDialog(QWidget* parent, const tag_dispersieNou& bloc)
    : QDialog(parent), bloc_(bloc) {
    setObjectName(QStringLiteral("DispersieMaterialDialog"));
    const QString nume = TextQt(bloc_.nume, sizeof bloc_.nume);
    setWindowTitle(QStringLiteral("Ecuatii de dispersie - %1").arg(nume));

    auto* layout = new QVBoxLayout(this);
    auto* numeLabel = new QLabel(QStringLiteral("Material: %1").arg(nume), this);
    numeLabel->setObjectName(QStringLiteral("numeMaterial"));
    layout->addWidget(numeLabel);

    auto* grupuri = new QHBoxLayout;
    grupuri->addWidget(creazaGrup(0));
    grupuri->addWidget(creazaGrup(1));
    layout->addLayout(grupuri);

    // The four further words belong to this dialog; shown, kept as they are.
    auto* parametri = new QHBoxLayout;
    parametri->addWidget(new QLabel(QStringLiteral("Parametri:"), this));
    for (int i = 0; i < 4; ++i) {
        auto* p = new QLineEdit(QString::number(bloc_.parametri_dispersie[i]), this);
        p->setObjectName(QStringLiteral("parametru%1").arg(i));
        p->setReadOnly(true);
        p->setMaximumWidth(70);
        parametri->addWidget(p);
    }
    parametri->addStretch();
    layout->addLayout(parametri);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    butoane->setObjectName(QStringLiteral("butoane"));
    butoane->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    butoane->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(butoane, &QDialogButtonBox::accepted, this, &DispersieMaterialDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(butoane);

    actualizeazaEtichete(0);
    actualizeazaEtichete(1);
    actualizeazaPrevizualizare();
    // n and k side by side need about 1300 pixels: on a narrower screen k
    // goes under n instead of past the screen's edge.
    const QScreen* ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (ecran && sizeHint().width() > ecran->availableGeometry().width()) grupuri->setDirection(QBoxLayout::TopToBottom);
}

QWidget* DispersieMaterialDialog::creazaGrup(int which) {
    Cantitate& c = c_[static_cast<std::size_t>(which)];
    auto* grup = new QGroupBox(which == 0 ? QStringLiteral("Indicele de refractie n")
                                          : QStringLiteral("Coeficientul de extinctie k"),
                               this);
    grup->setObjectName(NumeObiect("grup", which));
    auto* g = new QGridLayout(grup);

    c.ecuatie = new QComboBox(grup);
    c.ecuatie->setObjectName(NumeObiect("ecuatie", which));
    UmpleComboEcuatii(c.ecuatie, which == 0 ? bloc_.ec_dispersie_n : bloc_.ec_dispersie_k);
    g->addWidget(new QLabel(QStringLiteral("Ecuatia:"), grup), 0, 0);
    g->addWidget(c.ecuatie, 0, 1, 1, 7);
    c.forma = new QLabel(grup);
    c.forma->setObjectName(NumeObiect("forma", which));
    c.forma->setWordWrap(true);
    g->addWidget(c.forma, 1, 0, 1, 8);
    connect(c.ecuatie, &QComboBox::currentIndexChanged, this, [this, which] {
        actualizeazaEtichete(which);
        actualizeazaPrevizualizare();
    });

    for (int i = 0; i < NumarCoeficientiDispersie; ++i) {
        const int rand = 2 + i % RanduriCoeficienti;
        const int coloana = 2 * (i / RanduriCoeficienti);
        auto* eticheta = new QLabel(grup);
        eticheta->setObjectName(NumeObiect("eticheta", which, i));
        auto* camp = new QLineEdit(QString::fromStdString(TextCoeficient(valoare(which, i))), grup);
        camp->setObjectName(NumeObiect("coef", which, i));
        camp->setMinimumWidth(110);
        eticheta->setBuddy(camp);
        c.etichete[static_cast<std::size_t>(i)] = eticheta;
        c.coeficienti[static_cast<std::size_t>(i)] = camp;
        g->addWidget(eticheta, rand, coloana);
        g->addWidget(camp, rand, coloana + 1);
        connect(camp, &QLineEdit::editingFinished, this, [this, which, i] { comiteCelula(which, i); });
        connect(camp, &QLineEdit::textChanged, this, &DispersieMaterialDialog::actualizeazaPrevizualizare);
    }

    const int randDomeniu = 2 + RanduriCoeficienti;
    const std::size_t baza = which == 0 ? 0 : 2;
    c.inferior = new QSpinBox(grup);
    c.inferior->setObjectName(NumeObiect("domeniuInf", which));
    c.superior = new QSpinBox(grup);
    c.superior->setObjectName(NumeObiect("domeniuSup", which));
    for (QSpinBox* s : {c.inferior, c.superior}) {
        s->setRange(0, 65535);
        s->setSuffix(QStringLiteral(" nm"));
    }
    c.inferior->setValue(bloc_.domenii[baza]);
    c.superior->setValue(bloc_.domenii[baza + 1]);
    g->addWidget(new QLabel(QStringLiteral("Domeniu:"), grup), randDomeniu, 0);
    g->addWidget(c.inferior, randDomeniu, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("-"), grup), randDomeniu, 4);
    g->addWidget(c.superior, randDomeniu, 5, 1, 3);

    c.previzualizare = new QLabel(grup);
    c.previzualizare->setObjectName(NumeObiect("previzualizare", which));
    c.previzualizare->setTextInteractionFlags(Qt::TextSelectableByMouse);
    g->addWidget(c.previzualizare, randDomeniu + 1, 0, 1, 8);
    return grup;
}

double DispersieMaterialDialog::valoare(int which, int i) const {
    return which == 0 ? bloc_.coef_disp_n[i] : bloc_.coef_disp_k[i];
}

void DispersieMaterialDialog::seteaza(int which, int i, double v) {
    if (which == 0)
        bloc_.coef_disp_n[i] = v;
    else
        bloc_.coef_disp_k[i] = v;
}

bool DispersieMaterialDialog::comiteCelula(int which, int i) {
    if (raporteaza_) return true;
    QLineEdit* camp = c_[static_cast<std::size_t>(which)].coeficienti[static_cast<std::size_t>(i)];
    const std::string text = camp->text().toStdString();
    double v = 0.0;
    if (CitesteCoeficient(text, v)) {
        seteaza(which, i, v);
        return true;
    }
    // The old value goes back before the box opens: the focus leaving the
    // cell for the box then finds a valid text and commits nothing new.
    const std::string vechi = TextCoeficient(valoare(which, i));
    raporteaza_ = true;
    camp->setText(QString::fromStdString(vechi));
    const std::string mesaj = TextFormatat("Coeficientul c%d al ecuatiei lui %c nu este un numar: \"%.200s\".\n"
                                           "Scrieti-l cu punct zecimal, de exemplu 1.03961212 sau 6.00069867e-3.\n"
                                           "Ramane valoarea %s.",
                                           i, which == 0 ? 'n' : 'k', text.c_str(), vechi.c_str());
    MesajBox(this, mesaj, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
    raporteaza_ = false;
    camp->setFocus();
    camp->selectAll();
    return false;
}

void DispersieMaterialDialog::actualizeazaEtichete(int which) {
    Cantitate& c = c_[static_cast<std::size_t>(which)];
    const std::int16_t cod = CodEcuatieAles(c.ecuatie);
    const DescriereEcuatieDispersie d = DescriereEcuatie(cod);
    c.forma->setText(QString::fromUtf8(d.forma));
    const bool ecuatie = EsteEcuatieDispersie(cod);
    for (int i = 0; i < NumarCoeficientiDispersie; ++i) {
        QLabel* e = c.etichete[static_cast<std::size_t>(i)];
        e->setText(EtichetaCoeficient(cod, i));
        // The cells the form reads stand out; the others stay editable, as
        // the block keeps all 24 whatever the type.
        e->setEnabled(ecuatie && i < d.coeficientiFolositi);
    }
}

void DispersieMaterialDialog::actualizeazaPrevizualizare() {
    // The values as they stand in the cells, the committed ones where a cell
    // does not hold a number yet; evaluated the way the system evaluates a
    // record, at the d line.
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    m.ec_dispersie_n = CodEcuatieAles(c_[0].ecuatie);
    m.ec_dispersie_k = CodEcuatieAles(c_[1].ecuatie);
    for (int which = 0; which < 2; ++which) {
        double* coef = which == 0 ? m.coef_disp_n : m.coef_disp_k;
        for (int i = 0; i < NumarCoeficientiDispersie; ++i) {
            const QLineEdit* camp = c_[static_cast<std::size_t>(which)].coeficienti[static_cast<std::size_t>(i)];
            double v = valoare(which, i);
            CitesteCoeficient(camp->text().toStdString(), v);  // leaves v alone on garbage
            coef[i] = v;
        }
    }
    for (int which = 0; which < 2; ++which) {
        const std::int16_t cod = which == 0 ? m.ec_dispersie_n : m.ec_dispersie_k;
        const char litera = which == 0 ? 'n' : 'k';
        QString text;
        if (!EsteEcuatieDispersie(cod)) {
            // Evaluating it would only beep at every keystroke.
            text = QStringLiteral("%1(587.56 nm): tipul %2 nu este o ecuatie").arg(QChar::fromLatin1(litera)).arg(cod);
        } else {
            float v = 0.0f;
            if (IndiceDinEcuatieDispersie(m, which, LambdaLiniaD, v) == IndiceValid)
                text = QStringLiteral("%1(587.56 nm) = %2").arg(QChar::fromLatin1(litera)).arg(double{v}, 0, 'f', 6);
            else
                text = QStringLiteral("%1(587.56 nm): nu se poate calcula (n^2 <= 0)").arg(QChar::fromLatin1(litera));
        }
        c_[static_cast<std::size_t>(which)].previzualizare->setText(text);
    }
}

void DispersieMaterialDialog::accept() {
    for (int which = 0; which < 2; ++which)
        for (int i = 0; i < NumarCoeficientiDispersie; ++i)
            if (!comiteCelula(which, i)) return;  // the cell keeps its old value; the dialog stays open

    bloc_.ec_dispersie_n = CodEcuatieAles(c_[0].ecuatie);
    bloc_.ec_dispersie_k = CodEcuatieAles(c_[1].ecuatie);
    bloc_.domenii[0] = static_cast<std::uint16_t>(c_[0].inferior->value());
    bloc_.domenii[1] = static_cast<std::uint16_t>(c_[0].superior->value());
    bloc_.domenii[2] = static_cast<std::uint16_t>(c_[1].inferior->value());
    bloc_.domenii[3] = static_cast<std::uint16_t>(c_[1].superior->value());
    QDialog::accept();
}

int DispersieMaterial(Fereastra owner, void* /*instanta*/, tag_dispersieNou& bloc) {
    DispersieMaterialDialog d(static_cast<QWidget*>(owner), bloc);
    if (d.exec() != QDialog::Accepted) return 2;
    bloc = d.bloc();
    return 1;
}

void InstaleazaDialoguriDispersie() {
    LegaturiDispersie& l = legaturiDispersie();
    l.tipMaterial = TipMaterial;
    l.dispersieMaterial = DispersieMaterial;
}

}  // namespace vitramor
