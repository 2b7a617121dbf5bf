#pragma once

#include <chrono>

namespace platform {

// Monotonic time for animations, in seconds, plus the wall clock. Tests use ManualClock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
    virtual std::chrono::system_clock::time_point wallTime() const = 0;
};

class SteadyClock final : public Clock {
public:
    double now() const override
    {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    }
    std::chrono::system_clock::time_point wallTime() const override { return std::chrono::system_clock::now(); }
};

class ManualClock final : public Clock {
public:
    double now() const override { return now_; }
    // The wall clock starts at the real time and moves with now().
    std::chrono::system_clock::time_point wallTime() const override { return wallAtZero_ + sinceZero(); }
    void advance(double seconds) { now_ += seconds; }
    // Sets the wall clock to read `t` at this moment.
    void setWallTime(std::chrono::system_clock::time_point t) { wallAtZero_ = t - sinceZero(); }

private:
    std::chrono::system_clock::duration sinceZero() const
    {
        return std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(now_));
    }

    double now_ = 1000.0;
    std::chrono::system_clock::time_point wallAtZero_ = std::chrono::system_clock::now() - sinceZero();
};

} // namespace platform
