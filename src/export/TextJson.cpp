#include "export/TextJson.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "export/LocalaC.h"
#include "platform/MemorieMare.h"

namespace vitramor {

namespace {

// A printf format of the plain "%.Nf", "%.Ne" or "%g" kind, which to_chars
// writes with printf's digits in the C locale at a fraction of its cost (an
// export writes hundreds of thousands of numbers).
struct FormatNumar {
    bool simplu = false;
    std::chars_format fel = std::chars_format::general;
    int precizie = 6;
    bool exponent = false;  // the format writes an exponent: the text goes out as it is
};

FormatNumar CitesteFormat(const char* format) {
    FormatNumar f;
    f.exponent = std::strpbrk(format, "eE") != nullptr;
    if (format[0] != '%') return f;
    const char* p = format + 1;
    if (*p == '.') {
        ++p;
        if (!(*p >= '0' && *p <= '9')) return f;
        f.precizie = 0;
        while (*p >= '0' && *p <= '9') f.precizie = f.precizie * 10 + (*p++ - '0');
        if (f.precizie > 17) return f;
    }
    switch (*p) {
        case 'f': f.fel = std::chars_format::fixed; break;
        case 'e': f.fel = std::chars_format::scientific; break;
        case 'g': f.fel = std::chars_format::general; break;
        default: return f;
    }
    f.simplu = p[1] == '\0';
    return f;
}

// "%.Nf" for N up to 9, written from the scaled value rounded to an
// integer: its length, 0 when to_chars must do it. printf rounds the exact
// binary value; below 2^40 the scaled double is within 2^-13 of that
// product, so the rounding is beyond doubt unless the value lies within
// 1e-3 of a half.
std::size_t FixRapid(double v, int precizie, char* text) {
    static constexpr double Puteri[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (precizie > 9) return 0;
    const double x = std::fabs(v) * Puteri[precizie];
    if (!(x < 1099511627776.0)) return 0;
    const double intreg = std::floor(x);
    const double rest = x - intreg;
    if (std::fabs(rest - 0.5) < 1e-3) return 0;
    const std::uint64_t rotunjit = static_cast<std::uint64_t>(intreg) + (rest > 0.5 ? 1 : 0);
    char cifre[24];
    const auto n = static_cast<int>(std::to_chars(cifre, cifre + sizeof cifre, rotunjit).ptr - cifre);
    char* p = text;
    if (std::signbit(v)) *p++ = '-';
    // Digits short of the decimals are zeros in front: 7 at "%.3f" is 0.007.
    const int total = std::max(n, precizie + 1);
    const int zerouri = total - n;
    for (int k = 0; k < total; ++k) {
        if (precizie > 0 && k == total - precizie) *p++ = '.';
        *p++ = k < zerouri ? '0' : cifre[k - zerouri];
    }
    return static_cast<std::size_t>(p - text);
}

// The double a printed number reads back as, the way cJSON's sscanf reads
// it: an overflow is infinity, an underflow zero, whatever the locale.
double CititInapoi(char* text, std::size_t lungime) {
    double v = 0.0;
    if (std::from_chars(text, text + lungime, v).ec == std::errc()) return v;
    LocalaC locala;
    text[lungime] = '\0';
    return std::strtod(text, nullptr);
}

// The number cJSON prints for the double read back from `text`, when that
// can be seen from the text itself: a number of at most 15 significant
// digits reads back to a double whose 15-digit print is those digits, so
// cJSON's print is the text with the zeros at the end of its fraction
// dropped, as long as "%.15g" keeps the text's form: fixed notation from
// 1e-4 up, or the exponent form of a small normal number, which "%g"
// already writes as cJSON does. False for anything else.
bool TiparCJsonDinText(char* text, std::size_t& lungime) {
    const char* e = static_cast<const char*>(std::memchr(text, 'e', lungime));
    if (e) {
        int cifre = 0;
        for (const char* p = text; p < e; ++p) cifre += *p >= '0' && *p <= '9';
        int exponent = 0;
        return e > text && e[-1] != '0' && e[-1] != '.' && cifre <= 15 && e[1] == '-' &&
               std::from_chars(e + 2, text + lungime, exponent).ec == std::errc() && exponent > 4 &&
               exponent <= 300;
    }
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t punct = static_cast<std::size_t>(std::find(text, text + lungime, '.') - text);
    if (punct < lungime) {
        while (lungime > punct + 1 && text[lungime - 1] == '0') --lungime;
        if (lungime == punct + 1) --lungime;
    }
    int zerouriInitiale = 0;  // the zeros before the first significant digit
    bool inainte = true;
    int cifre = 0;
    for (; i < lungime; ++i) {
        if (text[i] == '.') continue;
        if (text[i] < '0' || text[i] > '9') return false;
        if (inainte && text[i] == '0') {
            ++zerouriInitiale;
            continue;
        }
        inainte = false;
        ++cifre;
    }
    if (cifre == 0) {  // a zero, which keeps its sign
        lungime = text[0] == '-' ? 2 : 1;
        return true;
    }
    // Below 1 the leading zeros are the "0." and the fraction's own; more
    // than three of those is below 1e-4, where "%.15g" turns to exponents.
    const bool subUnu = text[text[0] == '-' ? 1 : 0] == '0';
    return cifre <= 15 && (!subUnu || zerouriInitiale <= 4);
}

}  // namespace

void TextJson::numar(double v, const char* format) {
    if (!format || !*format || !std::isfinite(v)) return numar(v);
    const FormatNumar f = CitesteFormat(format);
    char text[512];  // "%.17f" of the largest double takes 328
    std::size_t lungime = 0;
    if (f.simplu && f.fel == std::chars_format::fixed) lungime = FixRapid(v, f.precizie, text);
    if (f.simplu && lungime == 0) {
        const auto [sfarsit, ec] = std::to_chars(text, text + sizeof text - 1, v, f.fel, f.precizie);
        if (ec == std::errc()) lungime = static_cast<std::size_t>(sfarsit - text);
    }
    if (lungime == 0) {
        LocalaC locala;
        const int n = std::snprintf(text, sizeof text, format, v);
        lungime = n < 0 ? 0 : std::min(static_cast<std::size_t>(n), sizeof text - 1);
    }
    if (f.exponent || TiparCJsonDinText(text, lungime)) return brut(std::string_view(text, lungime));
    numar(CititInapoi(text, lungime));
}

std::size_t ScrieNumarJson(double v, char* text) {
    if (!std::isfinite(v)) {
        std::memcpy(text, "null", 4);
        return 4;
    }
    // 15 digits avoid the noise digits of most stored values; the read-back
    // check is cJSON's own, which accepts a relative error of one epsilon.
    char* sfarsit = std::to_chars(text, text + 31, v, std::chars_format::general, 15).ptr;
    const double citit = CititInapoi(text, static_cast<std::size_t>(sfarsit - text));
    const double maxim = std::max(std::fabs(citit), std::fabs(v));
    if (!(std::fabs(citit - v) <= maxim * DBL_EPSILON))
        sfarsit = std::to_chars(text, text + 31, v, std::chars_format::general, 17).ptr;
    return static_cast<std::size_t>(sfarsit - text);
}

void TextJson::inainteDeValoare() {
    if (numarNiveluri_ == 0) return;
    Nivel& n = niveluri_[numarNiveluri_ - 1];
    if (!n.lista) return;  // the member's key is already written
    if (!n.gol) s_ += ", ";
    n.gol = false;
}

void TextJson::deschide(bool lista) {
    inainteDeValoare();
    s_ += lista ? "[" : "{\n";
    ++adancime_;
    if (numarNiveluri_ < NiveluriMaxime) niveluri_[numarNiveluri_++] = {lista, true};
}

void TextJson::inchideObiect() {
    if (numarNiveluri_ > 0 && !niveluri_[--numarNiveluri_].gol) s_ += '\n';
    --adancime_;
    tabulatori(adancime_);
    s_ += '}';
}

void TextJson::inchideLista() {
    if (numarNiveluri_ > 0) --numarNiveluri_;
    --adancime_;
    s_ += ']';
}

TextJson& TextJson::cheie(std::string_view nume) {
    if (numarNiveluri_ > 0) {
        Nivel& n = niveluri_[numarNiveluri_ - 1];
        if (!n.gol) s_ += ",\n";
        n.gol = false;
    }
    tabulatori(adancime_);
    text(nume);
    s_ += ":\t";
    return *this;
}

void TextJson::numar(double v) {
    inainteDeValoare();
    char text[32];
    s_.append(text, ScrieNumarJson(v, text));
}

void TextJson::brut(std::string_view s) {
    inainteDeValoare();
    s_ += s;
}

namespace {

// The bytes a JSON string cannot hold as they are.
constexpr std::array<bool, 256> DeEscapat = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 32; ++c) t[static_cast<std::size_t>(c)] = true;
    t['"'] = t['\\'] = true;
    return t;
}();

}  // namespace

