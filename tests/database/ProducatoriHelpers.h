#pragma once
// The producer table as the producers dialog's tests set it up and read it
// back: through the catalogue library, in the glass directory in force.

#include <string>
#include <vector>

#include "support/PlatformaScriptata.h"

namespace vitramor::test {

void storeProducer(int code, const char* name, const char* dir);
// The table's list lines, in code order.
std::vector<std::string> producerTable();
// The numbered messages shown; the table's own notes (its archive copies)
// are not the dialog's.
std::vector<int> numberedMessages(const PlatformaScriptata& p);

}  // namespace vitramor::test
