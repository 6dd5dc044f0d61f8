#pragma once
// "Compara sticle optice": the indices of the selected materials side by
// side, one line per wavelength under a header of their names. The columns
// follow the header: dragging a divider moves every later column.

#include <QWidget>

#include "explorare/ComparaSticle.h"
#include "record/SetLucru.h"

class QHeaderView;
class QListWidget;
class QStandardItemModel;

namespace vitramor {

inline constexpr const char* ClasaComparaSticle = "ComparaSticleClass";
inline constexpr int IdHeaderComparare = 101;
inline constexpr int IdListaComparata = 102;
inline constexpr int InaltimeHeaderComparare = 24;  // pixels

class ComparaSticleWindow : public QWidget {
    Q_OBJECT
public:
    ComparaSticleWindow(QWidget* parent, CerereComparare& cerere, const SetLucru& set);

    QHeaderView* header() const { return header_; }
    QListWidget* lista() const { return lista_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void aplicaTabulatori();

    CerereComparare& cerere_;
    QStandardItemModel* modelHeader_;
    QHeaderView* header_;
    QListWidget* lista_;
};

// Opens the window on the request, closing the one open before.
ComparaSticleWindow* DeschideComparaSticle(QWidget* parent, CerereComparare& cerere, const SetLucru& set);
// The open window, or null.
ComparaSticleWindow* FereastraComparaSticle();

}  // namespace vitramor
