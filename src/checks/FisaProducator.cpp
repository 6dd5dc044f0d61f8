#include "checks/FisaProducator.h"

namespace vitramor {

std::optional<FisaProducator> FisaPentruProducator(int) { return std::nullopt; }
std::string CaleFisaProducator(const std::string&, int) { return {}; }
void DeschideFisaProducator(Fereastra, int) {}

}  // namespace vitramor
