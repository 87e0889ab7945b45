#pragma once
// The names the page knows the main window's controls and the reader's
// commands by: the core's own names, so the page never deals in numbers.
#include <optional>
#include <string_view>

#include "core/screen/control_ids.h"

namespace fuda {

// "NextButton" for kNextButton; empty for an id that names no control.
std::string_view controlName(ControlId id);

// The id of the command called `name` ("ReadNext"); nothing for an unknown
// name.
std::optional<int> commandId(std::string_view name);
// The name of the command an id carries; empty for none.
std::string_view commandName(int id);

}  // namespace fuda
