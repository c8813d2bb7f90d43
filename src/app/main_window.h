// The main window's class: routes control notifications to their handlers and ends the message
// loop when the window is destroyed.
#pragma once

extern const char* const kMainWindowClassName;

void registerMainWindowClass();
