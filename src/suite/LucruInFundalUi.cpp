#include "suite/LucruInFundalUi.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include "platform/Platforma.h"

namespace vitramor {

bool RuleazaCuProgres(QWidget* owner, const QString& titlu, const std::function<void()>& lucru) {
    Platforma& p = platforma();
    QProgressDialog dialog(titlu, QStringLiteral("Anuleaza"), 0, 0, owner);
    dialog.setWindowTitle(titlu);
    // Other commands wait: the work uses the glass directory and the open
    // materials, which a second command must not change under it.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QPointer<QProgressDialog> spre(&dialog);
    p.anulareCeruta = false;
    p.laProgres = [spre](std::size_t facut, std::size_t total) {
        QMetaObject::invokeMethod(spre, [spre, facut, total] {
            if (!spre) return;
            // Percent steps: a dialog range stays an int whatever the count.
            spre->setMaximum(100);
            spre->setValue(total ? static_cast<int>(facut * 100 / total) : 0);
        });
    };
    // The work's questions go over this dialog, shown at once: a dialog
    // that showed itself later would cover a question the work waits for.
    QProgressDialog* peste = &dialog;
    p.proprietarIntrebari = [peste](Fereastra) -> Fereastra {
        const auto arata = [peste] {
            if (!peste->isVisible()) peste->show();
        };
        if (QThread::currentThread() == peste->thread()) arata();
        else QMetaObject::invokeMethod(peste, arata, Qt::BlockingQueuedConnection);
        return peste;
    };
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        p.anulareCeruta = true;
        dialog.setLabelText(QStringLiteral("Se opreste..."));
        dialog.setCancelButton(nullptr);
        dialog.show();
    });

    QEventLoop bucla;
    QFutureWatcher<void> urmarire;
    QObject::connect(&urmarire, &QFutureWatcher<void>::finished, &bucla, &QEventLoop::quit);
    urmarire.setFuture(QtConcurrent::run(lucru));
    if (!urmarire.isFinished()) bucla.exec();
    urmarire.waitForFinished();
    p.laProgres = nullptr;
    p.proprietarIntrebari = nullptr;
    return p.anulareCeruta.exchange(false);
}

}  // namespace vitramor
