#include "import/tabele/FoaieCalcul.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include <QByteArray>
#include <QString>

#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

struct Numarare {
    std::size_t pline = 0, texte = 0;
};

Numarare NumaraRand(const RandFoaie& r) {
    Numarare n;
    for (const auto& c : r.celule) {
        ++n.pline;
        if (c.tip == CelulaFoaie::Text) ++n.texte;
    }
    return n;
}

// Mostly text, and at least half as full as the fullest row near the top.
bool EsteAntet(const RandFoaie& r, std::size_t maxim) {
    const Numarare c = NumaraRand(r);
    return c.texte * 2 > c.pline && c.pline * 2 >= maxim;
}

}  // namespace

const CelulaFoaie* RandFoaie::celula(std::uint32_t coloana) const {
    const auto it = std::lower_bound(celule.begin(), celule.end(), coloana,
                                     [](const CelulaFoaie& c, std::uint32_t k) { return c.coloana < k; });
    return it != celule.end() && it->coloana == coloana ? &*it : nullptr;
}

void RandFoaie::adauga(std::uint32_t coloana, CelulaFoaie c) {
    if (c.tip == CelulaFoaie::Goala || (c.tip == CelulaFoaie::Text && c.text.empty())) return;
    c.coloana = coloana;
    celule.push_back(std::move(c));
}

void RandFoaie::ordoneaza() {
    const auto nuInainte = [](const CelulaFoaie& a, const CelulaFoaie& b) { return a.coloana >= b.coloana; };
    if (std::adjacent_find(celule.begin(), celule.end(), nuInainte) == celule.end()) return;
    // Stable: of two cells of one column, the one given last stays last and wins.
    std::stable_sort(celule.begin(), celule.end(),
                     [](const CelulaFoaie& a, const CelulaFoaie& b) { return a.coloana < b.coloana; });
    std::vector<CelulaFoaie> unice;
    for (CelulaFoaie& c : celule) {
        if (!unice.empty() && unice.back().coloana == c.coloana) unice.back() = std::move(c);
        else unice.push_back(std::move(c));
    }
    celule = std::move(unice);
}

bool RegistruCalcul::citesteFoaie(std::size_t index, FoaieCalcul& foaie) {
    foaie = {};
    foaie.nume = numeFoi()[index];
    auto cititor = deschideFoaie(index);
    if (!cititor) return false;
    RandFoaie r;
    int cod;
    while ((cod = cititor->urmatorul(r)) > 0)
        for (CelulaFoaie& c : r.celule) foaie.adauga(r.index, c.coloana, std::move(c));
    foaie.termina();
    return cod == 0;
}

void FoaieCalcul::adauga(std::uint32_t rand, std::uint32_t coloana, CelulaFoaie celula) {
    if (celula.tip == CelulaFoaie::Goala || (celula.tip == CelulaFoaie::Text && celula.text.empty())) return;
    celula.coloana = coloana;
    if (randuri.empty() || randuri.back().index != rand) {
        if (!randuri.empty() && randuri.back().index > rand) inOrdine_ = false;
        randuri.push_back({rand, {}});
    }
    auto& celule = randuri.back().celule;
    if (!celule.empty() && celule.back().coloana >= coloana) inOrdine_ = false;
    celule.push_back(std::move(celula));
}

void FoaieCalcul::termina() {
    if (inOrdine_) return;
    // Rare: a file that writes its cells out of order. Stable sorts keep
    // the cell given last as the last of its place, and that one wins.
    std::vector<RandFoaie> toate;
    for (auto& r : randuri)
        for (auto& c : r.celule) toate.push_back({r.index, {std::move(c)}});
    std::stable_sort(toate.begin(), toate.end(), [](const RandFoaie& a, const RandFoaie& b) {
        return a.index != b.index ? a.index < b.index : a.celule[0].coloana < b.celule[0].coloana;
    });
    randuri.clear();
    for (auto& t : toate) {
        CelulaFoaie& c = t.celule[0];
        if (randuri.empty() || randuri.back().index != t.index) randuri.push_back({t.index, {}});
        auto& celule = randuri.back().celule;
        if (!celule.empty() && celule.back().coloana == c.coloana) celule.back() = std::move(c);
        else celule.push_back(std::move(c));
    }
    inOrdine_ = true;
}

std::string LitereColoana(std::size_t index) {
    std::string s;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26) s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

bool NumarDinTextCelula(const std::string& text, double& valoare) {
    return NumarCatalog(text, valoare);
}

std::string TextCelula(std::string octeti) {
    const QString text = QString::fromUtf8(octeti.data(), static_cast<qsizetype>(octeti.size()));
    if (text.toUtf8() == QByteArray::fromRawData(octeti.data(), static_cast<qsizetype>(octeti.size()))) return octeti;
    return Utf8DinWindows1252(octeti);
}

AnalizaFoaie::AnalizaFoaie(std::string numeFoaie, int randAntet) : nume_(std::move(numeFoaie)), randAntet_(randAntet) {}

