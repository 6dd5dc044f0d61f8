#include "settings/Directoare.h"

namespace vitramor {

std::string path_user;
std::string path_sticle;
std::string path_help;
std::string path_machine_learning;
std::string nume_fisier_sticle = NumeFisierSticleImplicit;

}  // namespace vitramor
