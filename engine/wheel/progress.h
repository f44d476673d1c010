#pragma once
// How a long computation on a worker thread tells the window how far it has
// got, and how the window asks it to stop. Both sides only touch atomics.

#include <atomic>
#include <cstdint>

namespace quorvex {

class Progress {
public:
    // From the window.
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    double Fraction() const {
        const auto total = total_.load(std::memory_order_relaxed);
        return total == 0 ? 0.0
                          : static_cast<double>(done_.load(std::memory_order_relaxed)) /
                                static_cast<double>(total);
    }

    // From the worker.
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    void Start(std::uint64_t total) {
        total_.store(total, std::memory_order_relaxed);
        done_.store(0, std::memory_order_relaxed);
    }
    void Advance(std::uint64_t work) { done_.fetch_add(work, std::memory_order_relaxed); }
    void Set(std::uint64_t done) { done_.store(done, std::memory_order_relaxed); }

    // What a search in phases is doing now: a name that lives as long as the
    // program (a literal), and the share of that phase done.
    void SetPhase(const char* name) {
        phaseShare_.store(0, std::memory_order_relaxed);
        phase_.store(name, std::memory_order_relaxed);
    }
    void SetPhaseShare(double share) { phaseShare_.store(share, std::memory_order_relaxed); }
    const char* Phase() const { return phase_.load(std::memory_order_relaxed); }
    double PhaseShare() const { return phaseShare_.load(std::memory_order_relaxed); }

    // The best result so far of a search that improves as it goes (0: none yet).
    void OfferBest(std::uint64_t size) {
        auto best = best_.load(std::memory_order_relaxed);
        while ((best == 0 || size < best) &&
               !best_.compare_exchange_weak(best, size, std::memory_order_relaxed)) {
        }
    }
    std::uint64_t Best() const { return best_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> done_{0};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<std::uint64_t> best_{0};
    std::atomic<const char*> phase_{""};
    std::atomic<double> phaseShare_{0};
};

} // namespace quorvex
