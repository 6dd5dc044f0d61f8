// Excel 97-2003 workbooks: BIFF8 records in the Workbook stream of a
// compound file. libgsf opens the compound file; the records are read here,
// only those a catalogue needs: the sheet names and where each sheet
// starts, the shared strings, and each cell's number or text. Every field is
// checked against its record and every record against the stream, so a
// damaged file is told apart from a good one instead of read past its end.

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <span>

#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/FoaieCalcul.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// A catalogue workbook is a few megabytes; a stream beyond this is damaged
// or hostile, and reading it would take the memory of the whole machine.
constexpr gsf_off_t MarimeMaximaFlux = gsf_off_t{256} << 20;

enum : std::uint16_t {
    InregFormula = 0x0006,
    InregSfarsit = 0x000A,
    InregParola = 0x002F,
    InregContinuare = 0x003C,
    InregFoaie = 0x0085,
    InregMulRk = 0x00BD,
    InregTexteComune = 0x00FC,
    InregEtichetaSst = 0x00FD,
    InregNumar = 0x0203,
    InregEticheta = 0x0204,
    InregBoolErr = 0x0205,
    InregTextFormula = 0x0207,
    InregRk = 0x027E,
    InregInceput = 0x0809,
};

constexpr std::uint16_t VersiuneBiff8 = 0x0600;
constexpr std::uint16_t InceputGlobal = 0x0005, InceputFoaieLucru = 0x0010;
constexpr std::uint32_t ColoaneBiff8 = 256;

// Thrown by every bounds check; the reader that catches it reports it once.
struct Deteriorat {
    std::string detaliu;
};
struct FormatVechi {};
struct Criptat {};  // reported where it is found

std::string Hexazecimal(unsigned v) {
    return TextFormatat("0x%04X", v);
}

// One record of the stream: its type, where its header stands, its body.
struct Inregistrare {
    std::uint16_t tip = 0;
    std::size_t pozitie = 0;
    std::span<const std::uint8_t> date;

    std::size_t urmatoarea() const { return pozitie + 4 + date.size(); }
    std::string unde() const {
        return "inregistrarea " + Hexazecimal(tip) + " de la octetul " + std::to_string(pozitie);
    }
    void cere(std::size_t la, std::size_t n) const {
        if (la > date.size() || n > date.size() - la)
            throw Deteriorat{unde() + " este prea scurta"};
    }
    std::uint8_t u8(std::size_t la) const { return cere(la, 1), date[la]; }
    std::uint16_t u16(std::size_t la) const {
        return cere(la, 2), static_cast<std::uint16_t>(date[la] | date[la + 1] << 8);
    }
    std::uint32_t u32(std::size_t la) const { return u16(la) | std::uint32_t{u16(la + 2)} << 16; }
    double f64(std::size_t la) const {
        cere(la, 8);
        std::uint64_t b = 0;
        for (int i = 7; i >= 0; --i) b = b << 8 | date[la + static_cast<std::size_t>(i)];
        double v;
        std::memcpy(&v, &b, sizeof v);
        return v;
    }
};

using Octeti = std::vector<std::uint8_t>;

Inregistrare InregistrareLa(const Octeti& flux, std::size_t pozitie) {
    if (pozitie > flux.size() || flux.size() - pozitie < 4)
        throw Deteriorat{"fluxul se termina la octetul " + std::to_string(flux.size()) +
                         " in mijlocul unei inregistrari"};
    Inregistrare r;
    r.tip = static_cast<std::uint16_t>(flux[pozitie] | flux[pozitie + 1] << 8);
    const std::size_t n = static_cast<std::size_t>(flux[pozitie + 2] | flux[pozitie + 3] << 8);
    r.pozitie = pozitie;
    if (flux.size() - pozitie - 4 < n) throw Deteriorat{r.unde() + " trece de sfarsitul fluxului"};
    r.date = std::span<const std::uint8_t>(flux.data() + pozitie + 4, n);
    return r;
}

void AdaugaUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A surrogate without its partner cannot be written as UTF-8; it stands as
// the replacement character, and the rest of the text survives.
std::string Utf8DinUtf16(const std::u16string& u) {
    std::string s;
    s.reserve(u.size());
    for (std::size_t i = 0; i < u.size(); ++i) {
        const char16_t c = u[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] < 0xE000) {
            AdaugaUtf8(s, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{u[++i]} - 0xDC00));
        } else {
            AdaugaUtf8(s, c >= 0xD800 && c < 0xE000 ? char32_t{0xFFFD} : char32_t{c});
        }
    }
    return s;
}

