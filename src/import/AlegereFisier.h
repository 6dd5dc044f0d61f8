#pragma once
// The file-type table lives in fileutil, below every folder that asks for
// a file; this name stays for the imports that include it.
#include "fileutil/AlegereFisier.h"
