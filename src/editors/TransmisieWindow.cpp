#include "editors/TransmisieWindow.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>

#include "dispersion/ComenziDispersie.h"
#include "editors/GraficTransmisieWindow.h"
#include "editors/IndiciWindow.h"
#include "material/TabelTransmisie.h"
#include "record/SetLucru.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int RanduriColoana = 14;  // slots 0-13, 14-27, 28-39 side by side

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "TRANSMIS";
    d.formatTitlu = "%s - Transmisie interna";
    d.comanda = IdComandaTransmisie;
    d.pozitie = {20, 20};
    return d;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// An empty slot (no wavelength, no absorption) shows nothing at all.
QString transmisie(const MaterialOptic& m, int s) {
    if (!SlotTransmisieEditabil(m, s) || (m.lambda_Ti[s] == 0 && m.transmisia_interna[s] == 0.0f)) return {};
    return q(TextTransmisie(TransmisieSlot(m, s, m.grosime_transmisie)));
}

constexpr OptiuniCelula RespingereTabel{MesajTransmisieRespinsa, 0x30, false, true};
// A refused thickness stays as typed, to be corrected rather than retyped.
constexpr OptiuniCelula RespingereGrosime{MesajTransmisieRespinsa, 0x30, true, true};
constexpr const char* TitluAtentie = "ATENTIE !";
constexpr unsigned IntrebareStergere = stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2;

}  // namespace

TransmisieWindow::TransmisieWindow(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::TransmisieInterna, indexMaterial, proprietar, descriereEditor()) {
    if (MaterialOptic* m = material()) AsiguraGrosimeTransmisie(*m);
    QFormLayout* f = adaugaGrup(QStringLiteral("Proba"));
    grosime_ = adaugaCelula(
        QStringLiteral("grosime"), -1, {},
        [](const MaterialOptic& m) { return q(TextGrosimeTransmisie(m.grosime_transmisie)); },
        [this](MaterialOptic& m, const std::string& text) {
            if (!PreiaGrosimeTransmisie(m, text)) return false;
            reafiseazaTransmisii();
            reimprospateazaGrafic();
            return true;
        },
        {}, RespingereGrosime);
    grosime_->setProperty("idControl", 183);
    grosime_->setAlignment(Qt::AlignRight);
    f->addRow(QStringLiteral("Grosime geometrica de referinta [mm]"), grosime_);

    coloana()->addWidget(construiesteTabelul());
    coloana()->addStretch(1);
    // Tab runs down the table, as the slots do.
    setTabOrder(grosime_, lambda_[0]);
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        setTabOrder(lambda_[static_cast<std::size_t>(s)], t_[static_cast<std::size_t>(s)]);
        if (s + 1 < NumarSloturiEditabile) setTabOrder(t_[static_cast<std::size_t>(s)], lambda_[static_cast<std::size_t>(s) + 1]);
    }

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(IdButonGrafic, QStringLiteral("Grafic"), {});
    adaugaButon(IdButonStergeLambdaTi, QStringLiteral("Sterge lungimile de unda"), {});
    adaugaButon(IdButonStergeTi, QStringLiteral("Sterge transmisiile"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});

    seteazaTitluMeniu(QStringLiteral("&Lambda"));
    adaugaComandaFereastra(IdIncludeInainte, QStringLiteral("Insereaza un rand inainte"));
    adaugaComandaFereastra(IdIncludeDupa, QStringLiteral("Insereaza un rand dupa"));
    adaugaComandaFereastra(IdStergeLambdaCurenta, QStringLiteral("Sterge randul curent"));

    // Not modal: its own graph, opened from here, must take the pointer.
    reimprospateaza();
    grosime_->setFocus();
    grosime_->selectAll();
}