// The characters of a string whose count and width come before them: 8-bit
// ones are the compressed form, code points U+0000 to U+00FF whatever the
// workbook's code page.
std::string TextInInregistrare(const Inregistrare& r, std::size_t la, std::size_t cch, bool lat) {
    r.cere(la, cch * (lat ? 2 : 1));
    std::u16string u(cch, u'\0');
    for (std::size_t i = 0; i < cch; ++i)
        u[i] = lat ? static_cast<char16_t>(r.date[la + 2 * i] | r.date[la + 2 * i + 1] << 8) : r.date[la + i];
    return Utf8DinUtf16(u);
}

// A record with the CONTINUE records after it, read as one run of bytes,
// except that where a string's characters go on in a CONTINUE record, its
// first byte says anew whether they are 8-bit or 16-bit.
class CititorContinuat {
public:
    CititorContinuat(const Octeti& flux, const Inregistrare& prima) {
        parti_.push_back(prima);
        for (std::size_t p = prima.urmatoarea(); p < flux.size();) {
            const Inregistrare r = InregistrareLa(flux, p);
            if (r.tip != InregContinuare) break;
            parti_.push_back(r);
            p = r.urmatoarea();
        }
    }

    bool gata() {
        while (pozitie_ == parti_[parte_].date.size() && parte_ + 1 < parti_.size()) treci();
        return pozitie_ == parti_[parte_].date.size();
    }
    std::uint8_t u8() {
        if (gata()) lipsa();
        return parti_[parte_].date[pozitie_++];
    }
    // The bytes are taken one statement apiece: the operands of | come in no set order.
    std::uint16_t u16() {
        const unsigned mic = u8();
        return static_cast<std::uint16_t>(mic | unsigned{u8()} << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t mic = u16();
        return mic | std::uint32_t{u16()} << 16;
    }
    void sari(std::uint64_t n) {
        while (n > 0) {
            if (gata()) lipsa();
            const std::size_t k = static_cast<std::size_t>(std::min<std::uint64_t>(n, rest()));
            pozitie_ += k;
            n -= k;
        }
    }
    void caractere(std::size_t cch, bool lat, std::u16string& u) {
        u.clear();
        while (u.size() < cch) {
            if (rest() == 0) {
                if (parte_ + 1 == parti_.size()) lipsa();
                treci();
                lat = u8() & 1;
            }
            const std::size_t n = std::min(cch - u.size(), rest() / (lat ? 2 : 1));
            if (n == 0) lipsa();  // half a 16-bit character before the record ends
            const std::uint8_t* p = parti_[parte_].date.data() + pozitie_;
            for (std::size_t i = 0; i < n; ++i)
                u.push_back(lat ? static_cast<char16_t>(p[2 * i] | p[2 * i + 1] << 8) : p[i]);
            pozitie_ += n * (lat ? 2 : 1);
        }
    }

private:
    std::size_t rest() const { return parti_[parte_].date.size() - pozitie_; }
    void treci() { ++parte_, pozitie_ = 0; }
    [[noreturn]] void lipsa() const {
        throw Deteriorat{parti_[0].unde() + " se termina inaintea textului ei"};
    }

    std::vector<Inregistrare> parti_;
    std::size_t parte_ = 0, pozitie_ = 0;
};

double NumarRk(std::uint32_t rk) {
    double v;
    if (rk & 2) {
        v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t b = std::uint64_t{rk & 0xFFFFFFFCu} << 32;
        std::memcpy(&v, &b, sizeof v);
    }
    return rk & 1 ? v / 100 : v;
}

CelulaFoaie CelulaNumar(double v) {
    CelulaFoaie c;
    c.tip = CelulaFoaie::Numar;
    c.numar = v;
    return c;
}

CelulaFoaie CelulaText(std::string t) {
    CelulaFoaie c;
    c.tip = CelulaFoaie::Text;
    c.text = std::move(t);
    return c;
}

struct Foaie {
    std::string nume;
    std::size_t pozitie;
};

class RegistruXls : public RegistruCalcul {
public:
    RegistruXls(std::string cale, Octeti flux) : cale_(std::move(cale)), flux_(std::move(flux)) {}

