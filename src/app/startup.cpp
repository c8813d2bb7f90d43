// Start-up in its fixed order, and the message loop.
#include "app/startup.h"

#include "app/controls.h"
#include "app/fatal_error.h"
#include "app/program.h"
#include "app/program_state.h"
#include "app/window_builder.h"
#include "app/window_keys.h"
#include "hotkeys/program_hotkey.h"

namespace {

constexpr std::int32_t kVirtualKeyF3 = 114;
constexpr std::int32_t kVirtualKeyF1 = 112;

void enterProgramFolder() {
    const Text path = platform::moduleFileName();
    const std::size_t slash = path.rfind('\\');
    if (slash != Text::npos) platform::setCurrentDirectory(path.substr(0, slash));
}

}  // namespace

void onMainWindowCreated() {
    showHideHotkeyId = registerProgramHotkey(kVirtualKeyF3);
    captureHotkeyId = registerProgramHotkey(kVirtualKeyF1);
    captureArmed = 1;
    unlockKeyPending = 1;
    lockConfirmed = 0;
    stopKeyPending = 1;
    setFocus(Control::StartKeyCombo);
}

void startUp() {
    platform::oleInitialize();
    enterProgramFolder();
    if (!buildMainWindow()) fatalError(Text("载入启动窗口失败"_gbk));
    onMainWindowCreated();
    platform::showWindow(windowHandle(Control::MainWindow), platform::show::Show);
}

void processMessage(const platform::Message& message) {
    if (handleWindowKeys(message)) return;
    platform::translateMessage(message);
    platform::dispatchMessage(message);
}

int runMessageLoop() {
    platform::Message message;
    while (platform::getMessage(message)) processMessage(message);
    platform::oleUninitialize();
    return static_cast<int>(message.wParam);
}

int runProgram() {
    startUp();
    return runMessageLoop();
}
