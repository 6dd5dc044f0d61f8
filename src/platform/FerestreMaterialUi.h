#pragma once
// Window slots and the refresh request stand where the windowing system's
// window lookup and posted messages would: every folder that changes a record
// may ask an open editor to refill itself, without knowing the editors.
// The per-material editor windows. Every editor kind keeps at most one open
// window for each of the 10 material indexes: asking again for the same
// editor and material brings the open window forward instead of opening a
// second one. Two requests reach these windows from outside:
//   - the refresh request: refill every control from the record, because
//     someone else changed it (the dispersion command that fills n, the other
//     index table after a wavelength change);
//   - the cancel command at shutdown: close without taking over anything.
//
// An editor derives from FereastraMaterial, implements reimprospateaza(), and
// opens itself through ferestreMaterial().deschide(kind, index, factory).
// The registry holds the windows through QPointer, so a window that closes
// with WA_DeleteOnClose (the default set by the base class) frees its slot by
// itself.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

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
    Numar  // count of kinds, not a kind
};
inline constexpr int NumarTipuriEditor = static_cast<int>(TipEditor::Numar);

// Base of every per-material editor or graph window: a top-level window that
// remembers its kind and material index.
class FereastraMaterial : public QWidget {
    Q_OBJECT
public:
    FereastraMaterial(TipEditor tip, int indexMaterial, QWidget* parent = nullptr);

    TipEditor tip() const { return tip_; }
    int indexMaterial() const { return index_; }

    // Refills the window from its record (the refresh request).
    virtual void reimprospateaza() = 0;
    // The cancel command sent at shutdown: closes the window without taking
    // over pending edits. Editors that keep a half-typed value override it.
    virtual void anuleaza();

private:
    TipEditor tip_;
    int index_;
};

class FerestreMaterial {
public:
    using Fabrica = std::function<FereastraMaterial*()>;

    // The open window of a kind for a material index, or null.
    FereastraMaterial* fereastra(TipEditor tip, int indexMaterial) const;

    // Brings the open window forward (restored, raised, activated) or, when
    // the slot is empty, creates one with `creeaza`, registers and shows it.
    // Returns the window; null for an index outside 0..9 or a factory that
    // made nothing.
    FereastraMaterial* deschide(TipEditor tip, int indexMaterial, const Fabrica& creeaza);

    // The refresh request to a slot; false when no window is open there.
    bool trimiteReimprospatare(TipEditor tip, int indexMaterial);

    // The cancel command to every open window of every kind and index.
    void inchideToate();

    // Number of open windows, for checks.
    int numarDeschise() const;

private:
    std::array<std::array<QPointer<FereastraMaterial>, NumarMaximMateriale>, NumarTipuriEditor> sloturi_;
};

// The application's registry.
FerestreMaterial& ferestreMaterial();

// Brings a top-level window forward: restores it when minimised, shows,
// raises and activates it.
void AduInFata(QWidget* w);


}  // namespace vitramor
