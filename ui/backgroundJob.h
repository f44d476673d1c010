#pragma once
// Runs one engine computation at a time on a worker thread, so that a
// window stays responsive. The window follows it through progressed() and
// gets its result back on its own thread. Starting another computation, or
// destroying the job, cancels the running one and waits for it to stop; the
// engine checks for that often, so the wait is short.

#include "progress.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace quorvex::ui {

class BackgroundJob : public QObject {
    Q_OBJECT
public:
    explicit BackgroundJob(QObject* parent) : QObject(parent) {
        connect(&timer_, &QTimer::timeout, this,
                [this] { emit progressed(progress_->Fraction()); });
    }
    ~BackgroundJob() override { Stop(); }

    // work(progress) runs on the worker and returns nothing when cancelled;
    // done(result) then runs here, unless the work was cancelled or replaced.
    template <class Result>
    void Start(std::function<std::optional<Result>(Progress&)> work,
               std::function<void(const Result&)> done) {
        Stop();
        const auto progress = progress_ = std::make_shared<Progress>();
        const int generation = generation_;
        running_ = true;
        timer_.start(100);
        emit progressed(0.0);
        thread_ = std::thread([this, progress, work, done, generation] {
            const std::optional<Result> result = work(*progress);
            QMetaObject::invokeMethod(
                this,
                [this, result, done, generation] {
                    if (generation != generation_) {
                        return; // stopped, and perhaps replaced, since
                    }
                    Finish();
                    if (result) {
                        done(*result);
                    }
                    emit finished(result.has_value());
                },
                Qt::QueuedConnection);
        });
    }

    // Asks the running computation to stop; finished(false) follows.
    void Cancel() { progress_->Cancel(); }
    bool Running() const { return running_; }
    // What a search that reports them says of itself: its best result so far
    // (0: none yet), its phase and that phase's share done.
    std::uint64_t Best() const { return progress_->Best(); }
    const char* Phase() const { return progress_->Phase(); }
    double PhaseShare() const { return progress_->PhaseShare(); }

signals:
    void progressed(double fraction);
    void finished(bool completed);

private:
    // Cancels whatever runs and waits for it; its result, if it was on its way, is dropped.
    void Stop() {
        progress_->Cancel();
        ++generation_;
        Finish();
    }
    void Finish() {
        if (thread_.joinable()) {
            thread_.join();
        }
        running_ = false;
        timer_.stop();
    }

    std::shared_ptr<Progress> progress_ = std::make_shared<Progress>();
    std::thread thread_;
    QTimer timer_;
    int generation_ = 0;
    bool running_ = false;
};

} // namespace quorvex::ui
