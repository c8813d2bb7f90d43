// The sim's pointer and injected input, hover and capture, and the scripted shell, registry,
// process and library calls.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;
using platform::mouseFlag::LeftDown;
using platform::mouseFlag::LeftUp;

class SimInput : public SimTest {};

TEST_F(SimInput, InjectedInputIsLoggedWithItsTimeAndMovesThePointerOnTheScreen) {
    sim::movePointer(5, 6);
    platform::Point p;
    ASSERT_TRUE(platform::cursorPos(p));
    EXPECT_EQ(p.x, 5);
    sim::runFor(12);
    platform::setCursorPos(100, 200);
    platform::mouseEvent(LeftDown, 100, 200, 0, 0);
    platform::mouseEvent(LeftUp, 100, 200, 0, 0);
    ASSERT_EQ(sim::inputLog().size(), 3u);
    EXPECT_EQ(sim::inputLog()[0].kind, sim::InputKind::SetCursorPos);
    EXPECT_EQ(sim::inputLog()[1].kind, sim::InputKind::MouseEvent);
    EXPECT_EQ(sim::inputLog()[1].flags, LeftDown);
    EXPECT_EQ(sim::inputLog()[2].time, 12);
    EXPECT_EQ(sim::pointer().x, 100);
    EXPECT_EQ(sim::pointer().y, 200);  // button events do not move it

    platform::setCursorPos(5000, -3);  // logged as asked, kept on the screen
    EXPECT_EQ(sim::inputLog().back().x, 5000);
    EXPECT_EQ(sim::pointer().x, 1919);
    EXPECT_EQ(sim::pointer().y, 0);
    sim::clearInputLog();
    EXPECT_TRUE(sim::inputLog().empty());
}

TEST_F(SimInput, AFailingCursorPosLeavesThePointAlone) {
    sim::failCursorPos(true);
    platform::Point p{-7, -8};
    EXPECT_FALSE(platform::cursorPos(p));
    EXPECT_EQ(p.x, -7);
}

TEST_F(SimInput, HoverGoesToTheCaptureWindowAndCaptureChangesAreAnnounced) {
    Window main = topLevel();
    platform::showWindow(main, platform::show::Show);
    Window link = child(main, kRecorder, 0, 1, {10, 10, 60, 30});
    Window other = child(main, kRecorder, 0, 2, {10, 50, 60, 70});
    const platform::Rect r = platform::windowRect(link);
    sim::hover(link, {r.left + 4, r.top + 3});
    auto moves = messagesTo(link, msg::MouseMove);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].lParam, 4 | (3 << 16));  // client coordinates
    platform::setCapture(link);
    sim::hover(other, {r.left, r.bottom + 30});
    EXPECT_EQ(messagesTo(link, msg::MouseMove).size(), 2u);
    EXPECT_TRUE(messagesTo(other, msg::MouseMove).empty());
    platform::setCapture(other);
    EXPECT_EQ(messagesTo(link, msg::CaptureChanged).size(), 1u);
    platform::releaseCapture();
    EXPECT_EQ(messagesTo(other, msg::CaptureChanged).size(), 1u);
    EXPECT_EQ(platform::captureWindow(), nullptr);
}

TEST_F(SimInput, ClickingACustomWindowSendsButtonMessagesAtItsCentre) {
    Window main = topLevel();
    platform::showWindow(main, platform::show::Show);
    Window label = child(main, kRecorder, 0, 1, {10, 10, 60, 30});
    sim::click(label);
    const auto downs = messagesTo(label, msg::LButtonDown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].lParam, 25 | (10 << 16));
    EXPECT_EQ(messagesTo(label, msg::LButtonUp).size(), 1u);
    EXPECT_TRUE(platform::pointInWindow(label, sim::pointer()));
}

class SimProcess : public SimTest {};

TEST_F(SimProcess, ShellRegistryAndWinExecAnswerAsScriptedAndAreLogged) {
    EXPECT_EQ(platform::shellOpen("http://x"), 42);
    sim::setShellOpenResult(2);
    EXPECT_EQ(platform::shellOpen("http://y"), 2);
    EXPECT_EQ(sim::shellOpenLog(), (std::vector<Text>{"http://x", "http://y"}));

    Text value = "untouched";
    EXPECT_FALSE(platform::readClassesRootDefault(".htm", value));
    EXPECT_EQ(value, "untouched");
    sim::setClassesRootDefault(".htm", "htmlfile");
    EXPECT_TRUE(platform::readClassesRootDefault(".HTM", value));
    EXPECT_EQ(value, "htmlfile");
    EXPECT_EQ(sim::registryReadLog().size(), 2u);

    EXPECT_EQ(platform::winExec("a.exe x"), 33u);
    sim::setWinExecResult(2);
    EXPECT_EQ(platform::winExec("b.exe"), 2u);
    EXPECT_EQ(sim::winExecLog(), (std::vector<Text>{"a.exe x", "b.exe"}));
}

