#include "window/analysis/analysis_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QThread>
#include <QtConcurrent>
#include <utility>

namespace brakefell {

AnalysisRunner::AnalysisRunner(std::function<std::uint64_t()> generation, QObject* parent)
    : QObject(parent), generation_(std::move(generation)) {
    // The reckoning gives way to the window's thread, which must answer every keystroke at once.
    pool_.setThreadPriority(QThread::LowPriority);
}

AnalysisRunner::~AnalysisRunner() {
    pool_.waitForDone();
}

void AnalysisRunner::run(const QObject* lane, std::uint64_t generation, Work work,
                         WhenStale whenStale) {
    Lane& l = lanes_[lane];
    Request request{++l.newest, generation, std::move(work), whenStale};
    if (l.running) {
        l.waiting = std::move(request);  // any request that waited before is older: dropped
        return;
    }
    start(lane, std::move(request));
}

void AnalysisRunner::start(const QObject* key, Request request) {
    lanes_[key].running = true;
    auto* watcher = new QFutureWatcher<Show>(this);
    Work work = std::move(request.work);
    request.work = nullptr;
    connect(watcher, &QFutureWatcher<Show>::finished, this,
            [this, key, watcher, request = std::move(request)] {
                // Taken, not copied: a result may hold a sweep of 100,000 points.
                const Show show = watcher->future().takeResult();
                watcher->deleteLater();
                finish(key, request, show);
            });
    watcher->setFuture(QtConcurrent::run(&pool_, std::move(work)));
}

void AnalysisRunner::finish(const QObject* key, const Request& request, const Show& show) {
    Lane& lane = lanes_[key];
    lane.running = false;
    const bool newest = request.ticket == lane.newest;
    const bool current = request.generation == generation_();
    if (newest && show && (current || request.whenStale == WhenStale::Show)) {
        show();
        emit shown();
    }
    if (lane.waiting) {
        Request next = std::move(*lane.waiting);
        lane.waiting.reset();
        start(key, std::move(next));
    }
}

bool AnalysisRunner::idle() const {
    for (const auto& [key, lane] : lanes_) {
        if (lane.running || lane.waiting) {
            return false;
        }
    }
    return true;
}

void AnalysisRunner::waitUntilIdle() {
    while (!idle()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
}

}  // namespace brakefell
