#pragma once
// Window slots and the refresh request stand where the windowing system's
// window lookup and posted messages would: every folder that changes a record
// may ask an open editor to refill itself, without knowing the editors.
// The per-material editor windows. Every editor kind keeps at most one open
// window for each open material: asking again for the same editor and
// material brings the open window forward instead of opening a second one.
// A window belongs to the material it was opened for, through the material's
// identity in the working set (SetLucru.h), not its list position: when the
// material closes, or another is loaded in its place, its windows close with
// it (what their cells accepted is already in the record). Two requests reach
// these windows from outside:
//   - the refresh request: refill every control from the record, because
//     someone else changed it (the dispersion command that fills n, the other
//     index table after a wavelength change);
//   - the cancel command at shutdown: close without taking over anything.
//
// An editor derives from FereastraMaterial, implements reimprospateaza(), and
// opens itself through ferestreMaterial().deschide(kind, index, factory).
// The registry holds the windows through QPointer, so a window that closes
// with WA_DeleteOnClose (the default set by the base class) frees its slot by
// itself. Other windows that show one material (a report, a search from it)
// are bound with leaga() and close with it the same way.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "record/SetLucru.h"

namespace vitramor {

enum class TipEditor : int {
    IndiciN,           // n table window
    IndiciK,           // k table window
    TransmisieInterna, // internal transmittance editor
    GraficTransmisie,  // transmittance graph
    Mecanic,
    Electric,
    Termic,
    Chimic,
    LaserDamage,
    Roluri,
    GraficIndici,      // n(lambda) and k(lambda) plot
    Numar  // count of kinds, not a kind
};
inline constexpr int NumarTipuriEditor = static_cast<int>(TipEditor::Numar);

// Base of every per-material editor or graph window: a top-level window that
// remembers its kind and the material it was opened for (the material at
// `indexMaterial` of the application's working set at that moment).
class FereastraMaterial : public QWidget {
    Q_OBJECT
public:
    FereastraMaterial(TipEditor tip, int indexMaterial, QWidget* parent = nullptr);

    TipEditor tip() const { return tip_; }
    IdentitateMaterial identitate() const { return identitate_; }
    // Where its material stands in the working set now; -1 once it is gone.
    int indexMaterial() const;

    // Refills the window from its record (the refresh request).
    virtual void reimprospateaza() = 0;
    // The cancel command sent at shutdown: closes the window without taking
    // over pending edits. Editors that keep a half-typed value override it.
    virtual void anuleaza();

private:
    TipEditor tip_;
    IdentitateMaterial identitate_;
};

class FerestreMaterial {
public:
    using Fabrica = std::function<FereastraMaterial*()>;

    // The open window of a kind for the material at `indexMaterial` of the
    // working set, or null.
    FereastraMaterial* fereastra(TipEditor tip, int indexMaterial) const;

    // Brings the open window forward (restored, raised, activated) or, when
    // there is none, creates one with `creeaza`, registers and shows it.
    // Returns the window; null for an index that holds no material or a
    // factory that made nothing.
    FereastraMaterial* deschide(TipEditor tip, int indexMaterial, const Fabrica& creeaza);

    // The refresh request to a window; false when none is open there.
    bool trimiteReimprospatare(TipEditor tip, int indexMaterial);
    // The refresh request to every window of the material, after a command
    // changed it as a whole (an initialisation, an undo).
    void reimprospateazaMaterial(int indexMaterial);

    // Binds a window of another kind (a report, a search) to the materials
    // at `indici`, instead of those it was bound to: it closes when any of
    // them leaves the working set.
    void leaga(QWidget* w, const std::vector<int>& indici);

    // Closes every window of a material that leaves the working set.
    void inchideMaterial(IdentitateMaterial identitate);

    // The cancel command to every open window of every kind and material.
    void inchideToate();

    // Number of open editor windows, for checks.
    int numarDeschise() const;

private:
    struct Legatura {
        QPointer<QWidget> fereastra;
        IdentitateMaterial identitate;
        int tip;  // TipEditor, or -1 for a window bound with leaga()
    };
    std::vector<Legatura> legaturi_;
};

// The application's registry.
FerestreMaterial& ferestreMaterial();

// Brings a top-level window forward: restores it when minimised, shows,
// raises and activates it.
void AduInFata(QWidget* w);


}  // namespace vitramor
