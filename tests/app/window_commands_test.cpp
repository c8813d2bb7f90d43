// Window commands: topmost, the schedule area, show and hide, exit, help boxes, the link.
#include <gtest/gtest.h>

#include "app/link_control.h"
#include "app/link_opening.h"
#include "app/window_commands.h"
#include "clicker/timer_control.h"
#include "support/program_fixture.h"

namespace {

using namespace platform;

class WindowCommandsTest : public ProgramTest {};

TEST_F(WindowCommandsTest, TopmostFollowsTheCheckBox) {
    for (bool expected : {true, false, true}) {
        clickControl(Control::TopmostCheck);
        EXPECT_EQ(sim::isTopmost(handle(Control::MainWindow)), expected);
    }
}

TEST_F(WindowCommandsTest, TheScheduleAreaGrowsTheWindowDownAndBack) {
    const Rect start = windowRect(handle(Control::MainWindow));
    clickControl(Control::ScheduleAreaCheck);
    Rect grown = windowRect(handle(Control::MainWindow));
    EXPECT_EQ(grown.height(), 347);
    EXPECT_EQ(grown.left, start.left);
    EXPECT_EQ(grown.top, start.top);
    EXPECT_TRUE(sim::isClickable(handle(Control::ScheduleButton)));
    clickControl(Control::ScheduleAreaCheck);
    const Rect back = windowRect(handle(Control::MainWindow));
    EXPECT_EQ(back.left, start.left);
    EXPECT_EQ(back.top, start.top);
    EXPECT_EQ(back.width(), start.width());
    EXPECT_EQ(back.height(), start.height());
    EXPECT_FALSE(sim::isClickable(handle(Control::ScheduleButton))) << "out of view again";
}

TEST_F(WindowCommandsTest, F3HidesAndShowsInPlaceWhileEverythingRuns) {
    const Rect start = windowRect(handle(Control::MainWindow));
    chooseStartKey("A");
    press('A');
    press(vk::F3);
    EXPECT_FALSE(mainVisible());
    clearInput();
    advance(100);
    EXPECT_EQ(leftClicks(), 10);
    press(vk::F3);
    EXPECT_TRUE(mainVisible());
    EXPECT_EQ(sim::activeWindow(), handle(Control::MainWindow));
    const Rect again = windowRect(handle(Control::MainWindow));
    EXPECT_EQ(again.left, start.left);
    EXPECT_EQ(again.top, start.top);
    EXPECT_EQ(again.height(), start.height());
}

TEST_F(WindowCommandsTest, ExitWhileClickingEndsWithZeroAndNoLaterClick) {
    chooseStartKey("A");
    press('A');
    advance(30);
    EXPECT_EQ(exitCodeOf([&] { clickControl(Control::ExitButton); }), 0);
    EXPECT_FALSE(sim::isWindow(handle(Control::MainWindow)));
    EXPECT_TRUE(sim::timers().empty());
}

TEST_F(WindowCommandsTest, HelpBoxesShowTheirTexts) {
    clickControl(Control::ScheduleAreaCheck);  // the usage button lies in the schedule area
    clickControl(Control::HotkeysButton);
    clickControl(Control::UsageButton);
    ASSERT_EQ(sim::messageBoxLog().size(), 2u);
    EXPECT_EQ(sim::messageBoxLog()[0].text,
              "F3显示/隐藏界面\r\nF1取X、Y坐标\r\n定时点击功能关闭的时候按F4键就能关闭\r\n上键关闭锁定点击功能！"_gbk);
    EXPECT_EQ(sim::messageBoxLog()[1].text, usageText);
    for (const sim::MessageBoxCall& box : sim::messageBoxLog()) {
        EXPECT_EQ(box.style, 4096u);
        EXPECT_EQ(box.title, "信息："_gbk);
    }
}

TEST(CommandBeforePlaceholderTest, CutsAtTheQuotedOrBarePlaceholder) {
    struct Case {
        const char* commandLine;
        const char* expected;
    };
    const Case cases[] = {
        {"\"C:\\b\\browser.exe\" -osint -url \"%1\"", "\"C:\\b\\browser.exe\" -osint -url "},
        {"C:\\b\\browser.exe %1 --new", "C:\\b\\browser.exe "},
        {"C:\\b\\browser.exe", "C:\\b\\browser.exe"},
        {"x \"%1\" %1", "x "},
    };
    for (const Case& c : cases) EXPECT_EQ(commandBeforePlaceholder(c.commandLine), c.expected);
}

class ContactLinkTest : public ProgramTest {
protected:
    void pressLink() {
        sim::click(handle(Control::ContactLink));
        sim::runPending();
    }
};

TEST_F(ContactLinkTest, TheShellOpensTheLinkAndMarksItVisited) {
    pressLink();
    ASSERT_EQ(sim::shellOpenLog().size(), 1u);
    EXPECT_EQ(sim::shellOpenLog()[0].substr(0, 8), "https://");
    EXPECT_TRUE(contactLinkVisited());
    EXPECT_TRUE(sim::winExecLog().empty());
    sim::runPending();
    ASSERT_FALSE(sim::lastPaint(handle(Control::ContactLink)).empty());
    EXPECT_EQ(sim::lastPaint(handle(Control::ContactLink)).back().color, rgb(128, 0, 0));
}

TEST_F(ContactLinkTest, FallsBackToTheWebPageProgram) {
    sim::setShellOpenResult(2);
    sim::setClassesRootDefault(".htm", "htmlfile");
    sim::setClassesRootDefault("htmlfile\\shell\\open\\command", "\"C:\\b.exe\" -url \"%1\"");
    pressLink();
    ASSERT_EQ(sim::winExecLog().size(), 1u);
    EXPECT_EQ(sim::winExecLog()[0], "\"C:\\b.exe\" -url  " + sim::shellOpenLog()[0]);
    EXPECT_TRUE(contactLinkVisited());
}

TEST_F(ContactLinkTest, NothingOpensItAndItIsNotVisited) {
    struct Case {
        bool fileType, command;
        unsigned winExecResult;
    };
    for (const Case c : {Case{false, false, 33}, Case{true, false, 33}, Case{true, true, 2}}) {
        start();
        sim::setShellOpenResult(31);
        if (c.fileType) sim::setClassesRootDefault(".htm", "htmlfile");
        if (c.command) sim::setClassesRootDefault("htmlfile\\shell\\open\\command", "b.exe %1");
        sim::setWinExecResult(c.winExecResult);
        pressLink();
        EXPECT_FALSE(contactLinkVisited()) << c.fileType << c.command;
        EXPECT_EQ(sim::winExecLog().size(), c.command ? 1u : 0u);
    }
}

TEST_F(ContactLinkTest, HoverShowsTheHoveredColourUntilThePointerLeaves) {
    const Rect link = windowRect(handle(Control::ContactLink));
    sim::movePointer(link.left + 3, link.top + 3);
    sim::hover(handle(Control::ContactLink), {link.left + 3, link.top + 3});
    sim::runPending();
    EXPECT_EQ(captureWindow(), handle(Control::ContactLink));
    EXPECT_EQ(sim::lastPaint(handle(Control::ContactLink)).back().color, rgb(51, 153, 255));
    sim::movePointer(link.right + 20, link.top);
    sim::hover(handle(Control::ContactLink), {link.right + 20, link.top});
    sim::runPending();
    EXPECT_EQ(captureWindow(), nullptr);
    EXPECT_EQ(sim::lastPaint(handle(Control::ContactLink)).back().color, rgb(0, 0, 255));
}

}  // namespace
