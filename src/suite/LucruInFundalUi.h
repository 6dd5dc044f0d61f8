#pragma once
// Long work (an import of thousands of glasses, a conversion of a whole
// database) runs off the window's thread while a progress dialog with
// Cancel keeps the window painted. The work itself is the core's ordinary
// single-threaded pass; its questions and message lines come back to the
// window's thread through the platform.

#include <functional>

#include <QString>

#include "operatie/Progres.h"

class QWidget;

namespace vitramor {

// Runs `lucru` on a worker thread and returns when it has ended, the event
// loop served meanwhile. The work reports to the progress it is handed,
// which forwards its steps and texts to the dialog; Cancel makes that
// progress `anulat()`, and the work stops at its next safe point, deciding
// what a stop leaves and leaving the data as it was. True when the user
// asked to stop.
bool RuleazaCuProgres(QWidget* owner, const QString& titlu, const std::function<void(Progres& progres)>& lucru);

}  // namespace vitramor
