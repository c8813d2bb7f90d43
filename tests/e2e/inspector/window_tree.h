// The program's window tree as JSON: every window with its class, text, id, rectangles,
// visibility, style and z-order, plus the focus.
#pragma once

#include "inspector/json_writer.h"
#include "inspector/target.h"

namespace inspector {

void writeTree(Json& json, const Target& target);

}  // namespace inspector
