#include "suite/LucruInFundalUi.h"

#include <atomic>

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include "platform/Platforma.h"

namespace vitramor {

namespace {

constexpr const char* SeOpreste = "seOpreste";

// The work's side of the dialog. The work runs on another thread: its steps
// reach the dialog as queued calls, and the dialog's Cancel reaches the
// work through an atomic flag.
class ProgresDialog final : public Progres {
public:
    explicit ProgresDialog(QProgressDialog* dialog) : dialog_(dialog) {}

    void pas(std::size_t facut, std::size_t total) override {
        // Percent steps: a dialog range stays an int whatever the count.
        const int procent = total ? static_cast<int>(facut * 100 / total) : 0;
        // One queued call per percent, not per block of records.
        if (procent == ultimulProcent_.exchange(procent)) return;
        QPointer<QProgressDialog> spre = dialog_;
        QMetaObject::invokeMethod(spre, [spre, procent] {
            if (!spre) return;
            spre->setMaximum(100);
            spre->setValue(procent);
        });
    }
    void text(const std::string& ce) override {
        QPointer<QProgressDialog> spre = dialog_;
        const QString eticheta = QString::fromStdString(ce);
        QMetaObject::invokeMethod(spre, [spre, eticheta] {
            // Once stopping, the dialog keeps saying so.
            if (spre && !spre->property(SeOpreste).toBool()) spre->setLabelText(eticheta);
        });
    }
    bool anulat() const override { return anulare_.load(); }
    void anuleaza() { anulare_ = true; }

private:
    QPointer<QProgressDialog> dialog_;
    std::atomic<bool> anulare_{false};
    std::atomic<int> ultimulProcent_{-1};
};

}  // namespace

bool RuleazaCuProgres(QWidget* owner, const QString& titlu, const std::function<void(Progres& progres)>& lucru) {
    Platforma& p = platforma();
    QProgressDialog dialog(titlu, QStringLiteral("Anuleaza"), 0, 0, owner);
    dialog.setWindowTitle(titlu);
    // Other commands wait: the work uses the glass directory and the open
    // materials, which a second command must not change under it.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    ProgresDialog progres(&dialog);
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
        progres.anuleaza();
        dialog.setProperty(SeOpreste, true);
        dialog.setLabelText(QStringLiteral("Se opreste..."));
        dialog.setCancelButton(nullptr);
        dialog.show();
    });

    QEventLoop bucla;
    QFutureWatcher<void> urmarire;
    QObject::connect(&urmarire, &QFutureWatcher<void>::finished, &bucla, &QEventLoop::quit);
    urmarire.setFuture(QtConcurrent::run([&] { lucru(progres); }));
    if (!urmarire.isFinished()) bucla.exec();
    urmarire.waitForFinished();
    p.proprietarIntrebari = nullptr;
    return progres.anulat();
}

}  // namespace vitramor
