// Routing of a hotkey press to its action.
#pragma once

#include <cstdint>

// Five independent tests against the stored ids, in a fixed order; each match runs its action.
void dispatchHotkey(std::int32_t id, std::int32_t extra);
