// Fonts of the program's own windows.
#include "app/window_font.h"

#include <map>

namespace {
std::map<platform::Window, platform::WParam> fonts;
}

bool handleFontMessage(platform::Window window, unsigned message, platform::WParam wParam,
                       platform::LResult& result) {
    if (message == platform::msg::SetFont) {
        fonts[window] = wParam;
        result = 0;
        return true;
    }
    if (message == platform::msg::GetFont) {
        const auto found = fonts.find(window);
        result = found == fonts.end() ? 0 : static_cast<platform::LResult>(found->second);
        return true;
    }
    if (message == platform::msg::NcDestroy) fonts.erase(window);
    return false;
}
