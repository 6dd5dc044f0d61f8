#pragma once
// JSON text written straight out, laid out byte for byte as cJSON_Print lays
// out the same tree: a tab per level, object members one per line as
// "key":<TAB>value, arrays on one line with ", " between elements, numbers
// with 15 significant digits unless 17 are needed to read back the same
// double. An export writes hundreds of thousands of values; building a cJSON
// node for each and printing the tree afterwards cost many times the work
// of writing the text itself.
//
// The text of an object that is to become a member of a document's root is
// written from depth 1 and goes into the tree as a raw node, which
// cJSON_Print copies as it stands: the file reads exactly as if the object
// had been built node by node.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <cjson/cJSON.h>

namespace vitramor {

class TextJson {
public:
    // `adancime`: the nesting depth of the first value written.
    explicit TextJson(int adancime = 0) : adancime_(adancime) {}

    void deschideObiect() { deschide(false); }
    void inchideObiect();
    void deschideLista() { deschide(true); }
    void inchideLista();
    // The next member of the object being written; its value follows.
    TextJson& cheie(std::string_view nume);

    void numar(double v);
    // A value under a printf format, reduced to the format's decimals: the
    // formatted text read back and printed as cJSON prints it. A format with
    // an exponent ("%.2e") is written verbatim as a raw number token. A
    // non-finite value (only a damaged record holds one) is written as null:
    // a raw "nan" or "inf" token would make the file unreadable.
    void numar(double v, const char* format);
    void text(std::string_view s);
    void logic(bool b) { brut(b ? "true" : "false"); }
    void nul() { brut("null"); }
    // A token written as it stands.
    void brut(std::string_view s);

    // Whether the next value is a list element rather than a member.
    bool inLista() const { return numarNiveluri_ > 0 && niveluri_[numarNiveluri_ - 1].lista; }
    void rezerva(std::size_t n) { s_.reserve(n); }
    const std::string& rezultat() const { return s_; }
    std::string&& preia() { return std::move(s_); }

private:
    struct Nivel {
        bool lista;
        bool gol;
    };
    void deschide(bool lista);
    void inainteDeValoare();
    void tabulatori(int n) { s_.append(static_cast<std::size_t>(n), '\t'); }

    std::string s_;
    int adancime_;
    static constexpr int NiveluriMaxime = 32;
    Nivel niveluri_[NiveluriMaxime] = {};
    int numarNiveluri_ = 0;
};

// A number as cJSON prints it: "null" for a non-finite value, else "%.15g"
// when that reads back to the same double within the relative rounding
// error, else "%.17g"; the decimal sign is a point whatever the locale.
// `text` has room for at least 32 characters; the length is returned.
std::size_t ScrieNumarJson(double v, char* text);

// A document tree's text exactly as cJSON_Print gives it, handed out in
// pieces. A large document is mostly materials held as raw text; cJSON's
// printing would copy them again each time its buffer doubles, and then
// the whole text would sit in memory once more.
class TiparDocumentJson {
public:
    explicit TiparDocumentJson(const cJSON* radacina);
    // False when cJSON could not print a member (out of memory).
    bool ok() const { return ok_; }
    std::size_t marime() const { return marime_; }
    // Hands the text over in blocks of at most two megabytes; stops at, and
    // returns, the first non-zero result of `scrie`.
    int scrie(const std::function<int(const char*, std::size_t)>& scrie) const;

private:
    void adauga(std::string_view bucata) {
        bucati_.push_back(bucata);
        marime_ += bucata.size();
    }

    std::deque<std::string> texte_;  // the pieces not held by the tree
    std::vector<std::string_view> bucati_;
    std::size_t marime_ = 0;
    bool ok_ = true;
};

}  // namespace vitramor
