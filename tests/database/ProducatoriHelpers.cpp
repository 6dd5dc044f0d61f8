#include "database/ProducatoriHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"

namespace vitramor::test {

void storeProducer(int code, const char* name, const char* dir) {
    tag_ProducatorMatOptic e{};
    e.cod = static_cast<std::uint16_t>(code);
    std::strncpy(e.nume, name, sizeof e.nume - 1);
    std::strncpy(e.director, dir, sizeof e.director - 1);
    int index = 0, maxCode = 0;
    ASSERT_EQ(IncarcaProducatoriSticla(nullptr, path_sticle, SalveazaProducator, index, maxCode, e, nullptr), 1);
}

std::vector<std::string> producerTable() {
    std::vector<std::string> lines;
    int index = 0, maxCode = 0;
    tag_ProducatorMatOptic e{};
    IncarcaProducatoriSticla(nullptr, path_sticle, ListeazaProducatori, index, maxCode, e, &lines);
    return lines;
}

std::vector<int> numberedMessages(const PlatformaScriptata& p) {
    std::vector<int> n;
    for (const auto& c : p.casete)
        if (c.numar >= 0) n.push_back(c.numar);
    return n;
}

}  // namespace vitramor::test
