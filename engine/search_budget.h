#pragma once
// How long a search may go on: until its deadline, for a number of steps (so
// that a test can repeat a search exactly), or until Stop; and how a search
// of several phases shares out what it has.

#include "progress.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>

namespace quorvex::search {

class SearchBudget {
public:
    using Clock = std::chrono::steady_clock;

    // A week at most: a longer time would overflow the clock's arithmetic.
    static constexpr double kLongestSeconds = 7 * 24 * 3600;

    // `steps` 0: no limit but the time.
    SearchBudget(Progress& progress, double seconds, std::uint64_t steps)
        : progress_(&progress), made_(std::make_shared<std::uint64_t>(0)), stepLimit_(steps),
          start_(Clock::now()),
          deadline_(start_ +
                    std::chrono::duration_cast<Clock::duration>(
                        std::chrono::duration<double>(std::clamp(seconds, 0.0, kLongestSeconds)))),
          rootStart_(start_), rootSteps_(steps) {}

    // The same budget for work whose wheels are not the search's own (a part
    // of a split): it stops with the search, but tells the window nothing.
    SearchBudget Silent() const {
        static Progress nobody;
        SearchBudget silent = *this;
        silent.reports_ = &nobody;
        return silent;
    }

    // A share of what is left, for one phase: of the time, or of the steps.
    SearchBudget Part(double share) const {
        SearchBudget part = *this;
        const auto now = Clock::now();
        part.start_ = now;
        part.stepStart_ = *made_;
        if (now < deadline_) {
            part.deadline_ =
                now + std::chrono::duration_cast<Clock::duration>((deadline_ - now) * share);
        }
        if (stepLimit_ != 0) {
            const std::uint64_t left = stepLimit_ > *made_ ? stepLimit_ - *made_ : 0;
            part.stepLimit_ =
                *made_ + std::max<std::uint64_t>(
                             1, static_cast<std::uint64_t>(static_cast<double>(left) * share));
        }
        return part;
    }

    // Counts steps made; true once the budget is spent or Stop was pressed.
    bool Spend(std::uint64_t steps) {
        *made_ += steps;
        return Over();
    }

    // Whether the budget is spent or Stop was pressed. Also moves the
    // progress bar: the time or the steps spent of the whole search.
    bool Over() const {
        if (rootSteps_ != 0) {
            progress_->Set(*made_);
            return *made_ >= stepLimit_ || progress_->Cancelled();
        }
        const auto now = Clock::now();
        progress_->Set(static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now - rootStart_).count()));
        return progress_->Cancelled() || now >= deadline_;
    }

    // The share of this budget spent so far.
    double Spent() const {
        if (stepLimit_ != 0) {
            return std::min(
                1.0, static_cast<double>(*made_ - stepStart_) /
                         static_cast<double>(std::max<std::uint64_t>(1, stepLimit_ - stepStart_)));
        }
        const double whole = std::chrono::duration<double>(deadline_ - start_).count();
        const double gone = std::chrono::duration<double>(Clock::now() - start_).count();
        return whole <= 0 ? 1.0 : std::min(1.0, gone / whole);
    }

    // The seconds left, or the most a search may be given when it counts steps.
    double SecondsLeft() const {
        if (rootSteps_ != 0) {
            return kLongestSeconds;
        }
        return std::max(0.0, std::chrono::duration<double>(deadline_ - Clock::now()).count());
    }

    std::uint64_t StepsMade() const { return *made_; }
    // Where the phase and the best size so far go.
    Progress& Reports() const { return *reports_; }

private:
    Progress* progress_;
    Progress* reports_ = progress_;
    std::shared_ptr<std::uint64_t> made_; // the steps of the whole search, shared by its parts
    std::uint64_t stepLimit_;             // 0: none
    std::uint64_t stepStart_ = 0;
    Clock::time_point start_, deadline_;
    Clock::time_point rootStart_;
    std::uint64_t rootSteps_;
};

} // namespace quorvex::search
