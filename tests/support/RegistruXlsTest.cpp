#include "support/RegistruXlsTest.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include <QString>

#include <bit>
#include <cmath>
#include <stdexcept>

namespace vitramor::test {

namespace {

// Count (1 or 2 bytes), width byte, characters: 8-bit when they all fit.
std::string TextUnicode(const std::string& text, bool cchScurt) {
    const std::u16string u = QString::fromUtf8(text).toStdU16String();
    bool lat = false;
    for (char16_t c : u) lat |= c > 0xFF;
    std::string s = cchScurt ? std::string(1, static_cast<char>(u.size())) : U16(static_cast<unsigned>(u.size()));
    s += static_cast<char>(lat);
    for (char16_t c : u) s += lat ? U16(c) : std::string(1, static_cast<char>(c));
    return s;
}

std::string Celula(unsigned r, unsigned c) { return U16(r) + U16(c) + U16(15); }

}  // namespace

std::string U16(unsigned v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }
std::string U32(std::uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }
std::string F64(double v) {
    const auto b = std::bit_cast<std::uint64_t>(v);
    return U32(static_cast<std::uint32_t>(b)) + U32(static_cast<std::uint32_t>(b >> 32));
}
std::string Inregistrare(std::uint16_t tip, const std::string& corp) {
    return U16(tip) + U16(static_cast<unsigned>(corp.size())) + corp;
}
std::string Inceput(std::uint16_t felSubflux) {
    return Inregistrare(0x0809, U16(0x0600) + U16(felSubflux) + U16(0x0DBB) + U16(0x07CC) + U32(0x41) + U32(0x0206));
}
std::string Sfarsit() { return Inregistrare(0x000A, ""); }

std::optional<std::uint32_t> CodRk(double v) {
    for (std::uint32_t sute = 0; sute < 2; ++sute) {
        const double w = sute ? std::round(v * 100) : v;
        if (w == std::trunc(w) && std::abs(w) < (1 << 29) && (sute ? w / 100 == v : true))
            return static_cast<std::uint32_t>(static_cast<std::int32_t>(w)) << 2 | 2 | sute;
    }
    const auto b = std::bit_cast<std::uint64_t>(v);
    if ((b & 0x3FFFFFFFFull) == 0) return static_cast<std::uint32_t>(b >> 32);
    return std::nullopt;
}

std::string CelulaNumar(unsigned r, unsigned c, double v) { return Inregistrare(0x0203, Celula(r, c) + F64(v)); }
std::string CelulaRk(unsigned r, unsigned c, std::uint32_t rk) { return Inregistrare(0x027E, Celula(r, c) + U32(rk)); }
std::string CelulaMulRk(unsigned r, unsigned c, const std::vector<std::uint32_t>& rk) {
    std::string s = U16(r) + U16(c);
    for (std::uint32_t k : rk) s += U16(15) + U32(k);
    return Inregistrare(0x00BD, s + U16(c + static_cast<unsigned>(rk.size()) - 1));
}
std::string CelulaSst(unsigned r, unsigned c, std::uint32_t index) {
    return Inregistrare(0x00FD, Celula(r, c) + U32(index));
}
std::string CelulaEticheta(unsigned r, unsigned c, const std::string& text) {
    return Inregistrare(0x0204, Celula(r, c) + TextUnicode(text, false));
}
std::string CelulaBoolErr(unsigned r, unsigned c, unsigned valoare, bool eroare) {
    return Inregistrare(0x0205, Celula(r, c) + std::string{static_cast<char>(valoare), static_cast<char>(eroare)});
}
std::string CelulaFormula(unsigned r, unsigned c, const std::string& rezultat) {
    // The parsed formula itself (=1) is never read back.
    return Inregistrare(0x0006, Celula(r, c) + rezultat + U16(0) + U32(0) + U16(3) + "\x1E\x01" + std::string(1, '\0'));
}
std::string TextFormula(const std::string& text) { return Inregistrare(0x0207, TextUnicode(text, false)); }

std::string TexteComune(const std::vector<TextComun>& texte, std::size_t limita) {
    std::string corp = U32(static_cast<std::uint32_t>(texte.size())) + U32(static_cast<std::uint32_t>(texte.size()));
    std::string toate;
    auto inchide = [&] {
        toate += Inregistrare(toate.empty() ? 0x00FC : 0x003C, corp);
        corp.clear();
    };
    for (const TextComun& t : texte) {
        const std::u16string u = QString::fromUtf8(t.text).toStdU16String();
        bool lat = !u.empty() && u[0] > 0xFF;
        std::string antet = U16(static_cast<unsigned>(u.size())) +
                            static_cast<char>(lat | (t.ruleri ? 8 : 0) | (t.fonetic ? 4 : 0));
        if (t.ruleri) antet += U16(t.ruleri);
        if (t.fonetic) antet += U32(t.fonetic);
        // The header and the first character never part.
        if (limita - corp.size() < antet.size() + (u.empty() ? 0 : lat ? 2 : 1)) inchide();
        corp += antet;
        for (std::size_t i = 0;;) {
            while (i < u.size() && limita - corp.size() >= (lat ? 2u : 1u) && (lat || u[i] <= 0xFF))
                corp += lat ? U16(u[i++]) : std::string(1, static_cast<char>(u[i++]));
            if (i == u.size()) break;
            inchide();
            lat = u[i] > 0xFF;
            corp += static_cast<char>(lat);
        }
        for (std::uint64_t k = std::uint64_t{t.ruleri} * 4 + t.fonetic; k-- > 0;) {
            if (corp.size() == limita) inchide();
            corp += '\xEE';
        }
    }
    inchide();
    return toate;
}

std::string FluxRegistru(const std::vector<FoaieXls>& foi, const std::string& globale) {
    std::size_t pozitie = Inceput(5).size() + globale.size() + Sfarsit().size();
    for (const FoaieXls& f : foi) pozitie += 4 + 6 + TextUnicode(f.nume, true).size();
    std::string inceput = Inceput(5), subfluxuri;
    for (const FoaieXls& f : foi) {
        inceput += Inregistrare(0x0085, U32(static_cast<std::uint32_t>(pozitie + subfluxuri.size())) + '\0' +
                                            static_cast<char>(f.fel) + TextUnicode(f.nume, true));
        subfluxuri += Inceput(f.fel == 2 ? 0x20 : 0x10) + f.inregistrari + Sfarsit();
    }
    return inceput + globale + Sfarsit() + subfluxuri;
}

void ScrieCompus(const std::string& fisier, const std::string& flux, const char* numeFlux) {
    [[maybe_unused]] static const bool pornit = (gsf_init(), true);
    GsfOutput* iesire = gsf_output_stdio_new(fisier.c_str(), nullptr);
    if (!iesire) throw std::runtime_error("cannot create " + fisier);
    GsfOutfile* compus = gsf_outfile_msole_new(iesire);
    g_object_unref(iesire);
    GsfOutput* s = gsf_outfile_new_child(compus, numeFlux, false);
    const bool ok = gsf_output_write(s, flux.size(), reinterpret_cast<const guint8*>(flux.data())) &&
                    gsf_output_close(s) && gsf_output_close(GSF_OUTPUT(compus));
    g_object_unref(s);
    g_object_unref(compus);
    if (!ok) throw std::runtime_error("cannot write " + fisier);
}

}  // namespace vitramor::test
