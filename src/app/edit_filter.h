// The digit filter of the edit boxes: typed printable characters other than "-" and the digits
// are dropped; control characters and pasted text pass.
#pragma once

#include "platform/platform.h"

void filterTypedDigits(platform::Window edit);
bool typedCharacterAllowed(platform::WParam character);
