// The fatal error box and the end that follows it.
#include "app/fatal_error.h"

#include "app/controls.h"
#include "platform/platform.h"

namespace {
constexpr std::uint32_t kStopIcon = 16;  // MB_ICONHAND with an OK button
}

void fatalError(const Text& message) {
    const Text text = Text("运行时出错!\r\n\r\n错误信息："_gbk) + message + "\r\n";
    platform::messageBox(text, Text("错误"_gbk), kStopIcon);
    endProgram(-1);
}
