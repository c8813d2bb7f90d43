// The one way the program dies of an error: an error box, then the window destroyed, COM
// released and the process ended with exit code -1.
#pragma once

#include "platform/text.h"

[[noreturn]] void fatalError(const Text& message);
