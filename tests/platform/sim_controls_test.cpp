// The sim's system controls: button clicks and check boxes, group boxes that swallow their
// children's notifications, edit typing rules and limits, combo-box choices, and the control
// colours that paints use.
#include "platform/sim/sim.h"
#include "sim_fixture.h"

namespace {

using namespace simtest;
namespace msg = platform::msg;
namespace style = platform::style;

constexpr unsigned kEnSetFocus = 0x100, kEnChange = 0x300, kEnUpdate = 0x400, kEnMaxText = 0x501;
constexpr unsigned kCbnSelChange = 1, kCbnSetFocus = 3, kCbnDropDown = 7, kCbnCloseUp = 8;

class SimControls : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        main = topLevel();
        platform::showWindow(main, platform::show::Show);
        sim::runPending();
        clearReceived();
    }
    Window main = nullptr;
};

TEST_F(SimControls, APushButtonClickNotifiesItsParentAndTakesTheFocus) {
    Window button = child(main, "BUTTON", style::BsPushButton, 41);
    sim::click(button);
    const auto commands = messagesTo(main, msg::Command);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commandId(commands[0]), 41);
    EXPECT_EQ(commandCode(commands[0]), platform::notify::ButtonClicked);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LParam>(button));
    EXPECT_EQ(platform::focusedWindow(), button);
    platform::sendMessage(button, msg::BmClick, 0, 0);
    EXPECT_EQ(messagesTo(main, msg::Command).size(), 2u);
}

TEST_F(SimControls, AnAutoCheckBoxTogglesBeforeItNotifies) {
    Window box = child(main, "BUTTON", style::BsAutoCheckBox, 42);
    std::vector<LResult> checkSeen;
    reaction() = [&](const Received& r, LResult&) {
        if (r.message == msg::Command) checkSeen.push_back(platform::sendMessage(box, msg::BmGetCheck, 0, 0));
        return false;
    };
    sim::click(box);
    sim::click(box);
    EXPECT_EQ(checkSeen, (std::vector<LResult>{1, 0}));
    platform::sendMessage(box, msg::BmSetCheck, 1, 0);
    EXPECT_EQ(sim::buttonCheck(box), 1);
    EXPECT_EQ(checkSeen.size(), 2u);  // BM_SETCHECK does not notify
}

TEST_F(SimControls, ControlsInsideAGroupBoxNotifyTheGroupBoxWhichPassesNothingOn) {
    Window group = child(main, "BUTTON", style::BsGroupBox, 30, {4, 4, 200, 150});
    Window inside = child(group, "BUTTON", style::BsPushButton, 25);
    Window check = child(group, "BUTTON", style::BsAutoCheckBox, 26, {10, 40, 60, 60});
    sim::click(inside);
    sim::click(check);
    sim::click(group);  // a group box is no button
    EXPECT_TRUE(messagesTo(main, msg::Command).empty());
    EXPECT_EQ(sim::buttonCheck(check), 1);

    // A subclass on the group box sees the notifications.
    static std::vector<int> forwardedIds;
    static platform::WindowProc groupProc;
    forwardedIds.clear();
    groupProc = platform::setWindowProc(
        group, [](Window w, unsigned m, WParam wp, LParam lp) -> LResult {
            if (m == msg::Command) forwardedIds.push_back(static_cast<int>(wp & 0xFFFF));
            return platform::callWindowProc(groupProc, w, m, wp, lp);
        });
    sim::click(inside);
    EXPECT_EQ(forwardedIds, (std::vector<int>{25}));
}

TEST_F(SimControls, EditTypingAppendsPrintablesAndBackspaceRemovesOneCharacter) {
    Window edit = child(main, "EDIT", style::EsAutoHScroll, 36);
    struct Case {
        Text typed;
        Text expected;
    };
    const Case cases[] = {
        {"12a", "12a"},
        {"12\b", "1"},
        {"\b\b", ""},
        {"1\t\r\x16" "2", "12"},         // control characters do nothing
        {"x\xC4\xE3", "x\xC4\xE3"},      // a GBK pair
        {"\xC4\xE3\b", ""},              // backspace takes the whole pair
    };
    for (const Case& c : cases) {
        platform::setWindowText(edit, "");
        sim::typeText(edit, c.typed);
        EXPECT_EQ(platform::getWindowText(edit), c.expected) << "typed " << ::testing::PrintToString(c.typed);
    }
    EXPECT_EQ(platform::focusedWindow(), edit);
}

