// The inspector's commands: each reads its arguments and writes one JSON object.
#pragma once

#include <string>
#include <vector>

#include "inspector/json_writer.h"

namespace inspector {

// Runs one command line split into words; false for "quit".
bool runCommand(const std::vector<std::string>& words, Json& json);

}  // namespace inspector
