// The sim's precise tick source: exact periods, one tick pending, jitter made up, stalls merged,
// stale stamps refused, and wall-clock deadlines.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
using platform::msg::PreciseTick;

class SimPreciseTicks : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        window = topLevel();
        reaction() = [this](const Received& r, LResult&) {
            if (r.message != PreciseTick || !platform::acceptPreciseTick(window, r.wParam))
                return false;
            tickTimes.push_back(sim::now());
            const std::int64_t busy = busyAt(sim::now());
            if (busy > 0) sim::spendTime(busy);
            return false;
        };
    }
    Window window = nullptr;
    std::vector<std::int64_t> tickTimes;
    std::function<std::int64_t(std::int64_t)> busyAt = [](std::int64_t) { return 0; };
};

TEST_F(SimPreciseTicks, TicksEveryPeriodFromOneMillisecondOn) {
    sim::runFor(5);
    platform::startPreciseTicks(window, 1, platform::TickPhase::FromNow);
    sim::runFor(5);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{6, 7, 8, 9, 10}));
}

TEST_F(SimPreciseTicks, AShortDelayIsMadeUpAndTheRateKept) {
    // The tick at 10 ms keeps the thread 3 ms: the deadlines of 11 and 12 are made up at once.
    busyAt = [](std::int64_t now) { return now == 10 ? 3 : 0; };
    platform::startPreciseTicks(window, 2, platform::TickPhase::FromNow);
    sim::runFor(20);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{2, 4, 6, 8, 10, 13, 14, 16, 18, 20}));
}

TEST_F(SimPreciseTicks, ALongStallGivesOneTickAndTheGridGoesOn) {
    busyAt = [](std::int64_t now) { return now == 10 ? 47 : 0; };
    platform::startPreciseTicks(window, 10, platform::TickPhase::FromNow);
    sim::runFor(100);
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{10, 57, 60, 70, 80, 90, 100}))
        << "the deadlines of 20 to 50 merge into the tick taken at 57";
}

TEST_F(SimPreciseTicks, OneTickIsPendingAtMost) {
    platform::startPreciseTicks(window, 1, platform::TickPhase::FromNow);
    sim::spendTime(50);
    sim::runPending();
    EXPECT_EQ(messagesTo(window, PreciseTick).size(), 1u);
}

TEST_F(SimPreciseTicks, ATickOfAnEarlierStartIsRefused) {
    platform::startPreciseTicks(window, 10, platform::TickPhase::FromNow);
    sim::runFor(10);
    ASSERT_EQ(messagesTo(window, PreciseTick).size(), 1u);
    const platform::WParam stale = messagesTo(window, PreciseTick)[0].wParam;
    platform::startPreciseTicks(window, 10, platform::TickPhase::FromNow);
    EXPECT_FALSE(platform::acceptPreciseTick(window, stale));
    platform::stopPreciseTicks(window);
    EXPECT_FALSE(platform::acceptPreciseTick(window, stale));
    EXPECT_FALSE(sim::preciseTicker(window));
}

TEST_F(SimPreciseTicks, WallClockTicksFallJustAfterEachSecond) {
    sim::setWallClock({2024, 3, 5, 12, 0, 0, 250});
    platform::startPreciseTicks(window, 1000, platform::TickPhase::WallClock);
    sim::runFor(2000);
    const std::int64_t delay = platform::kWallClockTickDelayMs;
    EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{750 + delay, 1750 + delay}));
}

TEST_F(SimPreciseTicks, DestroyingTheWindowStopsItsTicks) {
    platform::startPreciseTicks(window, 10, platform::TickPhase::FromNow);
    platform::destroyWindow(window);
    EXPECT_TRUE(sim::preciseTickers().empty());
}

}  // namespace
