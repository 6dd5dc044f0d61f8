#pragma once
// Lists whose rows are tab-separated lines (the glass list, the producer
// list) show their fields in columns: tab stops in horizontal dialog units,
// as list boxes take them.

#include <vector>

class QListWidget;

namespace vitramor {

// The rows of `lista` are drawn with tab stops at these positions (dialog
// units from the left of the text). The list keeps the row texts unchanged.
void SeteazaTabulatoriLista(QListWidget* lista, const std::vector<int>& stopuri);

}  // namespace vitramor
