#pragma once
// The material catalogue library's interface under the name the suite gave
// it. The work is done in database/, the room of the database file; new code
// includes database/CatalogMateriale.h directly.

#include "database/CatalogMateriale.h"
