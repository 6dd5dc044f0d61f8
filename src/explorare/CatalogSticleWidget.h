#pragma once
// The catalogue browser: the whole database file as a sortable table beside
// the list of open materials. Typing filters by name, two combo boxes by
// producer and category; a double-click or Enter asks for the material to be
// opened. The table follows the file: any change of it (a save, a delete, an
// import, a rewrite through an archive copy) reloads it.

#include <QWidget>
#include <functional>
#include <string>

#include "explorare/ModelCatalogSticle.h"

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace vitramor {

inline constexpr const char* NumePanouCatalog = "CatalogSticle";

class CatalogSticleWidget : public QWidget {
    Q_OBJECT
public:
    using DeschideMaterial = std::function<void(const std::string& nume)>;

    explicit CatalogSticleWidget(QWidget* parent = nullptr, DeschideMaterial deschide = {});

    ModelCatalogSticle* model() const { return model_; }
    QTableView* tabel() const { return tabel_; }
    QLineEdit* filtruNume() const { return filtru_; }
    QComboBox* filtruProducator() const { return producator_; }
    QComboBox* filtruCategorie() const { return categorie_; }

    // The column widths the user left, kept in the settings and given back
    // at the next start; the defaults fit each column's header and values.
    static constexpr const char* CheieSetari = "Software\\KESTRA\\VITRAMOR\\CATALOG";
    static constexpr const char* ValoareLatimi = "LatimiColoane";

Q_SIGNALS:
    // The current row changed: the record's position in the file and its name.
    void materialAles(quint32 index, const QString& nume);

public Q_SLOTS:
    // Reads the database file again (the glass directory may have changed too).
    void reincarca();
    // Reloads when the file is no longer the one last read.
    void verificaSchimbari();

protected:
    // Coming back to the window (after the Directories dialog, say) checks
    // whether the database is still the file shown.
    void changeEvent(QEvent* e) override;

private:
    void aplicaFiltru();
    void deschide(const QModelIndex& index);
    void urmaresteFisierul();
    void aplicaLatimi();
    void pastreazaLatimi();

    DeschideMaterial deschide_;
    ModelCatalogSticle* model_;
    QTableView* tabel_;
    QLineEdit* filtru_;
    QComboBox* producator_;
    QComboBox* categorie_;
    QLabel* stare_;
    QFileSystemWatcher* urmaritor_;
    QTimer* intarziere_;
    std::string cale_;
    std::string amprenta_;  // identity of the file read last
};

}  // namespace vitramor
