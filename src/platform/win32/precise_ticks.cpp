// Precise ticks: one timing thread waits on a high-resolution waitable timer for the earliest
// deadline of all tick sources and posts each due source one tick message. The thread touches
// only the sources' own records; every tick is handled on the user-interface thread.
#include "platform/win32/native.h"
#include "platform/tick_deadlines.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using platform::TickPhase;

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

constexpr std::int64_t k100nsPerMs = 10000;

struct Source {
    HWND window = nullptr;
    unsigned periodMs = 0;
    TickPhase phase = TickPhase::FromNow;
    std::int64_t due = 0;  // performance-counter counts
    WPARAM stamp = 0;
    bool pending = false;
};

std::int64_t counterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::int64_t counterFrequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

class TimingThread {
public:
    TimingThread() {
        InitializeCriticalSection(&lock_);
        wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
        // Systems before Windows 10 1803 refuse the flag: a plain waitable timer with the
        // system tick raised to 1 ms while any source runs does nearly as well.
        highResolution_ = timer_ != nullptr;
        if (!timer_) timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        HANDLE thread = CreateThread(nullptr, 0, &TimingThread::run, this, 0, nullptr);
        if (thread) {
            SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
            CloseHandle(thread);
        }
    }

    void start(HWND window, unsigned periodMs, TickPhase phase) {
        EnterCriticalSection(&lock_);
        Source* source = find(window);
        if (!source) {
            if (sources_.empty() && !highResolution_) timeBeginPeriod(1);
            source = &sources_.emplace_back();
        }
        const std::int64_t now = counterNow();
        *source = {window, periodMs, phase, 0, ++lastStamp_, false};
        source->due = phase == TickPhase::WallClock ? nextWallClockDeadline(*source, now)
                                                    : now + counts(periodMs);
        LeaveCriticalSection(&lock_);
        SetEvent(wake_);
    }

    void stop(HWND window) {
        EnterCriticalSection(&lock_);
        for (auto it = sources_.begin(); it != sources_.end(); ++it)
            if (it->window == window) {
                sources_.erase(it);
                if (sources_.empty() && !highResolution_) timeEndPeriod(1);
                break;
            }
        LeaveCriticalSection(&lock_);
        SetEvent(wake_);
    }

    bool accept(HWND window, WPARAM stamp) {
        EnterCriticalSection(&lock_);
        Source* source = find(window);
        const bool current = source && source->stamp == stamp;
        if (current) {
            source->pending = false;
            const std::int64_t now = counterNow();
            mergeMissedDeadlines(*source, now);
            // A deadline made up goes out at once.
            postIfDue(*source, now);
        }
        const bool threadMustWait = current && !source->pending;
        LeaveCriticalSection(&lock_);
        // The thread leaves a pending source out of its wait; one no longer pending must go in.
        if (threadMustWait) SetEvent(wake_);
        return current;
    }

private:
    static DWORD WINAPI run(void* self) {
        static_cast<TimingThread*>(self)->loop();
        return 0;
    }

    [[noreturn]] void loop() {
        for (;;) {
            EnterCriticalSection(&lock_);
            const std::int64_t now = counterNow();
            bool any = false;
            std::int64_t earliest = 0;
            for (Source& s : sources_) {
                postIfDue(s, now);
                // A pending source waits for its acceptance, which wakes the thread.
                if (!s.pending && (!any || s.due < earliest)) {
                    earliest = s.due;
                    any = true;
                }
            }
            LeaveCriticalSection(&lock_);
            if (!any || !timer_) {
                WaitForSingleObject(wake_, INFINITE);
                continue;
            }
            // A negative due time is relative, in 100 ns units.
            LARGE_INTEGER dueTime;
            dueTime.QuadPart = -std::max<std::int64_t>(1, hundredNanoseconds(earliest - now));
            SetWaitableTimer(timer_, &dueTime, 0, nullptr, nullptr, FALSE);
            HANDLE handles[] = {wake_, timer_};
            WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        }
    }

    void postIfDue(Source& s, std::int64_t now) {
        if (s.pending || s.due > now) return;
        // A full queue loses the tick; the deadline moves on all the same, so the thread never
        // spins on it.
        s.pending = PostMessageW(s.window, platform::msg::PreciseTick, s.stamp, 0) != 0;
        s.due = s.phase == TickPhase::WallClock ? nextWallClockDeadline(s, now)
                                                 : s.due + counts(s.periodMs);
    }

    void mergeMissedDeadlines(Source& s, std::int64_t now) const {
        if (s.due > now - counts(platform::kTickCatchUpMs)) return;
        if (s.phase == TickPhase::WallClock) {
            s.due = nextWallClockDeadline(s, now);
        } else {
            s.due = platform::ticks::nextOnGridAfter(s.due, now, counts(s.periodMs));
        }
    }

    // Just after the next whole multiple of the period in local time, re-read from the wall
    // clock each time so a change of the system time is followed.
    std::int64_t nextWallClockDeadline(const Source& s, std::int64_t now) const {
        const std::int64_t wall = platform::win32::localTimeNow();
        const std::int64_t period = s.periodMs * k100nsPerMs;
        const std::int64_t margin = platform::kWallClockTickDelayMs * k100nsPerMs;
        const std::int64_t turn = platform::ticks::nextTurnAfter(wall, period, margin);
        return now + (turn - wall) * frequency_ / 10000000;
    }

    // Split so that a period of weeks cannot overflow.
    std::int64_t hundredNanoseconds(std::int64_t counts) const {
        return counts / frequency_ * 10000000 + counts % frequency_ * 10000000 / frequency_;
    }

    std::int64_t counts(unsigned ms) const { return std::max<std::int64_t>(1, ms * frequency_ / 1000); }

    Source* find(HWND window) {
        for (Source& s : sources_)
            if (s.window == window) return &s;
        return nullptr;
    }

    CRITICAL_SECTION lock_{};
    HANDLE wake_ = nullptr;
    HANDLE timer_ = nullptr;
    bool highResolution_ = false;
    const std::int64_t frequency_ = counterFrequency();
    std::vector<Source> sources_;
    WPARAM lastStamp_ = 0;
};

// Started with the first tick source, so a run that never clicks has no extra thread.
TimingThread& timingThread() {
    static TimingThread* thread = new TimingThread();  // lives until the process ends
    return *thread;
}

}  // namespace

namespace platform {

void startPreciseTicks(Window window, unsigned periodMs, TickPhase phase) {
    timingThread().start(win32::hwnd(window), std::max(periodMs, 1u), phase);
}

void stopPreciseTicks(Window window) { timingThread().stop(win32::hwnd(window)); }

bool acceptPreciseTick(Window window, WParam stamp) {
    return timingThread().accept(win32::hwnd(window), stamp);
}

}  // namespace platform
