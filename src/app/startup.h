// Start-up: from process start to the shown main window, and the message loop after it.
#pragma once

#include "platform/platform.h"

// Steps before the message loop: COM, the current directory, the window and its controls,
// the creation handler, the window shown. Ends the program through fatalError when the
// window cannot be built.
void startUp();

// What the message loop does with each fetched message.
void processMessage(const platform::Message& message);

// Runs until WM_QUIT and returns its exit code.
int runMessageLoop();

// The creation handler of the main window.
void onMainWindowCreated();
