#pragma once
// The table behind the catalogue browser: one row per record of the database
// file, filtered by name, producer and category and sorted by any column.
// Rows are the small summaries of RezumatCatalog.h and the filter and sort
// work on an index vector, so that 100,000 records filter as the user types
// without a widget or a QVariant per row being touched.

#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <functional>
#include <vector>

#include "explorare/RezumatCatalog.h"

namespace vitramor {

namespace coloanaCatalog {
enum : int { Nume, Producator, Categorie, Nd, Vd, PgF, Domeniu, TabelN, TabelK, Ecuatii, Transmisie, Numar };
}

class ModelCatalogSticle : public QAbstractTableModel {
public:
    explicit ModelCatalogSticle(QObject* parent = nullptr);

    // Refills the rows in place through `citeste`, inside one reset: the
    // rows' memory is reused (a fresh block of a hundred thousand rows costs
    // more in page faults than summarising them) and the view forgets and
    // measures the rows once.
    void reumple(const std::function<void(std::vector<RezumatMaterial>&)>& citeste, std::vector<std::string> categorii,
                 NumeProducatori producatori);
    // Name text ("*" and "?" as wildcards, otherwise any part of the name,
    // letter case aside), producer code and category number; -1 takes all.
    void seteazaFiltru(const std::string& nume, int producator, int categorie);

    const std::vector<RezumatMaterial>& toate() const { return randuri_; }
    const RezumatMaterial& rand(int randVizibil) const { return randuri_[vizibile_[static_cast<std::size_t>(randVizibil)]]; }
    const std::vector<std::string>& categorii() const { return categorii_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void aplica();

    std::vector<RezumatMaterial> randuri_;
    std::vector<std::string> categorii_;
    NumeProducatori producatori_{std::string()};
    std::vector<std::uint32_t> vizibile_;
    std::string filtruNume_;
    int filtruProducator_ = -1, filtruCategorie_ = -1;
    int coloanaSortare_ = -1;
    Qt::SortOrder ordine_ = Qt::AscendingOrder;
};

}  // namespace vitramor
