#pragma once
// The "Directories" dialog: the user, help and glass directories and the
// database file name.

class QWidget;

namespace vitramor {

void DeschideDirectori(QWidget* owner);

}  // namespace vitramor
