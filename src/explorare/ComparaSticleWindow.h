#pragma once
// "Compara sticle optice": the selected materials side by side, one column
// each under its name, one row per wavelength or quantity, each block of
// content under a title row. Column widths are kept in the request, so the
// next comparison opens as the user left this one.

#include <QWidget>

#include "explorare/ComparaSticle.h"
#include "record/SetLucru.h"

class QHeaderView;
class QTableWidget;

namespace vitramor {

inline constexpr const char* ClasaComparaSticle = "ComparaSticleClass";
inline constexpr int IdHeaderComparare = 101;
inline constexpr int IdListaComparata = 102;

class ComparaSticleWindow : public QWidget {
    Q_OBJECT
public:
    ComparaSticleWindow(QWidget* parent, CerereComparare& cerere, const SetLucru& set);

    QHeaderView* header() const;
    QTableWidget* tabel() const { return tabel_; }

private:
    CerereComparare& cerere_;
    QTableWidget* tabel_;
};

// Opens the window on the request, closing the one open before.
ComparaSticleWindow* DeschideComparaSticle(QWidget* parent, CerereComparare& cerere, const SetLucru& set);
// The open window, or null.
ComparaSticleWindow* FereastraComparaSticle();

}  // namespace vitramor
