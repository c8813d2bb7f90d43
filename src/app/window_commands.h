// Window-level commands: always on top, the schedule area, show and hide, exit, the help boxes
// and the contact link.
#pragma once

#include <string_view>

extern const std::string_view hotkeysText;
extern const std::string_view usageText;

void onTopmostCheck();
void onScheduleAreaCheck();
void toggleShowHide();
void onExitButton();
void onHotkeysButton();
void onUsageButton();
void openContactLink();
