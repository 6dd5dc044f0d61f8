#pragma once
// How long the event loop went unserved at most while this object lived: a
// timer asked to fire every 5 ms notes each gap between two of its ticks.
// Benchmarks measure the gap; tests only ask whether the loop was served at
// all, since a shared machine can stall any process for a moment.

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace vitramor::test {

class PauzaMaximaBucla {
public:
    PauzaMaximaBucla() {
        QObject::connect(&bataie_, &QTimer::timeout, [this] {
            maxim_ = std::max(maxim_, ceas_.elapsed() - ultima_);
            ultima_ = ceas_.elapsed();
            ++batai_;
        });
        bataie_.start(5);
        ceas_.start();
    }
    qint64 maximMs() const { return maxim_; }
    // How many times the loop was served: none means the work held the thread.
    int batai() const { return batai_; }

private:
    QElapsedTimer ceas_;
    QTimer bataie_;
    qint64 ultima_ = 0;
    qint64 maxim_ = 0;
    int batai_ = 0;
};

}  // namespace vitramor::test