    bool deschide() {
        try {
            citesteGlobale();
            for (const Foaie& f : foi_) {
                const Inregistrare r = InregistrareLa(flux_, f.pozitie);
                if (r.tip != InregInceput || r.u16(2) != InceputFoaieLucru)
                    throw Deteriorat{"foaia " + f.nume + " nu incepe unde arata registrul"};
                nume_.push_back(f.nume);
            }
            return true;
        } catch (const Deteriorat& d) {
            return defect(d.detaliu);
        } catch (const FormatVechi&) {
            return esec(TextVechi(cale_));
        } catch (const Criptat&) {
            return false;
        } catch (const std::bad_alloc&) {
            return defect("memorie insuficienta");
        }
    }

    const std::vector<std::string>& numeFoi() const override { return nume_; }

    std::unique_ptr<CititorFoaie> deschideFoaie(std::size_t index) override;

    static std::string TextVechi(const std::string& cale) {
        return "Registrul Excel " + cale +
               " este in formatul Excel 5.0/95, prea vechi; salvati-l ca Excel 97-2003 sau .xlsx.";
    }

private:
    void citesteGlobale() {
        const Inregistrare bof = InregistrareLa(flux_, 0);
        if (bof.tip != InregInceput) throw Deteriorat{"fluxul nu incepe cu inregistrarea de inceput"};
        if (bof.u16(0) < VersiuneBiff8) throw FormatVechi{};
        if (bof.u16(2) != InceputGlobal) throw Deteriorat{"fluxul nu incepe cu datele registrului"};
        for (std::size_t p = bof.urmatoarea();;) {
            if (p >= flux_.size()) throw Deteriorat{"datele registrului nu au sfarsit"};
            const Inregistrare r = InregistrareLa(flux_, p);
            p = r.urmatoarea();
            if (r.tip == InregSfarsit) return;
            if (r.tip == InregParola) {
                esec("Registrul Excel " + cale_ + " este criptat (protejat cu parola); salvati-l fara parola.");
                throw Criptat{};
            }
            if (r.tip == InregFoaie && r.u8(5) == 0) {  // worksheets only: no charts, macros or modules
                const std::size_t cch = r.u8(6);
                foi_.push_back({TextInInregistrare(r, 8, cch, r.u8(7) & 1), r.u32(0)});
            } else if (r.tip == InregTexteComune) {
                citesteTexteComune(r);
            }
        }
    }

    // Empty strings stay in the table as empty: they hold their index.
    void citesteTexteComune(const Inregistrare& r) {
        CititorContinuat c(flux_, r);
        c.u32();
        const std::uint32_t unice = c.u32();
        texte_.clear();
        texte_.reserve(std::min<std::size_t>(unice, flux_.size() / 3));
        std::u16string u;
        for (std::uint32_t i = 0; i < unice && !c.gata(); ++i) {
            const std::size_t cch = c.u16();
            const std::uint8_t optiuni = c.u8();
            const std::uint16_t ruleri = optiuni & 8 ? c.u16() : 0;
            const std::uint32_t fonetic = optiuni & 4 ? c.u32() : 0;
            c.caractere(cch, optiuni & 1, u);
            c.sari(std::uint64_t{ruleri} * 4 + fonetic);
            texte_.push_back(Utf8DinUtf16(u));
        }
    }

public:
    bool defect(const std::string& detaliu) const {
        return esec("Registrul Excel " + cale_ + " este deteriorat (" + detaliu + ").");
    }
    const Octeti& flux() const { return flux_; }
    const std::vector<std::string>& texte() const { return texte_; }

private:
    std::string cale_;
    Octeti flux_;
    std::vector<Foaie> foi_;
    std::vector<std::string> nume_, texte_;
};

// The cell records of one sheet, read from the stream in memory a row at
// a time: the stream is held anyway, so the cells cost nothing beside it.
class CititorXls : public CititorFoaie {
public:
    CititorXls(const RegistruXls& r, std::string nume, std::size_t inceput)
        : registru_(r), nume_(std::move(nume)), p_(inceput) {}

    int urmatorul(RandFoaie& rand) override {
        try {
            while (!gata_) {
                if (citesteInregistrare() && !curent_.celule.empty() && curent_.index != randNou_) {
                    da(rand);
                    muta();
                    return 1;
                }
                muta();
            }
        } catch (const Deteriorat& d) {
            return registru_.defect("foaia " + nume_ + ": " + d.detaliu), -1;
        } catch (const std::bad_alloc&) {
            return registru_.defect("memorie insuficienta"), -1;
        }
        if (curent_.celule.empty()) return 0;
        da(rand);
        return 1;
    }

private:
    void da(RandFoaie& rand) {
        std::swap(rand, curent_);
        curent_.celule.clear();
        rand.ordoneaza();
    }
    // The cells of the record just read go to the row being built.
    void muta() {
        for (auto& [coloana, celula] : noi_) {
            curent_.index = randNou_;
            curent_.adauga(coloana, std::move(celula));
        }
        noi_.clear();
    }
    void nou(std::uint32_t rand, std::uint32_t coloana, CelulaFoaie c) {
        if (c.tip == CelulaFoaie::Text && c.text.empty()) return;
        randNou_ = rand;
        noi_.emplace_back(coloana, std::move(c));
    }

