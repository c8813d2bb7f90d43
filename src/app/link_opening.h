// Opening a link: the shell first, then the program registered for web pages.
#pragma once

#include "platform/text.h"

// True when something opened the target.
bool openLinkTarget(const Text& target);

// The registered web-page command line with its "%1" placeholder cut off, ready for the
// target to be appended.
Text commandBeforePlaceholder(const Text& commandLine);