// The fullest of the first 50 rows sets how full the header must be; until
// they are all in, the rows wait.
constexpr std::size_t RanduriDeSus = 50;

void AnalizaFoaie::adauga(const RandFoaie& r) {
    sfarsit_ = r.index + 1;
    if (gasit_) {
        date(r);
    } else if (randAntet_ > 0) {
        if (r.index == static_cast<std::uint32_t>(randAntet_ - 1)) antet(r, pozitie_);
        else deasupra(r);
    } else if (!maximStiut_) {
        primele_.push_back(r);
        if (primele_.size() == RanduriDeSus) alegeDinPrimele();
    } else if (EsteAntet(r, maxim_)) {
        antet(r, pozitie_);
    } else {
        deasupra(r);
    }
    ++pozitie_;
}

// The rows kept are the sheet's first ones: row i of them is at position i.
void AnalizaFoaie::alegeDinPrimele() {
    maximStiut_ = true;
    for (const RandFoaie& r : primele_) maxim_ = std::max(maxim_, NumaraRand(r).pline);
    for (std::size_t i = 0; i < primele_.size(); ++i) {
        if (gasit_) date(primele_[i]);
        else if (EsteAntet(primele_[i], maxim_)) antet(primele_[i], i);
        else deasupra(primele_[i]);
    }
    primele_ = {};
}

void AnalizaFoaie::deasupra(const RandFoaie& r) {
    constexpr std::size_t RanduriDeasupra = 8;
    if (deasupra_.size() == RanduriDeasupra) deasupra_.erase(deasupra_.begin());
    deasupra_.push_back(r);
}

void AnalizaFoaie::antet(const RandFoaie& r, std::size_t pozitie) {
    gasit_ = true;
    pozitieAntet_ = pozitie;
    capete_ = r;
    latime_ = r.latime();
}

void AnalizaFoaie::date(const RandFoaie& r) {
    latime_ = std::max(latime_, r.latime());
    if (tipuri_.size() < latime_) tipuri_.resize(latime_);
    for (const CelulaFoaie& c : r.celule) {
        Tipuri& t = tipuri_[c.coloana];
        (c.tip == CelulaFoaie::Text ? t.text : t.numar) = true;
    }
}

bool AnalizaFoaie::termina(TabelFoaie& tabel) {
    tabel = {};
    if (!gasit_ && !maximStiut_ && randAntet_ == 0) alegeDinPrimele();
    if (!gasit_) {
        if (randAntet_ > 0) {
            const auto dorit = static_cast<std::uint32_t>(randAntet_);
            eroare_ = "Foaia " + nume_ +
                      (sfarsit_ < dorit ? " are doar " + std::to_string(sfarsit_) + " randuri; randul "
                                        : " are randul gol; randul ") +
                      std::to_string(randAntet_) + " nu poate numi coloanele.";
        } else {
            eroare_ =
                "Foaia " + nume_ + " nu are un rand cu numele coloanelor (un rand cu text in cele mai multe celule).";
        }
        return false;
    }
    // Columns run to the last one that holds anything, in the header or below.
    if (latime_ == 0) {
        eroare_ = "Foaia " + nume_ + " nu are coloane.";
        return false;
    }
    tipuri_.resize(latime_);
    tabel.coloane.resize(latime_);
    for (std::size_t j = 0; j < latime_; ++j) {
        ColoanaTabel& c = tabel.coloane[j];
        const CelulaFoaie* h = capete_.celula(static_cast<std::uint32_t>(j));
        if (!h) c.nume = LitereColoana(j);
        else if (h->tip == CelulaFoaie::Text) c.nume = h->text;
        else {
            const std::string b = TextFormatat("%.15g", h->numar);
            c.nume = b;
        }
        c.tip = tipuri_[j].numar && !tipuri_[j].text ? "SQL_DOUBLE" : "SQL_VARCHAR";
    }
    const std::size_t randuriDeasupra = deasupra_.size();
    for (std::size_t i = 0; i < randuriDeasupra; ++i)
        for (const CelulaFoaie& h : deasupra_[i].celule) {
            if (h.coloana >= latime_) continue;
            auto& d = tabel.coloane[h.coloana].deasupra;
            d.resize(randuriDeasupra);
            d[i] = h.tip == CelulaFoaie::Text ? h.text : QString::number(h.numar, 'g', 15).toStdString();
        }
    tabel.primulRandDate = pozitieAntet_ + 1;
    return true;
}

bool AnalizeazaFoaie(const FoaieCalcul& foaie, int randAntet, TabelFoaie& tabel, std::string& eroare) {
    AnalizaFoaie a(foaie.nume, randAntet);
    for (const RandFoaie& r : foaie.randuri) a.adauga(r);
    if (a.termina(tabel)) return true;
    eroare = a.eroare();
    return false;
}

}  // namespace vitramor
