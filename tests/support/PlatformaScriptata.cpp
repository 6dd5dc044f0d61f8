#include "support/PlatformaScriptata.h"

#include <algorithm>

namespace vitramor {

using namespace stil;
using namespace raspuns;

// ---- MemorySettingsStore ----

MemorySettingsStore::Valoare* MemorySettingsStore::gaseste(const std::string& cheie, const std::string& nume) {
    auto it = std::find_if(valori_.begin(), valori_.end(),
                           [&](const Valoare& v) { return v.cheie == cheie && v.nume == nume; });
    return it == valori_.end() ? nullptr : &*it;
}

bool MemorySettingsStore::existaCheie(const std::string& cheie) {
    return std::find(chei_.begin(), chei_.end(), cheie) != chei_.end();
}

bool MemorySettingsStore::creazaCheie(const std::string& cheie) {
    if (esueazaScrierea) return false;
    if (!existaCheie(cheie)) chei_.push_back(cheie);
    return true;
}

std::optional<std::string> MemorySettingsStore::citesteText(const std::string& cheie, const std::string& nume) {
    const Valoare* v = gaseste(cheie, nume);
    if (!v) return std::nullopt;
    return std::string(v->octeti.begin(), v->octeti.end());
}

bool MemorySettingsStore::scrieText(const std::string& cheie, const std::string& nume, const std::string& text) {
    return scrieBinar(cheie, nume, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::optional<std::int32_t> MemorySettingsStore::citesteIntreg(const std::string& cheie, const std::string& nume) {
    const Valoare* v = gaseste(cheie, nume);
    if (!v || v->octeti.size() != 4) return std::nullopt;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | v->octeti[static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(u);
}

bool MemorySettingsStore::scrieIntreg(const std::string& cheie, const std::string& nume, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return scrieBinar(cheie, nume,
                      {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)});
}

std::optional<std::vector<std::uint8_t>> MemorySettingsStore::citesteBinar(const std::string& cheie,
                                                                            const std::string& nume) {
    const Valoare* v = gaseste(cheie, nume);
    if (!v) return std::nullopt;
    return v->octeti;
}

bool MemorySettingsStore::scrieBinar(const std::string& cheie, const std::string& nume,
                                     const std::vector<std::uint8_t>& date) {
    if (esueazaScrierea) return false;
    creazaCheie(cheie);
    if (Valoare* v = gaseste(cheie, nume)) {
        v->octeti = date;
    } else {
        valori_.push_back({cheie, nume, date});
    }
    return true;
}

// ---- PlatformaScriptata ----

PlatformaScriptata::PlatformaScriptata() : setari_(std::make_unique<MemorySettingsStore>()) {}
PlatformaScriptata::PlatformaScriptata(std::unique_ptr<DepozitSetari> setari) : setari_(std::move(setari)) {}

int PlatformaScriptata::messageBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) {
    if (laIntrebare) laIntrebare(proprietarPentru(owner), text);
    const unsigned butoane = style & MaskButoane;
    int rezultat = IDOK;
    if (butoane != MB_OK) {
        if (raspunsuri.empty()) {
            casete.push_back({text, caption, style, 0});
            throw IntrebareNeasteptata("unexpected question [" + caption + "] " + text);
        }
        rezultat = raspunsuri.front();
        raspunsuri.pop_front();
    }
    casete.push_back({text, caption, style, rezultat});
    return rezultat;
}

int PlatformaScriptata::mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style) {
    const int r = messageBox(owner, text, "message " + std::to_string(numar), style);
    casete.back().numar = numar;
    return r;
}

std::optional<FisierAles> PlatformaScriptata::alegeFisierDeschidere(Fereastra owner, const CerereAlegereFisier& c) {
    if (laIntrebare) laIntrebare(proprietarPentru(owner), c.titlu);
    cereriFisier.push_back(c);
    if (fisiereAlese.empty()) throw IntrebareNeasteptata("unexpected file chooser: " + c.titlu);
    auto r = fisiereAlese.front();
    fisiereAlese.pop_front();
    return r;
}

std::optional<FisierAles> PlatformaScriptata::alegeFisierSalvare(Fereastra owner, const CerereAlegereFisier& c) {
    return alegeFisierDeschidere(owner, c);
}

std::optional<std::string> PlatformaScriptata::alegeDirector(Fereastra, const std::string& titlu, const std::string&) {
    if (directoareAlese.empty()) throw IntrebareNeasteptata("unexpected directory chooser: " + titlu);
    auto r = directoareAlese.front();
    directoareAlese.pop_front();
    return r;
}

int PlatformaScriptata::deschideDocument(const std::string& fisier, const std::string& parametri,
                                       const std::string& director) {
    documenteDeschise.push_back(fisier + (parametri.empty() ? "" : " " + parametri) +
                                (director.empty() ? "" : " @" + director));
    return rezultatDeschidere;
}

bool PlatformaScriptata::scrieClipboard(const std::string& text) {
    if (clipboardEsueaza) return false;
    clipboard = text;
    return true;
}

const CasetaInregistrata& PlatformaScriptata::ultima() const {
    if (casete.empty()) throw std::logic_error("no message box was shown");
    return casete.back();
}

std::vector<std::string> PlatformaScriptata::texte() const {
    std::vector<std::string> r;
    for (const auto& c : casete) r.push_back(c.text);
    return r;
}

}  // namespace vitramor
