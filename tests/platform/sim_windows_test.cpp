// The sim's window tree: z-order and topmost, visibility through ancestors, frame and client
// geometry, reparenting, destruction order, failing creation, and subclassing.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;
using platform::ZPlace;

constexpr std::uint32_t kKeepPlace =
    platform::pos::NoMove | platform::pos::NoSize | platform::pos::NoActivate;

class SimWindows : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        main = topLevel();
        a = child(main, kRecorder, 0, 1);
        b = child(main, kRecorder, 0, 2);
        c = child(main, kRecorder, 0, 3);
    }
    Window main = nullptr, a = nullptr, b = nullptr, c = nullptr;
};

TEST_F(SimWindows, NewChildrenGoOnTopAndSetWindowPosReorders) {
    using Order = std::vector<Window>;
    EXPECT_EQ(sim::zOrder(main), (Order{c, b, a}));
    struct Step {
        Window window;
        ZPlace place;
        Window after;
        Order expected;
    };
    const Step steps[] = {
        {a, ZPlace::Top, nullptr, {a, c, b}},
        {a, ZPlace::After, b, {c, b, a}},
        {c, ZPlace::Bottom, nullptr, {b, a, c}},
        {c, ZPlace::After, nullptr, {c, b, a}},  // HWND_TOP is 0
        {b, ZPlace::After, c, {c, b, a}},        // already there
    };
    int i = 0;
    for (const Step& s : steps) {
        EXPECT_TRUE(platform::setWindowPos(s.window, s.place, s.after, 0, 0, 0, 0, kKeepPlace));
        EXPECT_EQ(sim::zOrder(main), s.expected) << "step " << i++;
    }
    Window stranger = topLevel();
    EXPECT_FALSE(platform::setWindowPos(a, ZPlace::After, stranger, 0, 0, 0, 0, kKeepPlace));
    EXPECT_EQ(sim::zOrder(main), (Order{c, b, a}));
    platform::setWindowPos(a, ZPlace::Top, nullptr, 0, 0, 0, 0, kKeepPlace | platform::pos::NoZOrder);
    EXPECT_EQ(sim::zOrder(main), (Order{c, b, a}));
}

TEST_F(SimWindows, TopmostWindowsStayAboveTheOthers) {
    Window second = topLevel();
    EXPECT_EQ(sim::zOrder(nullptr), (std::vector<Window>{second, main}));
    platform::setWindowPos(main, ZPlace::Topmost, nullptr, 0, 0, 0, 0, kKeepPlace);
    EXPECT_TRUE(sim::isTopmost(main));
    Window third = topLevel();  // a new plain window opens below the topmost one
    EXPECT_EQ(sim::zOrder(nullptr), (std::vector<Window>{main, third, second}));
    platform::setWindowPos(second, ZPlace::Top, nullptr, 0, 0, 0, 0, kKeepPlace);
    EXPECT_EQ(sim::zOrder(nullptr), (std::vector<Window>{main, second, third}));
    platform::setWindowPos(main, ZPlace::NoTopmost, nullptr, 0, 0, 0, 0, kKeepPlace);
    EXPECT_FALSE(sim::isTopmost(main));
    EXPECT_EQ(sim::zOrder(nullptr).front(), main);  // top of the plain windows
    platform::setWindowPos(main, ZPlace::Bottom, nullptr, 0, 0, 0, 0, kKeepPlace);
    EXPECT_EQ(sim::zOrder(nullptr).back(), main);
}

TEST_F(SimWindows, AWindowIsVisibleOnlyWhenItAndAllItsAncestorsAre) {
    Window inner = child(a, kRecorder, 0, 4);
    Window hiddenChild =
        platform::createWindow(kRecorder, "", platform::style::Child, 0, {}, a, 5);
    EXPECT_FALSE(platform::isWindowVisible(inner));  // main is not shown yet
    EXPECT_FALSE(platform::showWindow(main, platform::show::Show));  // was hidden
    EXPECT_TRUE(platform::isWindowVisible(inner));
    EXPECT_FALSE(platform::isWindowVisible(hiddenChild));
    platform::showWindow(hiddenChild, platform::show::ShowNa);
    EXPECT_TRUE(platform::isWindowVisible(hiddenChild));
    EXPECT_TRUE(platform::showWindow(a, platform::show::Hide));  // was visible
    EXPECT_FALSE(platform::isWindowVisible(inner));
    EXPECT_TRUE(sim::windowStyle(inner) & platform::style::Visible);  // its own flag stays
}

