// Builds the main window and its controls from the window description.
#pragma once

// Creates the window hidden with every control, in start-up order; false when any window
// cannot be created.
bool buildMainWindow();
