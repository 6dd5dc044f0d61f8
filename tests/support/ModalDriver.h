#pragma once
// Drives the modal dialogs and message boxes that a function under test
// opens: each step runs on the next modal widget that becomes active, in
// order. The driver lives in the test's scope, so a dialog that never
// appears cannot leave a timer behind that would click a later test's box.
//
//   DriverModal d({[](QWidget* w) { clickButton<QMessageBox>(w, QMessageBox::Yes); }});
//   int r = platform.messageBox(...);
//   EXPECT_TRUE(d.terminat());

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <utility>

namespace vitramor::test {

class DriverModal {
public:
    using Pas = std::function<void(QWidget*)>;

    explicit DriverModal(std::deque<Pas> pasi) : pasi_(std::move(pasi)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { verifica(); });
        timer_.start();
    }
    ~DriverModal() { timer_.stop(); }
    DriverModal(const DriverModal&) = delete;
    DriverModal& operator=(const DriverModal&) = delete;

    // Every step has run.
    bool terminat() const { return pasi_.empty(); }

private:
    void verifica() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || pasi_.empty() || (ultim_ && ultim_ == w) || !w->isVisible()) return;
        ultim_ = w;
        Pas pas = std::move(pasi_.front());
        pasi_.pop_front();
        pas(w);
        if (pasi_.empty()) timer_.stop();
    }

    std::deque<Pas> pasi_;
    QPointer<QWidget> ultim_;
    QTimer timer_;
};

}  // namespace vitramor::test
