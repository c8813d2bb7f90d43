// The program fixture.
#include "support/program_fixture.h"

#include <algorithm>
#include <memory>

#include "app/program_state.h"
#include "app/startup.h"
#include "hotkeys/start_key_table.h"

void ProgramTest::SetUp() { start(); }

void ProgramTest::TearDown() { sim::reset(); }

void ProgramTest::start(const std::function<void()>& prepare) {
    sim::reset();
    resetProgramState();
    if (prepare) prepare();
    sim::setMessageProcessor(processMessage);
    startUp();
    sim::runPending();
}

void ProgramTest::chooseStartKey(std::string_view keyText) {
    const auto row = std::find_if(StartKeyTable.begin(), StartKeyTable.end(),
                                  [&](const StartKey& key) { return key.text == keyText; });
    ASSERT_NE(row, StartKeyTable.end()) << keyText;
    sim::chooseComboItem(handle(Control::StartKeyCombo),
                         static_cast<int>(row - StartKeyTable.begin()));
    sim::runPending();
}

void ProgramTest::press(unsigned virtualKey, unsigned modifiers) {
    sim::pressKey(virtualKey, modifiers);
    sim::runPending();
}

void ProgramTest::advance(std::int64_t ms) { sim::runFor(ms); }

void ProgramTest::clickControl(Control c) {
    sim::click(handle(c));
    sim::runPending();
}

void ProgramTest::typeInto(Control c, const Text& text) {
    sim::typeText(handle(c), text);
    sim::runPending();
}

void ProgramTest::replaceText(Control c, const Text& text) {
    platform::setWindowText(handle(c), text);
}

std::optional<int> ProgramTest::exitCodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const sim::ProcessExit& exit) {
        return exit.exitCode;
    }
    return std::nullopt;
}

int ProgramTest::buttonDowns(unsigned flag) {
    return static_cast<int>(std::count_if(
        sim::inputLog().begin(), sim::inputLog().end(), [flag](const sim::InputEvent& e) {
            return e.kind == sim::InputKind::MouseEvent && e.flags == flag;
        }));
}

void ProgramTest::answerBoxes(std::vector<int> buttons) {
    auto queue = std::make_shared<std::vector<int>>(std::move(buttons));
    sim::answerMessageBoxes([queue](const sim::MessageBoxCall&) {
        if (queue->empty()) return sim::kIdOk;
        const int button = queue->front();
        queue->erase(queue->begin());
        return button;
    });
}

int ProgramTest::boxesWithText(std::string_view text) {
    return static_cast<int>(std::count_if(sim::messageBoxLog().begin(), sim::messageBoxLog().end(),
                                          [text](const sim::MessageBoxCall& c) { return c.text == text; }));
}

bool ProgramTest::mainVisible() { return platform::isWindowVisible(handle(Control::MainWindow)); }
