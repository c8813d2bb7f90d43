// Precise tick sources on the virtual clock: what the timing thread of the real backend does,
// done at each fetch of the thread's queue for the deadlines that have passed by then (a
// deadline made up after a late acceptance is posted at the next fetch, after the handler of
// the tick, which is when the real one reaches the queue too).
#include <algorithm>

#include "platform/sim/desktop.h"
#include "platform/tick_deadlines.h"

namespace {

using namespace sim::detail;
using platform::TickPhase;

// The first deadline after `after` (virtual ms) that lies just after a whole multiple of the
// period of wall-clock time, as the wall clock reads now.
std::int64_t nextWallClockDeadline(std::int64_t after, unsigned period) {
    const Desktop& d = desktop();
    const std::int64_t wall = d.wallAtZero + after;
    const std::int64_t margin = platform::kWallClockTickDelayMs;
    return platform::ticks::nextTurnAfter(wall, period, margin) - d.wallAtZero;
}

std::int64_t firstDeadline(unsigned period, TickPhase phase) {
    const std::int64_t now = desktop().now;
    return phase == TickPhase::WallClock ? nextWallClockDeadline(now, period) : now + period;
}

Ticker* tickerOf(platform::Window window) {
    for (Ticker& t : desktop().tickers)
        if (t.window == window) return &t;
    return nullptr;
}

// The deadline after the one just posted.
void advance(Ticker& t) {
    if (t.phase == TickPhase::WallClock)
        t.due = nextWallClockDeadline(t.due, t.period);
    else
        t.due += t.period;
}

// Deadlines missed by more than the catch-up time merge into the tick just taken; the next one
// lies on the grid after now.
void mergeMissedDeadlines(Ticker& t, std::int64_t now) {
    if (t.due > now - static_cast<std::int64_t>(platform::kTickCatchUpMs)) return;
    if (t.phase == TickPhase::WallClock)
        t.due = nextWallClockDeadline(now, t.period);
    else
        t.due = platform::ticks::nextOnGridAfter(t.due, now, t.period);
}

}  // namespace

namespace sim::detail {

void postDuePreciseTicks(std::int64_t latest) {
    Desktop& d = desktop();
    for (Ticker& t : d.tickers) {
        if (t.pending || t.due > latest) continue;
        d.posted.push_back({{t.window, platform::msg::PreciseTick, t.stamp, 0}, false, {}});
        t.pending = true;
        advance(t);
    }
}

std::optional<std::int64_t> nextPreciseDeadline() {
    std::optional<std::int64_t> next;
    for (const Ticker& t : desktop().tickers)
        if (!t.pending && (!next || t.due < *next)) next = t.due;
    return next;
}

}  // namespace sim::detail

namespace platform {

void startPreciseTicks(Window window, unsigned periodMs, TickPhase phase) {
    Desktop& d = desktop();
    if (!alive(window)) return;
    const unsigned period = std::max(periodMs, 1u);
    Ticker* ticker = tickerOf(window);
    if (!ticker) ticker = &d.tickers.emplace_back();
    *ticker = {window, period, phase, firstDeadline(period, phase), ++d.lastTickStamp, false};
}

void stopPreciseTicks(Window window) {
    auto& tickers = desktop().tickers;
    tickers.erase(std::remove_if(tickers.begin(), tickers.end(),
                                 [&](const Ticker& t) { return t.window == window; }),
                  tickers.end());
}

bool acceptPreciseTick(Window window, WParam stamp) {
    Ticker* ticker = tickerOf(window);
    if (!ticker || ticker->stamp != stamp) return false;
    ticker->pending = false;
    mergeMissedDeadlines(*ticker, desktop().now);
    return true;
}

}  // namespace platform

namespace sim {

std::vector<TickerInfo> preciseTickers() {
    std::vector<TickerInfo> out;
    for (const detail::Ticker& t : detail::desktop().tickers)
        out.push_back({t.window, t.period, t.phase, t.due, t.pending});
    return out;
}

std::optional<TickerInfo> preciseTicker(platform::Window window) {
    for (const TickerInfo& t : preciseTickers())
        if (t.window == window) return t;
    return std::nullopt;
}

}  // namespace sim
