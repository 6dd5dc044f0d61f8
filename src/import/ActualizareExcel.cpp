#include "import/ActualizareExcel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "dispersion/ComenziDispersie.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"

namespace vitramor {

namespace {

constexpr const char* TitluTransfer = "TransferaDataDinColoaneCititeInSticla";

void Mesaj(const std::string& text, const std::string& titlu = {}) { MesajBox(nullptr, text, titlu, stil::MB_OK); }

template <class... A>
std::string Format(const char* f, A... a) {
    char b[512];
    std::snprintf(b, sizeof b, f, a...);
    return b;
}

// The number at the start of a text cell; a cell with no number reads 0.
double NumarDinText(const char* t) {
    while (*t == ' ' || *t == '\t') ++t;
    if (*t == '+') ++t;
    double v = 0;
    const char* sfarsit = t + std::strlen(t);
    const auto r = std::from_chars(t, sfarsit, v);
    if (r.ec != std::errc()) return 0;
    // A decimal comma: "1,5168".
    if (*r.ptr == ',' && r.ptr[1] >= '0' && r.ptr[1] <= '9') {
        std::string s(t, sfarsit);
        s[static_cast<std::size_t>(r.ptr - t)] = '.';
        std::from_chars(s.data(), s.data() + s.size(), v);
    }
    return v;
}

std::string TextDinLarg(const unsigned char* p, SQLLEN octeti) {
    std::string s;
    for (SQLLEN i = 0; i + 1 < octeti; i += 2) {
        const unsigned cp = p[i] | (p[i + 1] << 8);
        if (cp == 0) break;
        s += cp < 0x100 ? static_cast<char>(cp) : '?';
    }
    return s;
}

int LungimeBuffer(const ColoanaTabel& k) {
    const SQLSMALLINT c = TipLegareColoana(k.tipSql);
    if (c == SQL_C_DOUBLE) return sizeof(double);
    if (c == SQL_C_FLOAT || c == SQL_C_LONG) return 4;
    if (c == SQL_C_SHORT) return 2;
    const int cerut = std::max(k.lungimeBuffer, k.marime + 1);
    // Text columns are read in full up to what a catalogue cell can hold;
    // some drivers report their type's maximum (tens of kilobytes) here.
    return std::clamp(cerut, 64, 1024) * (c == SQL_C_WCHAR ? 2 : 1);
}

void ElibereazaBuffere(ContextImportExcel& c) {
    for (int i = 0; i < NumarAsocieri; ++i) {
        c.date[i].clear();
        c.date[i].shrink_to_fit();
        c.lungimi[i].clear();
    }
}

}  // namespace

int ProducatorDinCodSelectie(int cod) { return cod == 1 ? 2 : cod == 3 ? 6 : 0; }

int TransferaDataDinColoaneCititeInSticla(int i, int j, ContextImportExcel& c) {
    AsociereMarimeSticla& a = c.asocieri[i];
    if (j >= a.nrColoane) {
        Mesaj(Format("IndexVar (%d) >= Asociere->NrColoane (%d)", j, a.nrColoane), TitluTransfer);
        return 0;
    }
    if (c.date[i].empty()) return Mesaj("DataClientPtr = NULL"), 0;
    if (!c.campuri[i]) return Mesaj("StartVarSticla = null"), 0;
    const ColoanaTabel& k = c.coloane[static_cast<std::size_t>(a.coloanaStart + j)];
    std::size_t pozitie = 0;
    for (int q = 0; q < j; ++q) pozitie += LungimeBuffer(c.coloane[static_cast<std::size_t>(a.coloanaStart + q)]);
    const unsigned char* sursa = c.date[i].data() + pozitie;
    const SQLLEN indicator = c.lungimi[i][static_cast<std::size_t>(j)];
    unsigned char* tinta = static_cast<unsigned char*>(c.campuri[i]) + static_cast<std::size_t>(j) * a.marimeElement;
    const double factor = a.factor == 0 ? 1.0 : static_cast<double>(a.factor);
    const int s = k.tipSql;
    const auto eroareConversie = [&] {
        Mesaj(Format("Eroare conversie SQL var %d in C var %d (posibil neimplementat)", s, a.tip));
        return 0;
    };
    if (a.tip < TipFloat || a.tip > TipChar) return eroareConversie();
    const bool larg = s == -9 || s == -8, text = s == -5 || s == -1 || s == 1 || s == 2 || s == 3 || s == 12;
    const bool intreg = s == -6 || s == 5 || s == 4, real = s == 7 || s == 6 || s == 8;
    if (!larg && !text && !intreg && !real) return eroareConversie();

    if (a.tip == TipChar) {
        if (s == -5 || s == 2 || s == 3) return eroareConversie();
        char* camp = reinterpret_cast<char*>(tinta);
        const std::size_t n = static_cast<std::size_t>(std::max<int>(a.nrElemente, 0));
        std::string t;
        if (indicator == SQL_NULL_DATA) t.clear();
        else if (larg) t = TextDinLarg(sursa, std::min<SQLLEN>(indicator, static_cast<SQLLEN>(c.date[i].size() - pozitie)));
        else if (text) t = reinterpret_cast<const char*>(sursa);
        else if (s == 4) { SQLINTEGER v; std::memcpy(&v, sursa, sizeof v); t = Format("%d", v); }
        else if (intreg) { SQLSMALLINT v; std::memcpy(&v, sursa, sizeof v); t = Format("%d", v); }
        else if (s == 7) { float v; std::memcpy(&v, sursa, sizeof v); t = Format("%g", static_cast<double>(v)); }
        else { double v; std::memcpy(&v, sursa, sizeof v); t = Format("%g", v); }
        const std::size_t m = std::min(t.size(), n);
        std::memcpy(camp, t.data(), m);
        camp[m] = '\0';
        return 1;
    }

    double v = 0;
    long intregV = 0;
    bool flotant = false;
    if (indicator == SQL_NULL_DATA) {
    } else if (larg) {
        v = NumarDinText(TextDinLarg(sursa, static_cast<SQLLEN>(c.date[i].size() - pozitie)).c_str());
        flotant = true;
    } else if (text) {
        v = NumarDinText(reinterpret_cast<const char*>(sursa));
        flotant = true;
    } else if (s == 4) {
        SQLINTEGER x;
        std::memcpy(&x, sursa, sizeof x);
        intregV = x;
        v = x;
    } else if (intreg) {
        SQLSMALLINT x;
        std::memcpy(&x, sursa, sizeof x);
        intregV = x;
        v = x;
    } else if (s == 7) {
        float x;
        std::memcpy(&x, sursa, sizeof x);
        v = x;
        flotant = true;
    } else {
        std::memcpy(&v, sursa, sizeof v);
        flotant = true;
    }
    if (!std::isfinite(v)) v = 0;
    if (flotant) intregV = static_cast<long>(std::clamp(std::trunc(v), -2147483648.0, 4294967295.0));
    switch (a.tip) {
        case TipFloat: { const float f = static_cast<float>(v * factor); std::memcpy(tinta, &f, sizeof f); break; }
        case TipDouble: { const double d = v * factor; std::memcpy(tinta, &d, sizeof d); break; }
        case TipInt: {
            const auto x = static_cast<std::int32_t>(std::clamp(static_cast<double>(intregV) * factor, -2147483648.0, 2147483647.0));
            std::memcpy(tinta, &x, sizeof x);
            break;
        }
        case TipUint: {
            const auto x = static_cast<std::uint32_t>(std::clamp(static_cast<double>(intregV) * factor, 0.0, 4294967295.0));
            std::memcpy(tinta, &x, sizeof x);
            break;
        }
        default: {  // short and USHORT: the low 16 bits, no factor
            const auto x = static_cast<std::uint16_t>(static_cast<unsigned long>(intregV) & 0xFFFF);
            std::memcpy(tinta, &x, sizeof x);
            break;
        }
    }
    return 1;
}

std::string ProceseazaRandCitit(ContextImportExcel& c, const OptiuniActualizare& o) {
    MaterialOptic& s = c.sticla;
    if (!s.nume[0]) return {};
    for (std::size_t n = strnlen(s.nume, sizeof s.nume); n > 0 && s.nume[n - 1] == ' '; --n) s.nume[n - 1] = '\0';
    MaterialOptic t;
    auto goleste = [&] {
        std::memset(&t, 0, sizeof t);
        std::memcpy(t.nume, s.nume, sizeof t.nume);
        t.producator = s.producator;
    };
    goleste();
    bool salveaza = o.actualizeaza;
    if (o.actualizeaza) {
        const int e = CautaMaterialOptic(path_sticle, t, o.owner, CautaOp);
        if (e != 0) {
            salveaza = MesajBox(o.owner,
                                Format("Eroare (err=%d) cautare material %s in SticleNou32.dat. Salvati ca material nou?",
                                       e, s.nume),
                                {}, stil::MB_YESNO) == raspuns::IDYES;
            goleste();
        }
    }
    const auto activ = [&](int i) { return c.asocieri[i].activ != 0; };
    const auto coloane = [&](int i) { return std::clamp<int>(c.asocieri[i].nrColoane, 0, c.asocieri[i].nrElemente); };
    std::string linie;
    if (activ(0)) linie = s.nume;
    if (activ(1)) {
        std::memcpy(t.cod, s.cod, sizeof t.cod);
        linie += Format("\t%s", std::string(s.cod, strnlen(s.cod, sizeof s.cod)).c_str());
    }
    if (activ(7)) {
        t.densitate = s.densitate;
        linie += Format("\t%g", static_cast<double>(s.densitate));
    }
    if (activ(3)) {
        std::reverse(s.indice_n, s.indice_n + std::clamp(c.nrLambdaIndici, 0, NumarSloturiTabel));
        std::fill(std::begin(t.indice_n), std::end(t.indice_n), 0.0);
        t.domeniu_n[0] = 65535;
        t.domeniu_n[1] = 0;
        for (int i = 0; i < coloane(3); ++i) {
            linie += Format("\t%g", s.indice_n[i]);
            t.lambda_indici[i] = s.lambda_indici[i];
            t.indice_n[i] = s.indice_n[i];
            if (s.indice_n[i] > 0 && s.lambda_indici[i] > 0) {
                const auto l = static_cast<std::uint16_t>(std::min(s.lambda_indici[i], 65535.0f));
                t.domeniu_n[0] = std::min(t.domeniu_n[0], l);
                t.domeniu_n[1] = std::max(t.domeniu_n[1], l);
            }
        }
    }
    if (activ(9)) {
        std::reverse(s.transmisia_interna, s.transmisia_interna + std::clamp(c.nrLambdaTi, 0, NumarSloturiTabel));
        t.grosime_transmisie = s.grosime_transmisie;
        std::fill(std::begin(t.transmisia_interna), std::end(t.transmisia_interna), 38.0f);
        const double d = s.grosime_transmisie;
        for (int i = 0; i < coloane(9); ++i) {
            const double tau = s.transmisia_interna[i];
            linie += Format("\t%5.3f", tau);
            t.lambda_Ti[i] = s.lambda_Ti[i];
            // Without a reference thickness there is no coefficient to give:
            // the slot stays "unknown" rather than infinite.
            t.transmisia_interna[i] = !(tau > 0) || !(d > 0) ? 38.0f : tau == 1 ? 0.0f : static_cast<float>(-std::log(tau) / d);
        }
    }
    if (activ(5)) {
        if (o.codProducator == 1 || o.codProducator == 3) {
            t.ec_dispersie_n = 4;
            if (t.domeniu_n[0] == 0) {
                t.domeniu_n[0] = 350;
                t.domeniu_n[1] = 2300;
            }
        } else {
            t.ec_dispersie_n = 0;
        }
        for (int i = 0; i < coloane(5); ++i) {
            linie += Format("\t%g", s.coef_disp_n[i]);
            t.coef_disp_n[i] = s.coef_disp_n[i];
        }
    }
    const struct {
        int intrare;
        float MaterialOptic::*camp;
    } simple[] = {{10, &MaterialOptic::modul_young}, {11, &MaterialOptic::raport_poisson}};
    for (const auto& x : simple)
        if (activ(x.intrare)) {
            t.*x.camp = s.*x.camp;
            linie += Format("\t%g", static_cast<double>(s.*x.camp));
        }
    if (activ(12))
        for (int i = 0; i < 9; ++i) {
            t.stabilitate_chimica[i] = s.stabilitate_chimica[i];
            linie += Format("\t%d", s.stabilitate_chimica[i]);
        }
    if (activ(13))
        for (int i = 0; i < 6; ++i) {
            t.temperaturi[i] = s.temperaturi[i];
            linie += Format("\t%d", s.temperaturi[i]);
        }
    const auto tablou = [&](int intrare, float* sursa, float* dest, const char* format) {
        if (!activ(intrare)) return;
        for (int i = 0; i < 4; ++i) {
            dest[i] = sursa[i];
            linie += Format(format, static_cast<double>(sursa[i]));
        }
    };
    tablou(14, s.conductibilitate_termica, t.conductibilitate_termica, "\t%5.3f");
    tablou(15, s.dilatare, t.dilatare, "\t%.3f");
    if (activ(16)) {
        t.duritate_knoop = s.duritate_knoop;
        linie += Format("\t%g", static_cast<double>(s.duritate_knoop));
    }
    tablou(17, s.caldura_specifica, t.caldura_specifica, "\t%5.3f");
    if (activ(18)) {
        t.duritate_abraziune = s.duritate_abraziune;
        linie += Format("\t%5.3f", static_cast<double>(s.duritate_abraziune));
    }
    if (o.actualizeaza && salveaza) {
        PregatesteDomeniiPentruSalvare(t, o.owner);
        CautaMaterialOptic(path_sticle, t, o.owner, SalveazaOp);
    }
    return linie;
}

int ImportaTabelExcel(ContextImportExcel& c, const OptiuniActualizare& o) {
    ElibereazaBuffere(c);
    const int nCol = static_cast<int>(c.coloane.size());
    bool vreuna = false;
    for (int i = 0; i < NumarAsocieri; ++i) {
        AsociereMarimeSticla& a = c.asocieri[i];
        if (!a.nume[0] || !a.activ || a.coloanaStart < 0) continue;
        const int stop = a.coloanaStop >= a.coloanaStart ? a.coloanaStop : a.coloanaStart;
        if (stop >= nCol) {
            Mesaj(Format("Asocierea %s foloseste coloana %d, dar tabelul %s are doar %d coloane.", a.nume, stop + 1,
                         c.tabel.c_str(), nCol),
                  "ATENTIE!");
            return 0;
        }
        a.nrColoane = static_cast<std::int16_t>(stop - a.coloanaStart + 1);
        if (a.nrColoane > a.nrElemente) {
            Mesaj(Format("Asocierea %s are %d coloane pentru %d elemente.", a.nume, a.nrColoane, a.nrElemente),
                  "ATENTIE!");
            return 0;
        }
        std::size_t marime = 0;
        for (int j = 0; j < a.nrColoane; ++j) marime += LungimeBuffer(c.coloane[static_cast<std::size_t>(a.coloanaStart + j)]);
        c.lungimi[i].assign(static_cast<std::size_t>(a.nrColoane), SQL_NULL_DATA);
        c.date[i].assign(marime, 0);
        vreuna = true;
    }
    bool areIndici = false, areTi = false;
    for (int i = 0; i < NumarSloturiTabel; ++i) {
        areIndici |= c.sticla.lambda_indici[i] > 0;
        areTi |= c.sticla.lambda_Ti[i] != 0;
    }
    if (!areIndici || !areTi) {
        Mesaj("Nu exista lungimi de unda pentru transmisie si/sau indici!");
        return 0;
    }
    if (!vreuna) {
        Mesaj("Nu exista asocieri");
        return 0;
    }
    SursaTabel& sursa = *c.sursa;
    platforma().cursorAsteptare(true);
    if (!sursa.incepeCitire()) {
        platforma().cursorAsteptare(false);
        return 0;
    }
    bool ok = true;
    for (int i = 0; i < NumarAsocieri && ok; ++i) {
        if (c.date[i].empty()) continue;
        const AsociereMarimeSticla& a = c.asocieri[i];
        std::size_t pozitie = 0;
        for (int j = 0; j < a.nrColoane && ok; ++j) {
            const ColoanaTabel& k = c.coloane[static_cast<std::size_t>(a.coloanaStart + j)];
            const int lungime = LungimeBuffer(k);
            if (pozitie + lungime > c.date[i].size()) {
                Mesaj(Format("IndexVar = %d  size = %u  _msize() = %u  BufferLength = %d", j,
                             static_cast<unsigned>(pozitie), static_cast<unsigned>(c.date[i].size()), lungime),
                      TitluTransfer);
                ok = false;
                break;
            }
            ok = sursa.leagaColoana(a.coloanaStart + j, TipLegareColoana(k.tipSql), c.date[i].data() + pozitie, lungime,
                                    &c.lungimi[i][static_cast<std::size_t>(j)]);
            pozitie += lungime;
        }
    }
    ok = ok && sursa.executa(c.tabel);
    bool complet = ok;
    while (ok) {
        const int r = sursa.urmatorulRand();
        if (r <= 0) {
            complet = r == 0;
            break;
        }
        for (int i = 0; i < NumarAsocieri && ok; ++i) {
            if (c.date[i].empty() || i == 2 || i == 8) continue;
            for (int j = 0; j < c.asocieri[i].nrColoane; ++j)
                if (!TransferaDataDinColoaneCititeInSticla(i, j, c)) {
                    Mesaj(Format("Eroare in TransferaDataDinColoaneCititeInSticla(): i= %d  j = %d", i, j));
                    ok = complet = false;
                    break;
                }
        }
        if (!ok) break;
        const std::string linie = ProceseazaRandCitit(c, o);
        if (o.linie && !linie.empty() && !o.linie(linie)) {
            complet = false;
            break;
        }
    }
    const bool inchis = sursa.inchideCitire();
    ElibereazaBuffere(c);
    platforma().cursorAsteptare(false);
    return complet && inchis ? 1 : 0;
}

}  // namespace vitramor
