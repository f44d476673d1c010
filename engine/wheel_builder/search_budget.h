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

    // Whether work of so many seconds may still be begun: always, when the
    // budget counts steps. What cannot be stopped half-way is begun only so.
    bool Affords(double seconds) const {
        return rootSteps_ != 0 || (!progress_->Cancelled() && SecondsLeft() >= seconds);
    }
    bool CountsSteps() const { return rootSteps_ != 0; }

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

// How many moves a search makes between two looks at the clock and Stop: as
// many as take a few milliseconds, 256 at most, so that a search whose moves
// are slow (wide tickets, many draws) still stops at once; always 256 when the
// budget counts steps, so that a search of so many steps repeats exactly.
class Pace {
public:
    static constexpr std::uint64_t kMostMoves = 256;

    explicit Pace(const SearchBudget& budget)
        : fixed_(budget.CountsSteps()), moves_(fixed_ ? kMostMoves : 1),
          since_(SearchBudget::Clock::now()) {}

    std::uint64_t Moves() const { return moves_; }

    // After a look: twice the moves when they went quickly, half when slowly.
    void Looked() {
        if (fixed_) {
            return;
        }
        const auto now = SearchBudget::Clock::now();
        const auto took = now - since_;
        since_ = now;
        if (took < kQuick && moves_ < kMostMoves) {
            moves_ *= 2;
        } else if (took > kSlow && moves_ > 1) {
            moves_ /= 2;
        }
    }

private:
    static constexpr auto kQuick = std::chrono::milliseconds(4);
    static constexpr auto kSlow = std::chrono::milliseconds(16);
    bool fixed_;
    std::uint64_t moves_;
    SearchBudget::Clock::time_point since_;
};

} // namespace quorvex::search