TEST_F(SimWindows, GeometryOfFramedTopLevelAndNestedChildren) {
    // main: outer (100,100)-(311,285) with a 3 px frame and a 20 px caption.
    const platform::Rect client = platform::clientRect(main);
    EXPECT_EQ(client.width(), 211 - 2 * sim::kFrameBorder);
    EXPECT_EQ(client.height(), 185 - 2 * sim::kFrameBorder - sim::kCaptionHeight);
    Window group = child(main, "BUTTON", platform::style::BsGroupBox, 6, {5, 4, 164, 96});
    Window inGroup = child(group, "EDIT", 0, 7, {69, 15, 133, 35});
    const platform::Rect r = platform::windowRect(inGroup);
    EXPECT_EQ(r.left, 100 + 3 + 5 + 69);
    EXPECT_EQ(r.top, 100 + 3 + 20 + 4 + 15);
    EXPECT_EQ(r.width(), 64);
    EXPECT_EQ(platform::clientRect(inGroup).width(), 64);  // children: client = outer
    EXPECT_TRUE(platform::pointInWindow(inGroup, {r.left, r.top}));
    EXPECT_FALSE(platform::pointInWindow(inGroup, {r.right, r.top}));
    platform::setWindowPos(main, ZPlace::After, nullptr, 0, 0, 211, 347,
                           platform::pos::NoMove | platform::pos::NoZOrder);
    EXPECT_EQ(platform::windowRect(main).top, 100);
    EXPECT_EQ(platform::windowRect(main).height(), 347);
}

TEST_F(SimWindows, SetParentKeepsThePositionRelativeToTheNewParentAndPutsItOnTop) {
    Window group = child(main, "BUTTON", platform::style::BsGroupBox, 6, {5, 4, 164, 96});
    Window moved = child(main, "EDIT", 0, 7, {69, 15, 133, 35});
    EXPECT_EQ(platform::setParent(moved, group), main);
    EXPECT_EQ(platform::parentOf(moved), group);
    EXPECT_EQ(sim::zOrder(group).front(), moved);
    EXPECT_EQ(sim::localRect(moved).left, 69);
    EXPECT_TRUE(platform::isChildOf(main, moved));
    EXPECT_FALSE(platform::isChildOf(a, moved));
    EXPECT_EQ(sim::childWithId(main, 7), nullptr);
    EXPECT_EQ(sim::childWithId(group, 7), moved);
}

TEST_F(SimWindows, DestroySendsWmDestroyParentFirstAndNcDestroyChildrenFirst) {
    Window inner = child(a, kRecorder, 0, 4);
    platform::setTimer(inner, 1, 10);
    clearReceived();
    EXPECT_TRUE(platform::destroyWindow(main));
    std::vector<std::pair<Window, unsigned>> order;
    for (const Received& r : received())
        if (r.message == msg::Destroy || r.message == msg::NcDestroy)
            order.emplace_back(r.window, r.message);
    const std::vector<std::pair<Window, unsigned>> expected = {
        {main, msg::Destroy},   {c, msg::Destroy},      {b, msg::Destroy},
        {a, msg::Destroy},      {inner, msg::Destroy},  {c, msg::NcDestroy},
        {b, msg::NcDestroy},    {inner, msg::NcDestroy}, {a, msg::NcDestroy},
        {main, msg::NcDestroy}};
    EXPECT_EQ(order, expected);
    for (Window w : {main, a, b, c, inner}) EXPECT_FALSE(sim::isWindow(w));
    EXPECT_TRUE(sim::timers().empty());
    EXPECT_TRUE(sim::zOrder(nullptr).empty());
    EXPECT_FALSE(platform::destroyWindow(main));
}

