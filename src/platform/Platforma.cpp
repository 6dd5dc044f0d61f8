#include "platform/Platforma.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/SistemFisiere.h"

namespace vitramor {

namespace {
Platform* g_platforma = nullptr;
}

Platform& platforma() {
    if (!g_platforma) throw std::logic_error("no platform installed");
    return *g_platforma;
}

void instaleazaPlatforma(Platform* p) { g_platforma = p; }

ScopedPlatform::ScopedPlatform(Platform& p) : anterior_(g_platforma) { g_platforma = &p; }
ScopedPlatform::~ScopedPlatform() { g_platforma = anterior_; }

int Platform::mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style) {
    return messageBox(owner, text, "VITRAMOR - mesaj " + std::to_string(numar), style);
}

bool Platform::scrieClipboardImagine(const std::string&) { return false; }

std::string Platform::textUltimaEroare() {
    const int cod = errno;
    if (cod == 0) return {};
    return std::strerror(cod);
}

int Platform::codUltimaEroare() { return errno; }

void Platform::stergeUltimaEroare() { errno = 0; }

SistemFisiere& Platform::fisiere() { return fisiere_ ? *fisiere_ : sistemFisiereImplicit(); }

}  // namespace vitramor
