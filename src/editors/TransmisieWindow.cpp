#include "editors/TransmisieWindow.h"

#include <QLineEdit>
#include <QPainter>
#include <cstdio>

#include "dispersion/ComenziDispersie.h"
#include "editors/GraficTransmisieWindow.h"
#include "editors/IndiciWindow.h"
#include "editors/TabelTransmisie.h"
#include "record/SetLucru.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 263, Inaltime = 201;
constexpr int XLambda[3] = {5, 94, 183};
constexpr int XTransmisie[3] = {37, 126, 215};
constexpr int LatimeLambda = 27, LatimeTransmisie = 43, InaltimeCelula = 9;
constexpr int YPrimulRand = 16, PasRand = 11;
constexpr int YButoane = 183, InaltimeButon = 14;

struct Loc {
    int coloana;
    int y;
};

Loc locSlot(int s) {
    if (s < 14) return {0, YPrimulRand + PasRand * s};
    if (s < 27) return {1, YPrimulRand + PasRand * (s - 14)};
    return {2, YPrimulRand + PasRand * (s - 27)};
}

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "TRANSMIS";
    d.formatTitlu = "%s - Transmisie interna";
    d.comanda = IdComandaTransmisie;
    d.pozitie = {20, 20};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

constexpr OptiuniCelula RespingereTabel{MesajTransmisieRespinsa, 0x30, false, true};
// A refused thickness stays as typed, to be corrected rather than retyped.
constexpr OptiuniCelula RespingereGrosime{MesajTransmisieRespinsa, 0x30, true, true};
constexpr const char* TitluAtentie = "ATTENTION !";

}  // namespace

TransmisieWindow::TransmisieWindow(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::TransmisieInterna, indexMaterial, proprietar, descriereEditor()) {
    if (MaterialOptic* m = material()) AsiguraGrosimeTransmisie(*m);
    seteazaZonaPanou(QRect(2, 3, Latime - 4, 178 - 3));
    for (int c = 0; c < 3; ++c) {
        adaugaEticheta(QStringLiteral("Lambda"), {XLambda[c], 6});
        adaugaEticheta(QStringLiteral("Transmisie"), {XTransmisie[c], 6});
    }
    adaugaEticheta(QStringLiteral("Grosime geometrica transmisie"), {100, 166}, 104);
    adaugaEticheta(QStringLiteral("mm"), {242, 166});

    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const Loc loc = locSlot(s);
        const auto i = static_cast<std::size_t>(s);
        lambda_[i] = adaugaCelula(
            QStringLiteral("lambda%1").arg(s), s, QRect(XLambda[loc.coloana], loc.y, LatimeLambda, InaltimeCelula),
            [s](const MaterialOptic& m) {
                return SlotTransmisieEditabil(m, s) ? q(TextLambdaTransmisie(m.lambda_Ti[s])) : QString();
            },
            [this, s](MaterialOptic& m, const std::string& text) {
                if (!PreiaLambdaTransmisie(m, s, text)) return false;
                reimprospateazaGrafic();
                return true;
            },
            {}, RespingereTabel);
        lambda_[i]->setProperty("idControl", 141 + s);
        t_[i] = adaugaCelula(
            QStringLiteral("t%1").arg(s), s,
            QRect(XTransmisie[loc.coloana], loc.y, LatimeTransmisie, InaltimeCelula),
            [s](const MaterialOptic& m) {
                return SlotTransmisieEditabil(m, s) ? q(TextTransmisie(TransmisieSlot(m, s, m.grosime_transmisie)))
                                                    : QString();
            },
            [this, s](MaterialOptic& m, const std::string& text) {
                if (!PreiaTransmisie(m, s, text)) return false;
                // The cell shows what the stored coefficient gives back.
                arataInCelula(t_[static_cast<std::size_t>(s)],
                              q(TextTransmisie(TransmisieSlot(m, s, m.grosime_transmisie))));
                reimprospateazaGrafic();
                return true;
            },
            {}, RespingereTabel);
        t_[i]->setProperty("idControl", 101 + s);
    }
    grosime_ = adaugaCelula(
        QStringLiteral("grosime"), -1, QRect(206, 166, 34, InaltimeCelula),
        [](const MaterialOptic& m) { return q(TextGrosimeTransmisie(m.grosime_transmisie)); },
        [this](MaterialOptic& m, const std::string& text) {
            if (!PreiaGrosimeTransmisie(m, text)) return false;
            reafiseazaTransmisii();
            reimprospateazaGrafic();
            return true;
        },
        {}, RespingereGrosime);
    grosime_->setProperty("idControl", 183);
    asiguraLatime(t_[0], QStringLiteral("   0.8888"));

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(5, YButoane, 40, InaltimeButon));
    adaugaButon(IdButonGrafic, QStringLiteral("Grafic"), QRect(56, YButoane, 40, InaltimeButon));
    adaugaButon(IdButonStergeLambdaTi, QStringLiteral("Erase lambda"), QRect(107, YButoane, 50, InaltimeButon));
    adaugaButon(IdButonStergeTi, QStringLiteral("Erase Ti"), QRect(167, YButoane, 40, InaltimeButon));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(217, YButoane, 40, InaltimeButon));

    seteazaTitluMeniu(QStringLiteral("&Lambda"));
    adaugaComandaFereastra(IdIncludeInainte, QStringLiteral("Include before lambda"));
    adaugaComandaFereastra(IdIncludeDupa, QStringLiteral("Include after lambda"));
    adaugaComandaFereastra(IdStergeLambdaCurenta, QStringLiteral("Delete current lambda"));

    // Not modal: its own graph, opened from here, must take the pointer.
    reimprospateaza();
    grosime_->setFocus();
    grosime_->selectAll();
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
            arataInCelula(t_[static_cast<std::size_t>(s)], q(TextTransmisie(TransmisieSlot(*m, s, m->grosime_transmisie))));
}

