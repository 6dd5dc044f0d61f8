#include "platform/MemorieMare.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vitramor {

namespace {

constexpr std::size_t PaginaMare = std::size_t{2} << 20;

std::size_t Rotunjit(std::size_t n) { return (n + PaginaMare - 1) / PaginaMare * PaginaMare; }

}  // namespace

void* AlocaMemorieMare(std::size_t n) {
#if defined(__linux__)
    if (n >= PaginaMare) {
        void* p = ::mmap(nullptr, Rotunjit(n), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        // Only advice: without huge pages the block is ordinary memory.
        ::madvise(p, Rotunjit(n), MADV_HUGEPAGE);
        return p;
    }
#endif
    return ::operator new(n);
}

void ElibereazaMemorieMare(void* p, std::size_t n) noexcept {
    if (!p) return;
#if defined(__linux__)
    if (n >= PaginaMare) {
        ::munmap(p, Rotunjit(n));
        return;
    }
#endif
    ::operator delete(p);
}

ZonaTexte::~ZonaTexte() {
    for (const Bloc& b : blocuri_) ElibereazaMemorieMare(b.date, b.marime);
}

const char* ZonaTexte::adauga(std::string_view text) {
    const std::size_t n = text.size() + 1;
    if (blocuri_.empty() || blocuri_.back().marime - folosit_ < n) {
        const std::size_t marime = std::max(n, std::size_t{4} << 20);
        blocuri_.reserve(blocuri_.size() + 1);
        blocuri_.push_back({static_cast<char*>(AlocaMemorieMare(marime)), marime});
        folosit_ = 0;
    }
    char* inceput = blocuri_.back().date + folosit_;
    std::memcpy(inceput, text.data(), text.size());
    inceput[text.size()] = '\0';
    folosit_ += n;
    return inceput;
}

}  // namespace vitramor
