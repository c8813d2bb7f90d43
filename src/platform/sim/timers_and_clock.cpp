// Thread timers on the virtual clock, and the wall clock that localTime reads.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;

constexpr std::int64_t kMsPerDay = 86400000;
constexpr unsigned kTimerMaximum = 0x7FFFFFFF;  // USER_TIMER_MAXIMUM

// Days since 1970-01-01 of a proleptic Gregorian date (March-based years, 400-year eras).
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

}  // namespace

namespace sim::detail {

std::int64_t wallMilliseconds(const WallTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * kMsPerDay +
           ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

WallTime wallTimeOf(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay;
    std::int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    WallTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600000);
    t.minute = static_cast<int>(rest / 60000 % 60);
    t.second = static_cast<int>(rest / 1000 % 60);
    t.millisecond = static_cast<int>(rest % 1000);
    return t;
}

void killTimersOf(platform::Window window) {
    auto& timers = desktop().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return t.window == window; }),
                 timers.end());
    platform::stopPreciseTicks(window);
}

}  // namespace sim::detail

namespace platform {

void setTimer(Window window, std::uintptr_t id, unsigned milliseconds) {
    Desktop& d = desktop();
    if (!alive(window)) return;
    const unsigned period = std::clamp(milliseconds, sim::kTimerMinimum, kTimerMaximum);
    for (Timer& t : d.timers)
        if (t.window == window && t.id == id) {
            t.period = period;
            t.due = d.now + period;
            return;
        }
    d.timers.push_back({window, id, period, d.now + period});
}

void killTimer(Window window, std::uintptr_t id) {
    auto& timers = desktop().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return t.window == window && t.id == id; }),
                 timers.end());
}

LocalTime localTime() {
    const Desktop& d = desktop();
    const sim::WallTime t = wallTimeOf(d.wallAtZero + d.now);
    return {t.year, t.month, t.day, t.hour, t.minute, t.second};
}

}  // namespace platform

namespace sim {

void setWallClock(const WallTime& time) {
    detail::Desktop& d = detail::desktop();
    d.wallAtZero = detail::wallMilliseconds(time) - d.now;
}

WallTime wallClock() {
    const detail::Desktop& d = detail::desktop();
    return detail::wallTimeOf(d.wallAtZero + d.now);
}

void jumpWallClock(std::int64_t deltaMs) { detail::desktop().wallAtZero += deltaMs; }

std::vector<TimerInfo> timers() {
    std::vector<TimerInfo> out;
    for (const detail::Timer& t : detail::desktop().timers)
        out.push_back({t.window, t.id, t.period, t.due});
    return out;
}

std::optional<TimerInfo> timer(platform::Window window, std::uintptr_t id) {
    for (const TimerInfo& t : timers())
        if (t.window == window && t.id == id) return t;
    return std::nullopt;
}

}  // namespace sim
