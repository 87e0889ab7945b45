#pragma once
// The main window's own captions and menu bar, and every other text of the
// core by its name, for the page, as one JSON object (see reader_bridge.js's
// texts()).
#include <string>

#include "core/texts/language.h"

namespace fuda {

// Any thread: {"windowTitle", "makerNotice", "controls": {name: caption},
// "menuBar": [{"title", "items": [{"command", "caption"} or null]}],
// "all": {name: text} for every text of the core}.
std::string pageTextsJson(Language language);

}  // namespace fuda
