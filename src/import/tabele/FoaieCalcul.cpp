#include "import/tabele/FoaieCalcul.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include <QByteArray>
#include <QString>

#include "platform/Platforma.h"
#include "record/CodificareText.h"
#include "record/NumarCatalog.h"

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

}  // namespace

const CelulaFoaie* RandFoaie::celula(std::uint32_t coloana) const {
    const auto it = std::lower_bound(celule.begin(), celule.end(), coloana,
                                     [](const CelulaFoaie& c, std::uint32_t k) { return c.coloana < k; });
    return it != celule.end() && it->coloana == coloana ? &*it : nullptr;
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

const RandFoaie* FoaieCalcul::rand(std::uint32_t index) const {
    const auto it = std::lower_bound(randuri.begin(), randuri.end(), index,
                                     [](const RandFoaie& r, std::uint32_t i) { return r.index < i; });
    return it != randuri.end() && it->index == index ? &*it : nullptr;
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

void RaporteazaFoaieCalcul(const std::string& text) { MesajBox(nullptr, text, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION); }

bool AnalizeazaFoaie(const FoaieCalcul& foaie, int randAntet, TabelFoaie& tabel) {
    tabel = {};
    const auto& randuri = foaie.randuri;
    const std::size_t n = randuri.size();
    std::size_t antet = n;
    if (randAntet > 0) {
        const auto dorit = static_cast<std::uint32_t>(randAntet - 1);
        for (std::size_t i = 0; i < n && antet == n; ++i)
            if (randuri[i].index == dorit) antet = i;
        if (antet == n) {
            const std::uint32_t ultimul = n ? randuri.back().index + 1 : 0;
            RaporteazaFoaieCalcul("Foaia " + foaie.nume + (ultimul < dorit + 1
                                      ? " are doar " + std::to_string(ultimul) + " randuri; randul "
                                      : " are randul gol; randul ") +
                                  std::to_string(randAntet) + " nu poate numi coloanele.");
            return false;
        }
    } else {
        std::size_t maxim = 0;
        for (std::size_t i = 0; i < std::min<std::size_t>(n, 50); ++i) maxim = std::max(maxim, NumaraRand(randuri[i]).pline);
        for (std::size_t i = 0; i < n && antet == n; ++i) {
            const Numarare c = NumaraRand(randuri[i]);
            if (c.texte * 2 > c.pline && c.pline * 2 >= maxim) antet = i;
        }
        if (antet == n) {
            RaporteazaFoaieCalcul("Foaia " + foaie.nume +
                                  " nu are un rand cu numele coloanelor (un rand cu text in cele mai multe celule).");
            return false;
        }
    }

    // Columns run to the last one that holds anything, in the header or below.
    std::size_t latime = 0;
    for (std::size_t i = antet; i < n; ++i) latime = std::max<std::size_t>(latime, randuri[i].latime());
    if (latime == 0) {
        RaporteazaFoaieCalcul("Foaia " + foaie.nume + " nu are coloane.");
        return false;
    }
    struct Tipuri {
        bool text = false, numar = false;
        std::size_t lungimeMaxima = 0;
    };
    std::vector<Tipuri> tipuri(latime);
    for (std::size_t i = antet + 1; i < n; ++i)
        for (const CelulaFoaie& c : randuri[i].celule) {
            Tipuri& t = tipuri[c.coloana];
            if (c.tip == CelulaFoaie::Text) {
                t.text = true;
                t.lungimeMaxima = std::max(t.lungimeMaxima, c.text.size());
            } else {
                t.numar = true;
            }
        }
    const RandFoaie& capete = randuri[antet];
    tabel.coloane.resize(latime);
    for (std::size_t j = 0; j < latime; ++j) {
        ColoanaTabel& c = tabel.coloane[j];
        const CelulaFoaie* h = capete.celula(static_cast<std::uint32_t>(j));
        if (!h) c.nume = LitereColoana(j);
        else if (h->tip == CelulaFoaie::Text) c.nume = h->text;
        else {
            char b[32];
            std::snprintf(b, sizeof b, "%.15g", h->numar);
            c.nume = b;
        }
        if (tipuri[j].numar && !tipuri[j].text) {
            c.tipSql = SQL_DOUBLE;
            c.marime = 15;
            c.lungimeBuffer = sizeof(double);
        } else {
            c.tipSql = SQL_VARCHAR;
            c.marime = static_cast<SQLINTEGER>(std::max<std::size_t>(tipuri[j].lungimeMaxima, 255));
            c.lungimeBuffer = c.marime + 1;
        }
    }
    for (std::size_t i = 0; i < antet; ++i)
        for (const CelulaFoaie& h : randuri[i].celule) {
            if (h.coloana >= latime) continue;
            auto& d = tabel.coloane[h.coloana].deasupra;
            d.resize(antet);
            d[i] = h.tip == CelulaFoaie::Text ? h.text : QString::number(h.numar, 'g', 15).toStdString();
        }
    tabel.primulRandDate = antet + 1;
    return true;
}

}  // namespace vitramor