TEST_F(SimControls, TheEditLimitCountsCharactersAndStopsTypingButNotSetTextOrPasteBeyond) {
    Window edit = child(main, "EDIT", 0, 27);
    EXPECT_EQ(sim::editLimit(edit), sim::kDefaultEditLimit);
    platform::sendMessage(edit, msg::EmLimitText, 0, 0);
    EXPECT_EQ(sim::editLimit(edit), sim::kMaximumEditLimit);
    platform::sendMessage(edit, msg::EmLimitText, 2, 0);
    sim::typeText(edit, "123");
    EXPECT_EQ(platform::getWindowText(edit), "12");
    EXPECT_EQ(commandCodesTo(main).back(), kEnMaxText);
    platform::setWindowText(edit, "\xC4\xE3");  // one character
    sim::typeText(edit, "\xBA\xC3" "9");
    EXPECT_EQ(platform::getWindowText(edit), "\xC4\xE3\xBA\xC3");
    platform::setWindowText(edit, "12345");
    EXPECT_EQ(platform::getWindowText(edit), "12345");
    platform::setWindowText(edit, "");
    sim::paste(edit, "abc");  // unfiltered, cut at the limit
    EXPECT_EQ(platform::getWindowText(edit), "ab");
}

TEST_F(SimControls, EditChangesAndFocusChangesNotifyTheParent) {
    Window edit = child(main, "EDIT", 0, 27);
    Window other = child(main, "EDIT", 0, 28);
    sim::typeText(edit, "5");
    platform::setFocus(other);
    std::vector<unsigned> fromEdit;
    for (const Received& r : messagesTo(main, msg::Command))
        if (commandId(r) == 27) fromEdit.push_back(commandCode(r));
    EXPECT_EQ(fromEdit, (std::vector<unsigned>{kEnSetFocus, kEnUpdate, kEnChange,
                                               platform::notify::EditKillFocus}));
}

TEST_F(SimControls, ComboBoxItemsSelectionHeightsAndDropDown) {
    Window combo = child(main, "COMBOBOX", style::CbsDropDownList, 14, {69, 15, 133, 175});
    for (const char* item : {"A", "B", "C"}) platform::addListItem(combo, item);
    EXPECT_EQ(sim::comboItems(combo), (std::vector<Text>{"A", "B", "C"}));
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetCurSel, 0, 0), -1);
    EXPECT_EQ(platform::getWindowText(combo), "");
    EXPECT_EQ(platform::sendMessage(combo, msg::CbSetCurSel, 1, 0), 1);
    EXPECT_EQ(platform::getWindowText(combo), "B");
    EXPECT_EQ(platform::sendMessage(combo, msg::CbSetCurSel, 7, 0), -1);
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetCurSel, 0, 0), -1);  // cleared

    const LResult height = platform::sendMessage(combo, msg::CbGetItemHeight, 0, 0);
    EXPECT_EQ(height, sim::kDefaultComboItemHeight);
    platform::sendMessage(combo, msg::CbSetItemHeight, 0, height + 1);
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetItemHeight, 0, 0), height + 1);

    platform::sendMessage(combo, msg::CbShowDropDown, 1, 0);
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetDroppedState, 0, 0), 1);
    platform::sendMessage(combo, msg::CbShowDropDown, 0, 0);
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetDroppedState, 0, 0), 0);
    EXPECT_EQ(commandCodesTo(main), (std::vector<unsigned>{kCbnDropDown, kCbnCloseUp}));
}