    // One record of the sheet; true when it gave cells (in noi_, of row randNou_).
    bool citesteInregistrare() {
        const Octeti& flux = registru_.flux();
        if (p_ >= flux.size()) throw Deteriorat{"lipseste inregistrarea ei de sfarsit"};
        const Inregistrare r = InregistrareLa(flux, p_);
        p_ = r.urmatoarea();
        // Charts drawn on a sheet bring their own BOF..EOF inside it.
        if (r.tip == InregInceput) ++adancime_;
        else if (r.tip == InregSfarsit && --adancime_ == 0) gata_ = true;
        if (adancime_ != 1) return false;
        const bool celula = r.tip == InregEtichetaSst || r.tip == InregEticheta || r.tip == InregNumar ||
                            r.tip == InregRk || r.tip == InregMulRk || r.tip == InregBoolErr || r.tip == InregFormula;
        // A string result comes in the STRING record after its FORMULA.
        if (r.tip == InregTextFormula && asteaptaText_) {
            CititorContinuat c(flux, r);
            const std::size_t cch = c.u16();
            std::u16string u;
            c.caractere(cch, c.u8() & 1, u);
            nou(randText_, coloanaText_, CelulaText(Utf8DinUtf16(u)));
        }
        if (r.tip == InregTextFormula || celula) asteaptaText_ = false;
        if (!celula) return !noi_.empty();
        const std::uint32_t rand = r.u16(0), coloana = r.u16(2);
        if (coloana >= ColoaneBiff8)
            throw Deteriorat{r.unde() + " are o celula in coloana " + std::to_string(coloana + 1) +
                             ", peste ultima (256)"};
        switch (r.tip) {
            case InregEtichetaSst: {
                const std::uint32_t i = r.u32(6);
                const auto& texte = registru_.texte();
                if (i >= texte.size())
                    throw Deteriorat{"celula " + LitereColoana(coloana) + std::to_string(rand + 1) +
                                     " cere textul comun " + std::to_string(i) + " din " + std::to_string(texte.size())};
                nou(rand, coloana, CelulaText(texte[i]));
                break;
            }
            case InregEticheta: nou(rand, coloana, CelulaText(TextInInregistrare(r, 9, r.u16(6), r.u8(8) & 1))); break;
            case InregNumar: nou(rand, coloana, CelulaNumar(r.f64(6))); break;
            case InregRk: nou(rand, coloana, CelulaNumar(NumarRk(r.u32(6)))); break;
            case InregMulRk: {
                // Column of the first cell, then 6 bytes a cell, then the column of the last.
                const std::size_t n = r.date.size() >= 6 ? (r.date.size() - 6) / 6 : 0;
                const std::uint32_t ultima = r.u16(r.date.size() - 2);
                if (n == 0 || r.date.size() % 6 != 0 || ultima != coloana + n - 1 || ultima >= ColoaneBiff8)
                    throw Deteriorat{r.unde() + " nu se potriveste cu coloanele ei"};
                for (std::size_t k = 0; k < n; ++k)
                    nou(rand, coloana + static_cast<std::uint32_t>(k), CelulaNumar(NumarRk(r.u32(6 + 6 * k))));
                break;
            }
            case InregBoolErr:
                if (r.u8(7) == 0) nou(rand, coloana, CelulaNumar(r.u8(6) ? 1 : 0));
                break;
            case InregFormula:
                // A result that is not a number marks its last two bytes 0xFFFF
                // and says in its first what it is.
                if (r.u16(12) != 0xFFFF) {
                    nou(rand, coloana, CelulaNumar(r.f64(6)));
                } else if (r.u8(6) == 0) {
                    asteaptaText_ = true;
                    randText_ = rand;
                    coloanaText_ = coloana;
                } else if (r.u8(6) == 1) {
                    nou(rand, coloana, CelulaNumar(r.u8(8) ? 1 : 0));
                }
                break;
        }
        return !noi_.empty();
    }

