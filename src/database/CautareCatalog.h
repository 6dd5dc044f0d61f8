#pragma once
// Searching the database by producer and name pattern: the matcher and the
// list line are public so that the lists and their tests share them.

#include <string>
#include <string_view>

#include "record/MaterialOptic.h"

namespace vitramor {

// "*" matches any run of characters (also none), "?" exactly one; every
// other character matches itself without regard to ASCII case, so that
// "n-bk*" finds "N-BK7": catalogues spell the same glass in upper and in
// mixed case, and a user typing a filter should not have to guess which.
// An empty pattern matches every name, like "*", since an emptied filter
// field means "no filter" to the user.
bool NumePotrivitModel(std::string_view model, std::string_view nume);

// A list line of the search: name, code, nd (index at 587.56 nm from the
// index table, "-" when the table has no such line) and category number,
// separated by tabs.
std::string LinieCautareMaterial(const MaterialOptic& m);

}  // namespace vitramor
