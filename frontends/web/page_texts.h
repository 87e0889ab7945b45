#pragma once
// The main window's own captions and menu bar for the page, from the core's
// texts, as one JSON object (see reader_bridge.js's texts()).
#include <string>

#include "core/texts/language.h"

namespace fuda {

// Any thread: {"windowTitle", "makerNotice", "controls": {name: caption},
// "menuBar": [{"title", "items": [{"command", "caption"} or null]}]}.
std::string pageTextsJson(Language language);

}  // namespace fuda