void TextJson::text(std::string_view s) {
    inainteDeValoare();
    s_ += '"';
    std::size_t inceput = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto u = static_cast<unsigned char>(s[i]);
        if (!DeEscapat[u]) continue;
        s_.append(s.data() + inceput, i - inceput);
        inceput = i + 1;
        s_ += '\\';
        switch (s[i]) {
            case '"': s_ += '"'; break;
            case '\\': s_ += '\\'; break;
            case '\b': s_ += 'b'; break;
            case '\f': s_ += 'f'; break;
            case '\n': s_ += 'n'; break;
            case '\r': s_ += 'r'; break;
            case '\t': s_ += 't'; break;
            default: {
                static constexpr char Hex[] = "0123456789abcdef";
                s_ += "u00";
                s_ += Hex[u >> 4];
                s_ += Hex[u & 15];
            }
        }
    }
    s_.append(s.data() + inceput, s.size() - inceput);
    s_ += '"';
}

TiparDocumentJson::TiparDocumentJson(const cJSON* radacina) {
    bool areBrut = false;
    if (cJSON_IsObject(radacina))
        for (const cJSON* c = radacina->child; c && !areBrut; c = c->next) areBrut = cJSON_IsRaw(c);
    const auto tiparit = [this](const cJSON* c) -> std::string* {
        std::unique_ptr<char, void (*)(void*)> text(cJSON_Print(c), cJSON_free);
        if (!text) {
            ok_ = false;
            return nullptr;
        }
        return &texte_.emplace_back(text.get());
    };
    if (!areBrut) {
        if (const std::string* text = tiparit(radacina)) adauga(*text);
        return;
    }

    // The root's members one level down: cJSON starts every line of a member
    // with one tab more than the member printed alone, and its strings never
    // hold a bare newline.
    std::string* legatura = &texte_.emplace_back("{\n");
    for (const cJSON* c = radacina->child; c; c = c->next) {
        TextJson cheie;
        cheie.text(c->string ? c->string : "");
        *legatura += '\t';
        *legatura += cheie.rezultat();
        *legatura += ":\t";
        if (cJSON_IsRaw(c) && c->valuestring) {
            adauga(*legatura);
            adauga(c->valuestring);
            legatura = &texte_.emplace_back();
        } else {
            const std::string* valoare = tiparit(c);
            if (!valoare) return;
            for (const char ch : *valoare) {
                *legatura += ch;
                if (ch == '\n') *legatura += '\t';
            }
            texte_.pop_back();
        }
        *legatura += c->next ? ",\n" : "\n";
    }
    *legatura += '}';
    adauga(*legatura);
}

int TiparDocumentJson::scrie(const std::function<int(const char*, std::size_t)>& scrie) const {
    constexpr std::size_t Bloc = std::size_t{2} << 20;
    const std::unique_ptr<char, void (*)(char*)> bloc(static_cast<char*>(AlocaMemorieMare(Bloc)),
                                                      [](char* p) { ElibereazaMemorieMare(p, Bloc); });
    std::size_t folosit = 0;
    for (std::string_view b : bucati_) {
        while (!b.empty()) {
            if (folosit == Bloc) {
                if (const int r = scrie(bloc.get(), folosit); r != 0) return r;
                folosit = 0;
            }
            const std::size_t n = std::min(b.size(), Bloc - folosit);
            std::memcpy(bloc.get() + folosit, b.data(), n);
            folosit += n;
            b.remove_prefix(n);
        }
    }
    return folosit == 0 ? 0 : scrie(bloc.get(), folosit);
}

}  // namespace vitramor
