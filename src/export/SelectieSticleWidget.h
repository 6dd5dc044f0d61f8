#pragma once
// The controls that the export dialog and the verification window share:
// the producer, the name filter, the table of that producer's materials
// (Nume, Cod, nd, Categorie; filled on opening, for a new producer and on
// Enter in the filter) with multiple selection, the selection buttons,
// one action button that is enabled exactly while a row is selected, and
// OK / Cancel / Ajutor. Each row keeps the catalogue library's list line it
// shows, which the export and the verification take.

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace vitramor {

// Control ids (the object names of the controls).
namespace idSelectieSticle {
inline constexpr int Producator = 1128;
inline constexpr int NumeSticla = 1079;
inline constexpr int IncarcaLista = 1130;
inline constexpr int Lista = 1066;
inline constexpr int SelectAll = 1131;
inline constexpr int SelectRevers = 1006;
inline constexpr int Exporta = 1099;
inline constexpr int Verifica = 1049;
inline constexpr int Ajutor = 1023;
}  // namespace idSelectieSticle

class SelectieSticleWidget : public QWidget {
    Q_OBJECT
public:
    // `textActiune` and `idActiune` name the action button ("Exporta" 1099
    // or "Verifica" 1049).
    SelectieSticleWidget(QWidget* parent, const char* textActiune, int idActiune);

    int producator() const { return producator_; }
    const std::string& filtru() const { return filtru_; }
    QTreeWidget* lista() const { return lista_; }

    // The selected lines and their rows, in list order.
    std::vector<int> randuriSelectate() const;
    std::vector<std::string> liniiSelectate() const;
    static std::string TextLinie(const QTreeWidgetItem* item);
    static std::string NumeDinLinie(const QTreeWidgetItem* item);

public Q_SLOTS:
    void incarcaLista();
    void selecteazaTot();
    void inverseazaSelectia();
    void actualizeazaActiune();

Q_SIGNALS:
    void actiuneCeruta();
    void okCerut();
    void cancelCerut();
    void liniePrinDubluClic(QTreeWidgetItem* item);

private:
    QHBoxLayout* construiesteFiltrul();
    void construiesteLista();
    void umpleProducatori();
    void schimbaProducator(int index);

    int producator_;
    std::string filtru_ = "*";
    QComboBox* producatori_;
    QLineEdit* numeSticla_;
    QTreeWidget* lista_;
    QPushButton* actiune_;
};

}  // namespace vitramor
