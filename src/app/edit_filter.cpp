// The edit-box subclass that filters typed characters.
#include "app/edit_filter.h"

namespace {

platform::WindowProc editProc = nullptr;

platform::LResult PLATFORM_WINAPI filteringProc(platform::Window window, unsigned message,
                                platform::WParam wParam, platform::LParam lParam) {
    if (message == platform::msg::Char && !typedCharacterAllowed(wParam)) return 0;
    return platform::callWindowProc(editProc, window, message, wParam, lParam);
}

}  // namespace

bool typedCharacterAllowed(platform::WParam character) {
    return character < 32 || character == '-' || (character >= '0' && character <= '9');
}

void filterTypedDigits(platform::Window edit) {
    platform::WindowProc previous = platform::setWindowProc(edit, filteringProc);
    if (previous != filteringProc) editProc = previous;
}
