// Synthetic clicks: the pointer moved first, then exactly the button events of the kind.
#include <gtest/gtest.h>

#include <vector>

#include "clicker/pointer.h"
#include "platform/sim/sim.h"

namespace {

using namespace platform::mouseFlag;

TEST(SendClickTest, EachKindInjectsItsButtonEventsAtThePoint) {
    struct Case {
        ClickKind kind;
        std::vector<unsigned> flags;
    };
    const std::vector<unsigned> leftSingle = {LeftDown, LeftUp};
    const Case cases[] = {
        {0, leftSingle},
        {1, {LeftDown, LeftUp, LeftDown, LeftUp}},
        {2, {RightDown, RightUp}},
        {3, {RightDown, RightUp, RightDown, RightUp}},
        {-1, leftSingle},
        {4, leftSingle},
        {1000, leftSingle},
    };
    for (const Case& c : cases) {
        sim::reset();
        sim::movePointer(5, 5);
        sendClick(100, 200, c.kind);
        const std::vector<sim::InputEvent>& log = sim::inputLog();
        ASSERT_EQ(log.size(), c.flags.size() + 1) << "kind " << c.kind;
        EXPECT_EQ(log[0].kind, sim::InputKind::SetCursorPos);
        EXPECT_EQ(log[0].x, 100);
        EXPECT_EQ(log[0].y, 200);
        for (std::size_t i = 0; i < c.flags.size(); ++i) {
            const sim::InputEvent& e = log[i + 1];
            EXPECT_EQ(e.kind, sim::InputKind::MouseEvent) << "kind " << c.kind;
            EXPECT_EQ(e.flags, c.flags[i]) << "kind " << c.kind << " event " << i;
            EXPECT_EQ(e.x, 100);
            EXPECT_EQ(e.y, 200);
            EXPECT_EQ(e.data, 0u);
            EXPECT_EQ(e.extraInfo, 0u);
            EXPECT_EQ(e.time, log[0].time) << "no pause";
        }
        EXPECT_EQ(sim::pointer().x, 100) << "the pointer stays at the point";
        EXPECT_EQ(sim::pointer().y, 200);
    }
    sim::reset();
}

TEST(PointerTest, ReadsThePointerAndGivesZeroWhenItCannot) {
    sim::reset();
    sim::movePointer(30, 1000);
    EXPECT_EQ(pointerX(), 30);
    EXPECT_EQ(pointerY(), 1000);
    sim::failCursorPos(true);
    EXPECT_EQ(pointerX(), 0);
    EXPECT_EQ(pointerY(), 0);
    sim::reset();
}

}  // namespace
