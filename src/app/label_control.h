// The self-drawn label: background, then its caption in the row's text colour. A label also
// receives the hotkey notifications when it is the hotkey receiver.
#pragma once

extern const char* const kLabelClassName;

void registerLabelClass();
