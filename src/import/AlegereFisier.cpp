#include "import/AlegereFisier.h"

namespace vitramor {

const TipFisier* GasesteTipFisier(int) { return nullptr; }
CerereAlegereFisier CerereAlegere(bool, int, const std::string&, const std::string&) { return {}; }
int AlegeFisier(Fereastra, bool, int, std::string&, std::string&) { return -1; }
std::vector<std::string> TexteEroareAlegereFisier(unsigned) { return {}; }
void ExplicaEroareAlegereFisier(unsigned) {}

}  // namespace vitramor