// The slots' wavelengths and transmittances, in columns of `RanduriColoana`.
QGroupBox* TransmisieWindow::construiesteTabelul() {
    auto* grup = new QGroupBox(QStringLiteral("Transmisia interna T (0...1) la grosimea de referinta"), panou());
    auto* tabel = new QGridLayout(grup);
    for (int c = 0; c < 3; ++c) {
        tabel->addWidget(new QLabel(QStringLiteral("Lambda [nm]"), grup), 0, 2 * c);
        tabel->addWidget(new QLabel(QStringLiteral("T"), grup), 0, 2 * c + 1);
    }
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const auto i = static_cast<std::size_t>(s);
        lambda_[i] = adaugaCelula(
            QStringLiteral("lambda%1").arg(s), s, {},
            [s](const MaterialOptic& m) {
                return SlotTransmisieEditabil(m, s) && m.lambda_Ti[s] != 0 ? q(TextLambdaTransmisie(m.lambda_Ti[s]))
                                                                         : QString();
            },
            [this, s](MaterialOptic& m, const std::string& text) {
                if (!PreiaLambdaTransmisie(m, s, text)) return false;
                arataInCelula(t_[static_cast<std::size_t>(s)], transmisie(m, s));
                reimprospateazaGrafic();
                return true;
            },
            {}, RespingereTabel);
        lambda_[i]->setProperty("idControl", 141 + s);
        t_[i] = adaugaCelula(
            QStringLiteral("t%1").arg(s), s, {}, [s](const MaterialOptic& m) { return transmisie(m, s); },
            [this, s](MaterialOptic& m, const std::string& text) {
                if (!PreiaTransmisie(m, s, text)) return false;
                // The cell shows what the stored coefficient gives back.
                arataInCelula(t_[static_cast<std::size_t>(s)], transmisie(m, s));
                reimprospateazaGrafic();
                return true;
            },
            {}, RespingereTabel);
        t_[i]->setProperty("idControl", 101 + s);
        // Numbers in columns line up on the right.
        lambda_[i]->setAlignment(Qt::AlignRight);
        t_[i]->setAlignment(Qt::AlignRight);
        tabel->addWidget(lambda_[i], 1 + s % RanduriColoana, 2 * (s / RanduriColoana));
        tabel->addWidget(t_[i], 1 + s % RanduriColoana, 2 * (s / RanduriColoana) + 1);
    }
    return grup;
}

void TransmisieWindow::laReimprospatare() {
    const MaterialOptic* m = material();
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const bool deschis = m && SlotTransmisieEditabil(*m, s);
        lambda_[static_cast<std::size_t>(s)]->setEnabled(deschis);
        t_[static_cast<std::size_t>(s)]->setEnabled(deschis);
    }
}

void TransmisieWindow::reafiseazaTransmisii() {
    const MaterialOptic* m = material();
    if (!m) return;
    for (int s = 0; s < NumarSloturiEditabile; ++s)
        if (SlotTransmisieEditabil(*m, s))
            arataInCelula(t_[static_cast<std::size_t>(s)], transmisie(*m, s));
}

void TransmisieWindow::reimprospateazaGrafic() {
    ferestreMaterial().trimiteReimprospatare(TipEditor::GraficTransmisie, indexMaterial());
}

bool TransmisieWindow::intreaba(const char* text) {
    return MesajBox(proprietar(), text, TitluAplicatie(), IntrebareStergere) == raspuns::IDYES;
}

void TransmisieWindow::executaComanda(int id) {
    switch (id) {
    case IdButonGrafic:
        ComandaGraficTransmisie(indexMaterial(), parentWidget());
        return;
    case IdButonStergeLambdaTi:
        if (!intreaba("Stergeti toate lungimile de unda ale transmisiei ?")) return;
        memoreazaPentruAnulare(true);
        if (MaterialOptic* m = material()) StergeLambdaTransmisie(*m);
        break;
    case IdButonStergeTi:
        if (!intreaba("Stergeti toate transmisiile (devin 1) ?")) return;
        memoreazaPentruAnulare(true);
        if (MaterialOptic* m = material()) StergeTransmisii(*m);
        break;
    case IdIncludeInainte:
    case IdIncludeDupa:
    case IdStergeLambdaCurenta:
        comandaSlot(id);
        return;
    default:
        return;
    }
    reimprospateaza();
    reimprospateazaGrafic();
}

void TransmisieWindow::comandaSlot(int id) {
    MaterialOptic* m = material();
    const int f = slotFocalizat();
    if (!m || f < 0 || !SlotTransmisieEditabil(*m, f)) {
        MesajBox(proprietar(), "Alegeti mai intai un rand al tabelului (un camp Lambda sau T).", TitluAtentie, stil::MB_OK);
        return;
    }
    if (id == IdIncludeInainte) {
        memoreazaPentruAnulare();
        IncludeInainteTransmisie(*m, f);
    } else if (id == IdIncludeDupa) {
        memoreazaPentruAnulare();
        IncludeDupaTransmisie(*m, f);
    } else {
        const std::string text =
            TextFormatat("Stergeti randul lungimii de unda %d nm ?", static_cast<int>(m->lambda_Ti[f]));
        if (MesajBox(proprietar(), text, TitluAtentie, IntrebareStergere) != raspuns::IDYES)
            return;
        m = material();
        if (!m) return;
        memoreazaPentruAnulare();
        StergeSlotTransmisie(*m, f);
    }
    reimprospateaza();
    reimprospateazaGrafic();
}

FereastraMaterial* ComandaTransmisie(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::TransmisieInterna, [=](int index) -> FereastraMaterial* {
        return new TransmisieWindow(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
