#include "support/RecordImage.h"

namespace vitramor::test {

MaterialOptic RecordImage::record() const {
    MaterialOptic m;
    std::memcpy(&m, bytes_.data(), sizeof m);
    return m;
}

std::string bytesOf(const MaterialOptic& m) { return std::string(reinterpret_cast<const char*>(&m), sizeof m); }

MaterialOptic namedRecord(const std::string& name, std::uint16_t producer) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, name.c_str(), sizeof m.nume - 1);
    m.producator = producer;
    return m;
}

std::string databaseOf(const std::vector<MaterialOptic>& records) {
    std::string r;
    for (const auto& m : records) r += bytesOf(m);
    return r;
}

std::vector<MaterialOptic> recordsOf(const std::string& bytes) {
    std::vector<MaterialOptic> r(bytes.size() / sizeof(MaterialOptic));
    if (!r.empty()) std::memcpy(r.data(), bytes.data(), r.size() * sizeof(MaterialOptic));
    return r;
}

}  // namespace vitramor::test
