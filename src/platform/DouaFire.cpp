#include "platform/DouaFire.h"

#include <exception>
#include <thread>

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace vitramor {

namespace {

struct Lucru {
    const std::function<void()>* f;
    std::exception_ptr eroare;
};

void Ruleaza(Lucru& l) {
    try {
        (*l.f)();
    } catch (...) {
        l.eroare = std::current_exception();
    }
}

#if defined(__linux__)
void* Fir(void* argument) {
    Ruleaza(*static_cast<Lucru*>(argument));
    return nullptr;
}

// A thread on any processor of the process but the caller's; false when
// there is no other or the system refuses.
bool PornesteAlaturi(pthread_t& fir, Lucru& lucru) {
    cpu_set_t procesoare;
    const int aici = ::sched_getcpu();
    if (aici < 0 || ::sched_getaffinity(0, sizeof procesoare, &procesoare) != 0 || !CPU_ISSET(aici, &procesoare) ||
        CPU_COUNT(&procesoare) < 2)
        return false;
    CPU_CLR(aici, &procesoare);
    pthread_attr_t atribute;
    if (::pthread_attr_init(&atribute) != 0) return false;
    const bool ok = ::pthread_attr_setaffinity_np(&atribute, sizeof procesoare, &procesoare) == 0 &&
                    ::pthread_create(&fir, &atribute, Fir, &lucru) == 0;
    ::pthread_attr_destroy(&atribute);
    return ok;
}
#endif

}  // namespace

void InDouaFire(const std::function<void()>& prima, const std::function<void()>& aDoua) {
    Lucru unu{&prima, nullptr}, doi{&aDoua, nullptr};
    bool alaturi = false;
#if defined(__linux__)
    pthread_t fir;
    alaturi = PornesteAlaturi(fir, doi);
#endif
    std::thread oarecare;
    if (!alaturi) oarecare = std::thread([&doi] { Ruleaza(doi); });
    Ruleaza(unu);
#if defined(__linux__)
    if (alaturi) ::pthread_join(fir, nullptr);
#endif
    if (oarecare.joinable()) oarecare.join();
    if (unu.eroare) std::rethrow_exception(unu.eroare);
    if (doi.eroare) std::rethrow_exception(doi.eroare);
}

}  // namespace vitramor