    const RegistruXls& registru_;
    std::string nume_;
    std::size_t p_;
    int adancime_ = 0;
    bool gata_ = false, asteaptaText_ = false;
    std::uint32_t randText_ = 0, coloanaText_ = 0, randNou_ = 0;
    std::vector<std::pair<std::uint32_t, CelulaFoaie>> noi_;
    RandFoaie curent_;
};

std::unique_ptr<CititorFoaie> RegistruXls::deschideFoaie(std::size_t index) {
    return std::make_unique<CititorXls>(*this, nume_[index], foi_[index].pozitie);
}

struct EliberareGsf {
    void operator()(gpointer p) const { g_object_unref(p); }
};
template <class T>
using PtrGsf = std::unique_ptr<T, EliberareGsf>;

// The stream of the compound file whose name is one of `nume`, in any case.
PtrGsf<GsfInput> Flux(GsfInfile* compus, const char* nume) {
    for (int i = 0, n = gsf_infile_num_children(compus); i < n; ++i) {
        const char* numeCopil = gsf_infile_name_by_index(compus, i);
        if (numeCopil && g_ascii_strcasecmp(numeCopil, nume) == 0)
            return PtrGsf<GsfInput>(gsf_infile_child_by_index(compus, i));
    }
    return nullptr;
}

// libgsf tells of a damaged compound file on standard error too, in
// warnings and failed checks of its own (some without a domain); while it
// reads one, the report that names the file is the only word the user gets.
class TacereGsf {
public:
    TacereGsf() {
        for (int i = 0; i < 3; ++i)
            id_[i] = g_log_set_handler(Domenii[i],
                                       static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                                                   G_LOG_LEVEL_MESSAGE),
                                       [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    }
    ~TacereGsf() {
        for (int i = 0; i < 3; ++i) g_log_remove_handler(Domenii[i], id_[i]);
    }
    TacereGsf(const TacereGsf&) = delete;
    TacereGsf& operator=(const TacereGsf&) = delete;

private:
    static constexpr const char* Domenii[3] = {"libgsf", "libgsf:msole", nullptr};
    guint id_[3] = {};
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruXls(const std::string& cale, std::string& motiv) {
    [[maybe_unused]] static const bool pornit = (gsf_init(), true);
    const TacereGsf tacere;
    auto nuSeCiteste = [&](const std::string& deCe) {
        motiv = "Registrul Excel " + cale + " nu poate fi citit (" + deCe + ").";
        return nullptr;
    };
    if (EsteNeobisnuit(cale)) return nuSeCiteste("nu este un fisier obisnuit");
    GError* eroare = nullptr;
    PtrGsf<GsfInput> fisier(gsf_input_stdio_new(cale.c_str(), &eroare));
    if (eroare) g_clear_error(&eroare);
    if (!fisier) return nuSeCiteste("fisierul nu exista sau nu poate fi deschis");
    PtrGsf<GsfInfile> compus(gsf_infile_msole_new(fisier.get(), &eroare));
    if (eroare) g_clear_error(&eroare);
    if (!compus) return nuSeCiteste("nu este un registru Excel 97-2003");
    PtrGsf<GsfInput> flux = Flux(compus.get(), "Workbook");
    if (!flux) {
        if (Flux(compus.get(), "Book")) return motiv = RegistruXls::TextVechi(cale), nullptr;
        return nuSeCiteste("fisierul nu contine un registru");
    }
    const gsf_off_t marime = gsf_input_size(flux.get());
    if (marime <= 0) return nuSeCiteste("registrul este gol");
    if (marime > MarimeMaximaFlux)
        return nuSeCiteste("registrul are " + std::to_string(marime >> 20) + " MB, peste limita de " +
                           std::to_string(MarimeMaximaFlux >> 20) + " MB");
    Octeti octeti;
    try {
        octeti.resize(static_cast<std::size_t>(marime));
    } catch (const std::bad_alloc&) {
        return nuSeCiteste("memorie insuficienta");
    }
    if (!gsf_input_read(flux.get(), octeti.size(), octeti.data()))
        return nuSeCiteste("fluxul registrului nu se poate citi");
    auto r = std::make_unique<RegistruXls>(cale, std::move(octeti));
    if (!r->deschide()) return motiv = r->eroare(), nullptr;
    return r;
}

std::string VersiuneLibgsf() {
    return std::to_string(libgsf_major_version) + '.' + std::to_string(libgsf_minor_version) + '.' +
           std::to_string(libgsf_micro_version);
}

}  // namespace vitramor
