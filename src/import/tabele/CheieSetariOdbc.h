#pragma once
// The settings key under which a producer's table import keeps what it
// remembers: the ODBC connection string and the column associations.

#include <string>

namespace vitramor {

inline std::string CheieRegistruOdbc(const std::string& numeRegistru) { return "Software\\KESTRA\\ODBC\\" + numeRegistru; }

}  // namespace vitramor
