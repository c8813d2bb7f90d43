// Message boxes: the style rule and the mapping of the pressed button to a result.
#include "app/message_box.h"

#include <array>

#include "platform/platform.h"

namespace {

constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;

struct ButtonResult {
    int buttonId;  // MessageBoxA's return value
    MessageBoxResult result;
};

constexpr std::array<ButtonResult, 6> kResults = {{
    {2, 1},  // Cancel
    {3, 2},  // Abort
    {4, 3},  // Retry
    {5, 4},  // Ignore
    {6, 5},  // Yes
    {7, 6},  // No
}};

}  // namespace

MessageBoxResult messageBox(const Text& text, std::uint32_t style) {
    if (!(style & kSystemModal)) style |= kTaskModal;
    const int button = platform::messageBox(text, Text("信息："_gbk), style);
    for (const ButtonResult& entry : kResults)
        if (entry.buttonId == button) return entry.result;
    return 0;  // OK, and a box that failed to open
}