TEST_F(SimControls, ChoosingAnItemNotifiesSelEndOkWithTheSelectionAlreadyMade) {
    Window combo = child(main, "COMBOBOX", style::CbsDropDownList, 14, {69, 15, 133, 175});
    for (const char* item : {"A", "B", "C"}) platform::addListItem(combo, item);
    std::vector<LResult> selectionAtSelEndOk;
    reaction() = [&](const Received& r, LResult&) {
        if (r.message == msg::Command && commandCode(r) == platform::notify::ComboSelEndOk)
            selectionAtSelEndOk.push_back(platform::sendMessage(combo, msg::CbGetCurSel, 0, 0));
        return false;
    };
    sim::chooseComboItem(combo, 2);
    sim::chooseComboItem(combo, 2);  // the same item again still notifies
    EXPECT_EQ(selectionAtSelEndOk, (std::vector<LResult>{2, 2}));
    EXPECT_FALSE(sim::comboDropped(combo));
    EXPECT_EQ(platform::focusedWindow(), combo);
    EXPECT_EQ(commandCodesTo(main),
              (std::vector<unsigned>{kCbnSetFocus, kCbnDropDown, platform::notify::ComboSelEndOk,
                                     kCbnCloseUp, kCbnSelChange, kCbnDropDown,
                                     platform::notify::ComboSelEndOk, kCbnCloseUp}));
    EXPECT_THROW(sim::chooseComboItem(combo, 3), std::out_of_range);
}

TEST_F(SimControls, ArrowKeysMoveAComboSelection) {
    Window combo = child(main, "COMBOBOX", style::CbsDropDownList, 14, {69, 15, 133, 175});
    for (const char* item : {"A", "B"}) platform::addListItem(combo, item);
    platform::setFocus(combo);
    for (unsigned key : {0x28u, 0x28u, 0x28u}) sim::pressKey(key);  // Down
    sim::runPending();
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetCurSel, 0, 0), 1);
    sim::pressKey(platform::vk::Up);
    sim::runPending();
    EXPECT_EQ(platform::sendMessage(combo, msg::CbGetCurSel, 0, 0), 0);
}

TEST_F(SimControls, ControlsPaintTheirTextInTheColourTheirParentAnswers) {
    Window group = child(main, "BUTTON", style::BsGroupBox, 30, {4, 4, 200, 150}, "Group");
    Window check = child(group, "BUTTON", style::BsAutoCheckBox, 26, {10, 40, 60, 60}, "Check");
    constexpr platform::Color kBlue = platform::rgb(0, 96, 192);
    std::vector<unsigned> colorMessages;
    reaction() = [&](const Received& r, LResult& result) {
        if (r.message != msg::CtlColorStatic && r.message != msg::CtlColorBtn) return false;
        colorMessages.push_back(r.message);
        result = platform::controlColors(r.wParam, kBlue);
        return true;
    };
    sim::runPending();
    ASSERT_EQ(sim::paintedTexts(group), (std::vector<Text>{"Group"}));
    EXPECT_EQ(sim::lastPaint(group).back().color, kBlue);
    EXPECT_EQ(colorMessages, (std::vector<unsigned>{msg::CtlColorStatic}));
    // The check box asks its own parent, the group box, which answers black by default.
    ASSERT_EQ(sim::paintedTexts(check), (std::vector<Text>{"Check"}));
    EXPECT_EQ(sim::lastPaint(check).back().color, 0u);
}

}  // namespace

namespace {

class SimPainting : public simtest::SimTest {};

TEST_F(SimPainting, AnErasingInvalidationPaintsTheBackgroundIntoTheNextPaint) {
    using namespace simtest;
    Window main = topLevel();
    platform::showWindow(main, platform::show::Show);
    sim::runPending();
    const int paints = sim::paintCount(main);
    platform::invalidateRect(main, false);
    sim::runPending();
    EXPECT_EQ(sim::paintCount(main), paints + 1);
    EXPECT_TRUE(sim::lastPaint(main).empty());  // nothing erased, nothing drawn
    platform::invalidateRect(main, true);
    sim::runPending();
    ASSERT_EQ(sim::lastPaint(main).size(), 1u);
    const sim::PaintOp& fill = sim::lastPaint(main)[0];
    EXPECT_EQ(fill.kind, sim::PaintKind::FillRect);
    EXPECT_EQ(fill.color, platform::systemColor(platform::sysColor::BtnFace));
    EXPECT_EQ(fill.rect.width(), platform::clientRect(main).width());
    EXPECT_EQ(sim::invalidateCount(main), 2);
}

}  // namespace
