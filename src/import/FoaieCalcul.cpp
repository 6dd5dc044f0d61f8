#include "import/FoaieCalcul.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include <QByteArray>
#include <QString>

#include "platform/Platform.h"
#include "record/CodificareText.h"

namespace vitramor {

namespace {

bool EsteBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Numarare {
    std::size_t pline = 0, texte = 0;
};

Numarare NumaraRand(const RandFoaie& r) {
    Numarare n;
    for (const auto& c : r) {
        if (c.tip == CelulaFoaie::Goala) continue;
        ++n.pline;
        if (c.tip == CelulaFoaie::Text) ++n.texte;
    }
    return n;
}

}  // namespace

std::string LitereColoana(std::size_t index) {
    std::string s;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26) s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

bool NumarDinTextCelula(const std::string& text, double& valoare) {
    std::size_t a = 0, b = text.size();
    while (a < b && EsteBlanc(text[a])) ++a;
    while (b > a && EsteBlanc(text[b - 1])) --b;
    if (a == b) return false;
    std::string t = text.substr(a, b - a);
    if (t.front() == '+') t.erase(0, 1);
    if (t.find('.') == std::string::npos && std::count(t.begin(), t.end(), ',') == 1) std::replace(t.begin(), t.end(), ',', '.');
    const auto r = std::from_chars(t.data(), t.data() + t.size(), valoare);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

std::string TextCelula(const std::string& utf8) {
    if (std::optional<std::string> w = Windows1252DinUtf8(utf8)) return *w;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // A CSV file saved in Windows-1252 is no UTF-8: its bytes are taken as they stand.
    if (text.toUtf8() != QByteArray::fromRawData(utf8.data(), static_cast<qsizetype>(utf8.size()))) return utf8;
    return Windows1252DinQt(text);
}

void RaporteazaFoaieCalcul(const std::string& text) { MesajBox(nullptr, text, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION); }

bool AnalizeazaFoaie(const FoaieCalcul& foaie, int randAntet, TabelFoaie& tabel) {
    tabel = {};
    const std::size_t n = foaie.randuri.size();
    std::size_t antet = n;
    if (randAntet > 0) {
        if (static_cast<std::size_t>(randAntet) > n) {
            RaporteazaFoaieCalcul("Foaia " + foaie.nume + " are doar " + std::to_string(n) + " randuri; randul " +
                                  std::to_string(randAntet) + " nu poate numi coloanele.");
            return false;
        }
        antet = static_cast<std::size_t>(randAntet) - 1;
    } else {
        std::size_t maxim = 0;
        for (std::size_t i = 0; i < std::min<std::size_t>(n, 50); ++i) maxim = std::max(maxim, NumaraRand(foaie.randuri[i]).pline);
        for (std::size_t i = 0; i < n && antet == n; ++i) {
            const Numarare c = NumaraRand(foaie.randuri[i]);
            if (c.pline > 0 && c.texte * 2 > c.pline && c.pline * 2 >= maxim) antet = i;
        }
        if (antet == n) {
            RaporteazaFoaieCalcul("Foaia " + foaie.nume +
                                  " nu are un rand cu numele coloanelor (un rand cu text in cele mai multe celule).");
            return false;
        }
    }

    // Columns run to the last one that holds anything, in the header or below.
    std::size_t latime = 0;
    for (std::size_t i = antet; i < n; ++i) {
        const auto& r = foaie.randuri[i];
        for (std::size_t j = r.size(); j > latime; --j)
            if (r[j - 1].tip != CelulaFoaie::Goala) {
                latime = j;
                break;
            }
    }
    if (latime == 0) {
        RaporteazaFoaieCalcul("Foaia " + foaie.nume + " nu are coloane.");
        return false;
    }
    const RandFoaie& capete = foaie.randuri[antet];
    tabel.coloane.resize(latime);
    for (std::size_t j = 0; j < latime; ++j) {
        ColoanaTabel& c = tabel.coloane[j];
        const CelulaFoaie* h = j < capete.size() ? &capete[j] : nullptr;
        if (!h || h->tip == CelulaFoaie::Goala) c.nume = LitereColoana(j);
        else if (h->tip == CelulaFoaie::Text) c.nume = h->text;
        else {
            char b[32];
            std::snprintf(b, sizeof b, "%.15g", h->numar);
            c.nume = b;
        }
        bool text = false, numar = false;
        std::size_t lungimeMaxima = 0;
        for (std::size_t i = antet + 1; i < n; ++i) {
            const auto& r = foaie.randuri[i];
            if (j >= r.size()) continue;
            if (r[j].tip == CelulaFoaie::Text) {
                text = true;
                lungimeMaxima = std::max(lungimeMaxima, r[j].text.size());
            } else if (r[j].tip == CelulaFoaie::Numar) {
                numar = true;
            }
        }
        if (numar && !text) {
            c.tipSql = SQL_DOUBLE;
            c.marime = 15;
            c.lungimeBuffer = sizeof(double);
        } else {
            c.tipSql = SQL_VARCHAR;
            c.marime = static_cast<SQLINTEGER>(std::max<std::size_t>(lungimeMaxima, 255));
            c.lungimeBuffer = c.marime + 1;
        }
    }
    tabel.primulRandDate = antet + 1;
    return true;
}

}  // namespace vitramor