TEST_F(SimWindows, ChildrenAreStillThereWhileTheParentHandlesWmDestroy) {
    bool childAliveInDestroy = false;
    reaction() = [&](const Received& r, LResult&) {
        if (r.window == main && r.message == msg::Destroy) childAliveInDestroy = sim::isWindow(a);
        return false;
    };
    platform::destroyWindow(main);
    EXPECT_TRUE(childAliveInDestroy);
}

TEST_F(SimWindows, CreationFailsForUnknownClassesACreateAnswerOfMinusOneAndTheSwitches) {
    EXPECT_EQ(platform::createWindow("NoSuchClass", "", 0, 0, {}, nullptr, 0), nullptr);
    EXPECT_EQ(platform::createWindow("EDIT", "", platform::style::Child, 0, {}, nullptr, 0),
              nullptr);  // a child needs a parent
    reaction() = [](const Received& r, LResult& result) {
        result = -1;
        return r.message == msg::Create;
    };
    const std::size_t before = sim::zOrder(main).size();
    EXPECT_EQ(child(main, kRecorder, 0, 9), nullptr);
    EXPECT_EQ(sim::zOrder(main).size(), before);
    reaction() = nullptr;

    sim::failCreateWindowOfClass("edit");
    EXPECT_EQ(child(main, "EDIT", 0, 10), nullptr);
    EXPECT_NE(child(main, "BUTTON", 0, 11), nullptr);
    sim::failCreateWindowOfClass("");
    EXPECT_NE(child(main, "EDIT", 0, 12), nullptr);

}

TEST_F(SimWindows, TheNthCreationCountedFromResetFails) {
    sim::reset();
    sim::failCreateWindowNumber(3);
    Window first = platform::createWindow("BUTTON", "", 0, 0, {}, nullptr, 0);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(platform::createWindow("EDIT", "", kChild, 0, {}, first, 1), nullptr);
    EXPECT_EQ(platform::createWindow("EDIT", "", kChild, 0, {}, first, 2), nullptr);
    EXPECT_NE(platform::createWindow("EDIT", "", kChild, 0, {}, first, 3), nullptr);
    EXPECT_EQ(sim::windowsCreated(), 3);
}

LResult PLATFORM_WINAPI upperCasingProc(Window window, unsigned message, WParam wParam,
                                        LParam lParam);
platform::WindowProc previousProc = nullptr;
LResult PLATFORM_WINAPI upperCasingProc(Window window, unsigned message, WParam wParam,
                                        LParam lParam) {
    if (message == msg::Char && wParam >= 'a' && wParam <= 'z') wParam -= 'a' - 'A';
    return platform::callWindowProc(previousProc, window, message, wParam, lParam);
}

TEST_F(SimWindows, SubclassingPutsAProcedureInFrontOfTheClassOne) {
    Window edit = child(main, "EDIT", 0, 20);
    previousProc = platform::setWindowProc(edit, upperCasingProc);
    ASSERT_NE(previousProc, nullptr);
    platform::sendMessage(edit, msg::Char, 'q', 0);
    platform::postMessage(edit, msg::Char, 'r', 0);
    sim::runPending();
    EXPECT_EQ(platform::getWindowText(edit), "QR");
    EXPECT_EQ(platform::setWindowProc(edit, previousProc), upperCasingProc);
}

TEST_F(SimWindows, OnlyWindowsTheUserCanSeeAreClickable) {
    platform::showWindow(main, platform::show::Show);
    Window inView = child(main, "BUTTON", 0, 30, {10, 10, 50, 30});
    Window below = child(main, "BUTTON", 0, 31, {10, 200, 50, 220});  // client is 159 high
    EXPECT_TRUE(sim::isClickable(inView));
    EXPECT_FALSE(sim::isClickable(below));
    EXPECT_THROW(sim::click(below), sim::NotClickable);
    platform::setWindowPos(main, ZPlace::After, nullptr, 0, 0, 211, 347,
                           platform::pos::NoMove | platform::pos::NoZOrder);
    EXPECT_TRUE(sim::isClickable(below));
    platform::showWindow(main, platform::show::Hide);
    EXPECT_FALSE(sim::isClickable(inView));
}

}  // namespace
