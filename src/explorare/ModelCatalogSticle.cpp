#include "explorare/ModelCatalogSticle.h"

#include "record/CodificareText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

#include "database/CautareCatalog.h"

namespace vitramor {

namespace {

const char* const antete[coloanaCatalog::Numar] = {"Nume", "Producator", "Categorie", "nd", "vd", "P g,F",
                                                   "Domeniu n [nm]", "n", "k", "Ec.", "T"};

QString Text(const std::string& windows1252) { return TextQt(windows1252); }

QString Numar(double v, int zecimale) { return AreValoare(v) ? QString::number(v, 'f', zecimale) : QString(); }

bool ContineFaraMajuscule(std::string_view nume, const std::string& parte) {
    if (parte.empty()) return true;
    if (parte.size() > nume.size()) return false;
    for (std::size_t i = 0; i + parte.size() <= nume.size(); ++i)
        if (strncasecmp(nume.data() + i, parte.data(), parte.size()) == 0) return true;
    return false;
}

// Missing values sort after every value, whichever the direction.
int CompareValori(double a, double b) {
    const bool fa = AreValoare(a), fb = AreValoare(b);
    if (!fa || !fb) return fa == fb ? 0 : (fa ? -2 : 2);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

ModelCatalogSticle::ModelCatalogSticle(QObject* parent) : QAbstractTableModel(parent) {}

void ModelCatalogSticle::reumple(const std::function<void(std::vector<RezumatMaterial>&)>& citeste,
                                 std::vector<std::string> categorii, NumeProducatori producatori) {
    beginResetModel();
    vizibile_.clear();
    citeste(randuri_);
    categorii_ = std::move(categorii);
    producatori_ = std::move(producatori);
    aplica();
    endResetModel();
}

void ModelCatalogSticle::seteazaFiltru(const std::string& nume, int producator, int categorie) {
    // A reset makes the view forget and measure everything again.
    if (nume == filtruNume_ && producator == filtruProducator_ && categorie == filtruCategorie_) return;
    beginResetModel();
    filtruNume_ = nume;
    filtruProducator_ = producator;
    filtruCategorie_ = categorie;
    aplica();
    endResetModel();
}

void ModelCatalogSticle::aplica() {
    vizibile_.clear();
    vizibile_.reserve(randuri_.size());
    const bool model = filtruNume_.find_first_of("*?") != std::string::npos;
    for (std::size_t i = 0; i < randuri_.size(); ++i) {
        const RezumatMaterial& r = randuri_[i];
        if (filtruProducator_ >= 0 && r.producator != filtruProducator_) continue;
        if (filtruCategorie_ >= 0 && r.categorie != filtruCategorie_) continue;
        const std::string_view nume(r.nume, strnlen(r.nume, sizeof r.nume));
        if (model ? !NumePotrivitModel(filtruNume_, nume) : !ContineFaraMajuscule(nume, filtruNume_)) continue;
        vizibile_.push_back(static_cast<std::uint32_t>(i));
    }
    if (coloanaSortare_ < 0) return;

    const auto cheie = [this](const RezumatMaterial& a, const RezumatMaterial& b) -> int {
        switch (coloanaSortare_) {
            case coloanaCatalog::Nume: return strncasecmp(a.nume, b.nume, sizeof a.nume);
            case coloanaCatalog::Producator: return producatori_.nume(a.producator).compare(producatori_.nume(b.producator));
            case coloanaCatalog::Categorie: return int(a.categorie) - int(b.categorie);
            case coloanaCatalog::Nd: return CompareValori(a.nd, b.nd);
            case coloanaCatalog::Vd: return CompareValori(a.vd, b.vd);
            case coloanaCatalog::PgF: return CompareValori(a.pgF, b.pgF);
            case coloanaCatalog::Domeniu: return int(a.domeniuN[0]) - int(b.domeniuN[0]);
            case coloanaCatalog::TabelN: return int(a.are & continutRecord::TabelN) - int(b.are & continutRecord::TabelN);
            case coloanaCatalog::TabelK: return int(a.are & continutRecord::TabelK) - int(b.are & continutRecord::TabelK);
            case coloanaCatalog::Ecuatii:
                return int(a.are & (continutRecord::EcuatieN | continutRecord::EcuatieK)) -
                       int(b.are & (continutRecord::EcuatieN | continutRecord::EcuatieK));
            default:
                return int(a.are & continutRecord::Transmisie) - int(b.are & continutRecord::Transmisie);
        }
    };
    const bool descrescator = ordine_ == Qt::DescendingOrder;
    std::stable_sort(vizibile_.begin(), vizibile_.end(), [&](std::uint32_t x, std::uint32_t y) {
        const int c = cheie(randuri_[x], randuri_[y]);
        if (c == 2 || c == -2) return c < 0;  // a missing value stays at the end
        return descrescator ? c > 0 : c < 0;
    });
}

int ModelCatalogSticle::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(vizibile_.size());
}

int ModelCatalogSticle::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : coloanaCatalog::Numar; }

QVariant ModelCatalogSticle::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const RezumatMaterial& r = rand(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= coloanaCatalog::Nd)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole) return {};
    const auto marca = [&](std::uint8_t bit) { return (r.are & bit) ? QStringLiteral("x") : QString(); };
    switch (index.column()) {
        case coloanaCatalog::Nume: return Text(r.numeText());
        case coloanaCatalog::Producator: return Text(producatori_.nume(r.producator));
        case coloanaCatalog::Categorie:
            return static_cast<std::size_t>(r.categorie) < categorii_.size() ? Text(categorii_[r.categorie]) : QString::number(r.categorie);
        case coloanaCatalog::Nd: return Numar(r.nd, 6);
        case coloanaCatalog::Vd: return Numar(r.vd, 2);
        case coloanaCatalog::PgF: return Numar(r.pgF, 4);
        case coloanaCatalog::Domeniu:
            return r.domeniuN[0] || r.domeniuN[1] ? QStringLiteral("%1 - %2").arg(r.domeniuN[0]).arg(r.domeniuN[1])
                                                  : QString();
        case coloanaCatalog::TabelN: return marca(continutRecord::TabelN);
        case coloanaCatalog::TabelK: return marca(continutRecord::TabelK);
        case coloanaCatalog::Ecuatii: {
            QString t;
            if (r.are & continutRecord::EcuatieN) t += QLatin1Char('n');
            if (r.are & continutRecord::EcuatieK) t += QLatin1Char('k');
            return t;
        }
        default: return marca(continutRecord::Transmisie);
    }
}

QVariant ModelCatalogSticle::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= coloanaCatalog::Numar)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(antete[section]);
}

void ModelCatalogSticle::sort(int column, Qt::SortOrder order) {
    beginResetModel();
    coloanaSortare_ = column;
    ordine_ = order;
    aplica();
    endResetModel();
}

}  // namespace vitramor