TEST_F(SimProcess, ProcessCallsAreCountedAndExitThrowsTheExitCode) {
    platform::oleInitialize();
    platform::oleUninitialize();
    platform::oleUninitialize();
    EXPECT_EQ(sim::oleInitializeCount(), 1);
    EXPECT_EQ(sim::oleUninitializeCount(), 2);
    EXPECT_EQ(platform::moduleFileName(), "C:\\Program Files\\Spruce\\spruce-clicker.exe");
    EXPECT_FALSE(sim::currentDirectory().has_value());
    platform::setCurrentDirectory("C:\\Program Files\\Spruce");
    EXPECT_EQ(sim::currentDirectory(), Text("C:\\Program Files\\Spruce"));
    try {
        platform::exitProcess(-1);
        FAIL() << "exitProcess returned";
    } catch (const sim::ProcessExit& exit) {
        EXPECT_EQ(exit.exitCode, -1);
    }
}

TEST_F(SimProcess, Kernel32GivesACountingSetProcessWorkingSetSizeUnlessSwitchedOff) {
    platform::Module kernel = platform::loadLibrary("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_EQ(platform::procAddress(kernel, "NoSuchFunction"), nullptr);
    auto trim = reinterpret_cast<platform::SetProcessWorkingSetSizeFn>(
        platform::procAddress(kernel, "SetProcessWorkingSetSize"));
    ASSERT_NE(trim, nullptr);
    EXPECT_NE(trim(platform::currentProcess(), static_cast<std::size_t>(-1),
                   static_cast<std::size_t>(-1)), 0);
    ASSERT_EQ(sim::workingSetCalls().size(), 1u);
    EXPECT_EQ(sim::workingSetCalls()[0].process, sim::currentProcessHandle());
    EXPECT_EQ(sim::workingSetCalls()[0].minimum, static_cast<std::size_t>(-1));
    platform::freeLibrary(kernel);
    EXPECT_EQ(sim::freeLibraryCount(), 1);

    sim::hideSetProcessWorkingSetSize(true);
    EXPECT_EQ(platform::procAddress(kernel, "SetProcessWorkingSetSize"), nullptr);
    sim::failLoadLibrary(true);
    EXPECT_EQ(platform::loadLibrary("kernel32.dll"), nullptr);
    EXPECT_EQ(sim::loadLibraryCount(), 2);
}

TEST_F(SimProcess, ScreenSizeIconsAndFontAreAnswered) {
    EXPECT_EQ(platform::systemMetric(platform::metric::CxScreen), 1920);
    sim::setScreenSize(1024, 768);
    EXPECT_EQ(platform::systemMetric(platform::metric::CyScreen), 768);
    EXPECT_NE(platform::loadIcon("DEFAULT_ICON", 32), 0u);
    EXPECT_NE(platform::loadIcon("DEFAULT_ICON", 16), platform::loadIcon("DEFAULT_ICON", 32));
    Window w = topLevel();
    platform::sendMessage(w, msg::SetFont, platform::stockGuiFont(), 1);
    platform::sendMessage(w, msg::SetIcon, 1, static_cast<LParam>(platform::loadIcon("DEFAULT_ICON", 32)));
    EXPECT_EQ(sim::windowFont(w), platform::stockGuiFont());
    EXPECT_EQ(sim::windowIcon(w, true), platform::loadIcon("DEFAULT_ICON", 32));
    EXPECT_EQ(sim::windowIcon(w, false), 0u);
    constexpr unsigned kGetFont = 0x0031;
    Window edit = child(w, "EDIT", 0, 1);
    platform::sendMessage(edit, msg::SetFont, platform::stockGuiFont(), 1);
    EXPECT_EQ(platform::sendMessage(edit, kGetFont, 0, 0),
              static_cast<LResult>(platform::stockGuiFont()));  // system controls keep it
    EXPECT_EQ(platform::sendMessage(w, kGetFont, 0, 0), 0);    // defWindowProc does not
}

}  // namespace