void TransmisieWindow::reimprospateazaGrafic() {
    ferestreMaterial().trimiteReimprospatare(TipEditor::GraficTransmisie, indexMaterial());
}

bool TransmisieWindow::intreaba(const char* text) {
    return MesajBox(proprietar(), text, TitluAplicatie(), stil::MB_YESNO | stil::MB_ICONQUESTION) == raspuns::IDYES;
}

void TransmisieWindow::executaComanda(int id) {
    switch (id) {
    case IdButonGrafic:
        ComandaGraficTransmisie(indexMaterial(), parentWidget());
        return;
    case IdButonStergeLambdaTi:
        if (!intreaba("Erase the wavelengths ?")) return;
        if (MaterialOptic* m = material()) StergeLambdaTransmisie(*m);
        break;
    case IdButonStergeTi:
        if (!intreaba("Erase the internal tranmitances ?")) return;
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
        MesajBox(proprietar(), "Set focus on a wavelength", TitluAtentie, stil::MB_OK);
        return;
    }
    if (id == IdIncludeInainte) {
        IncludeInainteTransmisie(*m, f);
    } else if (id == IdIncludeDupa) {
        IncludeDupaTransmisie(*m, f);
    } else {
        char text[64];
        std::snprintf(text, sizeof text, "Delete %d ?", static_cast<int>(m->lambda_Ti[f]));
        if (MesajBox(proprietar(), text, TitluAtentie, stil::MB_YESNO | stil::MB_ICONQUESTION) != raspuns::IDYES)
            return;
        m = material();
        if (!m) return;
        StergeSlotTransmisie(*m, f);
    }
    reimprospateaza();
    reimprospateazaGrafic();
}

void TransmisieWindow::deseneaza(QPainter& p, const UnitatiDialog& u) {
    ZonaSus(p, u.x(93), u.y(162), u.x(Latime - 2), u.y(177));
}

FereastraMaterial* ComandaTransmisie(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::TransmisieInterna, [=](int index) -> FereastraMaterial* {
        return new TransmisieWindow(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
