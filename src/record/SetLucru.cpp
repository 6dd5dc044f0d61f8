#include "record/SetLucru.h"

#include <cstdio>
#include <cstring>

#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// Identities are counted over every working set of the process, so that
// one set's identity never names a material of another.
IdentitateMaterial IdentitateNoua() {
    static IdentitateMaterial ultima = FaraIdentitate;
    return ++ultima;
}

void Anunta(IdentitateMaterial identitate) {
    if (const auto& f = LaPlecareMaterial()) f(identitate);
}

}  // namespace

std::function<void(IdentitateMaterial)>& LaPlecareMaterial() {
    static std::function<void(IdentitateMaterial)> f;
    return f;
}

void SetLucru::potriveste() {
    while (stari_.size() > materiale.size()) {
        const IdentitateMaterial plecat = stari_.back().identitate;
        stari_.pop_back();
        Anunta(plecat);
    }
    for (std::size_t i = stari_.size(); i < materiale.size(); ++i)
        stari_.push_back({IdentitateNoua(), materiale[i], true, false, false, false, {}});
}

SetLucru::Stare* SetLucru::stare(int index) {
    potriveste();
    if (index < 0 || index >= numarMateriale()) return nullptr;
    return &stari_[static_cast<std::size_t>(index)];
}

IdentitateMaterial SetLucru::identitate(int index) {
    const Stare* s = stare(index);
    return s ? s->identitate : FaraIdentitate;
}

int SetLucru::index(IdentitateMaterial identitate) {
    potriveste();
    for (std::size_t i = 0; i < stari_.size(); ++i)
        if (identitate != FaraIdentitate && stari_[i].identitate == identitate) return static_cast<int>(i);
    return -1;
}

int SetLucru::adauga(const MaterialOptic& m) {
    potriveste();
    materiale.push_back(m);
    stari_.push_back({IdentitateNoua(), m, true, false, false, false, {}});
    return numarMateriale() - 1;
}

void SetLucru::scoate(int index) {
    const Stare* s = stare(index);
    if (!s) return;
    const IdentitateMaterial plecat = s->identitate;
    // The windows go while their record still stands where they saw it.
    Anunta(plecat);
    materiale.erase(materiale.begin() + index);
    stari_.erase(stari_.begin() + index);
}

void SetLucru::goleste() {
    while (!gol()) scoate(numarMateriale() - 1);
    materiale.shrink_to_fit();
    materialCurent = 0;
}

void SetLucru::incarca(int index, const MaterialOptic& m) {
    Stare* s = stare(index);
    if (!s) return;
    Anunta(s->identitate);
    materiale[static_cast<std::size_t>(index)] = m;
    *s = {IdentitateNoua(), m, true, false, false, false, {}};
}

bool SetLucru::esteModificat(int index) {
    const Stare* s = stare(index);
    if (!s) return false;
    return !s->inBaza ||
           std::memcmp(&s->imagine, &materiale[static_cast<std::size_t>(index)], sizeof(MaterialOptic)) != 0;
}

void SetLucru::marcheazaNemodificat(int index) {
    if (Stare* s = stare(index)) {
        s->imagine = materiale[static_cast<std::size_t>(index)];
        s->inBaza = true;
        s->suprascris = false;
    }
}

void SetLucru::potrivesteCuBaza(int index, const MaterialOptic* baza) {
    if (Stare* s = stare(index)) {
        if (baza) s->imagine = *baza;
        s->inBaza = baza != nullptr;
        s->suprascris = false;
    }
}

void SetLucru::memoreazaAnterior(int index, const MaterialOptic& inainte) {
    if (Stare* s = stare(index)) {
        s->anterior = inainte;
        s->anteriorSuprascris = s->suprascris;
        s->areAnterior = true;
    }
}

bool SetLucru::anuleazaUltimaModificare(int index) {
    Stare* s = stare(index);
    if (!s || !s->areAnterior) return false;
    materiale[static_cast<std::size_t>(index)] = s->anterior;
    s->suprascris = s->anteriorSuprascris;
    s->areAnterior = false;
    return true;
}

void SetLucru::marcheazaSuprascris(int index) {
    if (Stare* s = stare(index)) s->suprascris = true;
}

bool SetLucru::suprascris(int index) {
    const Stare* s = stare(index);
    return s && s->suprascris;
}

SetLucru& setLucru() {
    static SetLucru s;
    return s;
}

MaterialOptic MaterialNou(int index) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    CopiazaInCamp(m.nume, TextFormatat("Gol%d", index));
    m.stas = 2;
    m.producator = 2;
    return m;
}

MaterialOptic& CurentSauPrimulNou(SetLucru& set) {
    if (set.gol()) {
        set.adauga(MaterialNou(0));
        set.materialCurent = 0;
    }
    return set.curent();
}

}  // namespace vitramor
