#include "platform/Platforma.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/SistemFisiere.h"

namespace vitramor {

namespace {
Platforma* g_platforma = nullptr;
}

Platforma& platforma() {
    if (!g_platforma) throw std::logic_error("no platform installed");
    return *g_platforma;
}

void instaleazaPlatforma(Platforma* p) { g_platforma = p; }

PlatformaInstalata::PlatformaInstalata(Platforma& p) : anterior_(g_platforma) { g_platforma = &p; }
PlatformaInstalata::~PlatformaInstalata() { g_platforma = anterior_; }

int Platforma::mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style) {
    return messageBox(owner, text, "VITRAMOR - mesaj " + std::to_string(numar), style);
}

int Platforma::intrebareOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                               const std::vector<std::string>& optiuni, int da, int nu, int implicit) {
    const std::string intrebare = text + "\n\nDa: " + optiuni.at(static_cast<std::size_t>(da)) +
                                  "\nNu: " + optiuni.at(static_cast<std::size_t>(nu)) +
                                  "\nAnulare: nimic nu se schimba";
    const unsigned implicitNu = implicit == nu ? stil::MB_DEFBUTTON2 : 0u;
    switch (messageBox(owner, intrebare, titlu, stil::MB_YESNOCANCEL | stil::MB_ICONQUESTION | implicitNu)) {
        case raspuns::IDYES: return da;
        case raspuns::IDNO: return nu;
        default: return -1;
    }
}

void Platforma::raportRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r) {
    unsigned icon = stil::MB_ICONASTERISK;
    if (r.codIesire() == 4) icon = stil::MB_ICONEXCLAMATION;
    if (r.codIesire() == 1 && r.stare != StareOperatie::Anulat) icon = stil::MB_ICONHAND;
    messageBox(owner, r.rezumat(maximLiniiMesaj()), titlu, stil::MB_OK | icon);
}

void RaporteazaRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r) {
    platforma().raportRezultat(owner, titlu, r);
}

bool Platforma::scrieClipboardImagine(const std::string&) { return false; }

std::string Platforma::textUltimaEroare() {
    const int cod = errno;
    if (cod == 0) return {};
    return std::strerror(cod);
}

void Platforma::stergeUltimaEroare() { errno = 0; }

SistemFisiere& Platforma::fisiere() { return fisiere_ ? *fisiere_ : sistemFisiereImplicit(); }

}  // namespace vitramor
