#pragma once
// A record as a JSON object: every named field under its own name, in offset
// order, arrays complete; for an evaporation material (producer 10) the
// overlay fields are merged in at their offsets. This is the full dump that
// `vitramor-cli show` prints, not the export document of the coating software.
//
// Numbers are written as the shortest decimal that reads back to the same
// value in the field's own width (0.1f prints as 0.1, not 0.100000001490116),
// which cJSON's own printing cannot do; integers as integers. A float or
// double that is NaN or infinite (damaged files) has no JSON number and is
// written as null. Text fields are the bytes up to the NUL, read as
// Windows-1252 and written as UTF-8.

#include <string>

#include <cjson/cJSON.h>

#include "record/MaterialOptic.h"

namespace vitramor {

// A new cJSON object the caller releases with cJSON_Delete; null only when
// memory runs out.
cJSON* MaterialInJson(const MaterialOptic& m);

// The object printed: formatted (tabs and new lines, as the CLI shows it) or
// on one line. Empty only when memory runs out.
std::string TextJsonMaterial(const MaterialOptic& m, bool formatat = true);

// Shortest round-trip decimal of a value; "null" for NaN and infinities.
std::string NumarScurt(float v);
std::string NumarScurt(double v);

}  // namespace vitramor
