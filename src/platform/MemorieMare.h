#pragma once
// Large working memory. A pass over a big database holds megabytes of
// records or text for a moment, and on the virtual machines many users work
// in, the first touch of each 4 KB page costs more than reading the data
// that fills it. Blocks of 2 MB and more are therefore taken straight from
// the system and offered for huge pages where the system has them; smaller
// ones come from the ordinary heap.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vitramor {

// Throws std::bad_alloc when the memory cannot be had.
void* AlocaMemorieMare(std::size_t n);
// `n` is the size the block was asked for.
void ElibereazaMemorieMare(void* p, std::size_t n) noexcept;

template <typename T>
struct AlocatorMemorieMare {
    using value_type = T;
    AlocatorMemorieMare() = default;
    template <typename U>
    AlocatorMemorieMare(const AlocatorMemorieMare<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(AlocaMemorieMare(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { ElibereazaMemorieMare(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const AlocatorMemorieMare<U>&) const {
        return true;
    }
};

// Texts kept side by side for the life of the zone, each ending in NUL.
class ZonaTexte {
public:
    ZonaTexte() = default;
    ZonaTexte(const ZonaTexte&) = delete;
    ZonaTexte& operator=(const ZonaTexte&) = delete;
    ~ZonaTexte();

    // The copy of `text`; it stays where it is until the zone goes.
    const char* adauga(std::string_view text);

private:
    struct Bloc {
        char* date;
        std::size_t marime;
    };
    std::vector<Bloc> blocuri_;
    std::size_t folosit_ = 0;  // in the last block
};

}  // namespace vitramor
