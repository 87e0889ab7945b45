#include "frontends/web/page_texts.h"

#include "core/screen/main_menu_layout.h"
#include "core/screen/reader_command_ids.h"
#include "core/texts/main_window_texts.h"
#include "frontends/web/page_call.h"
#include "frontends/web/page_names.h"
#include "frontends/web/page_text_table.h"

namespace fuda {

namespace {

struct ControlCaption {
  ControlId id;
  LocalText caption;
};

constexpr ControlCaption kControlCaptions[] = {
    {kStartWithMemoButton, texts::kStartWithMemoButton},
    {kQuickStartButton, texts::kQuickStartButton},
    {kNextButton, texts::kNextButton},           {kExitButton, texts::kExitButton},
    {kManualRadio, texts::kManualRadio},         {kAutoRadio, texts::kAutoRadio},
};

}  // namespace

std::string pageTextsJson(Language language) {
  std::string json = "{\"windowTitle\":" + jsonText(pick(language, texts::kWindowTitle)) +
                     ",\"makerNotice\":" + jsonText(pick(language, texts::kMakerNotice)) +
                     ",\"controls\":{";
  const char* comma = "";
  for (const ControlCaption& control : kControlCaptions) {
    json += comma + jsonText(controlName(control.id)) + ":" +
            jsonText(pick(language, control.caption));
    comma = ",";
  }
  json += "},\"menuBar\":[";
  comma = "";
  for (const MenuLayout& menu : kMainMenuBar) {
    json += comma + std::string("{\"title\":") + jsonText(pick(language, menu.title)) +
            ",\"items\":[";
    const char* itemComma = "";
    for (const MenuItemLayout& item : menu.items) {
      json += itemComma;
      const auto command = readerCommandFor(item.id);
      json += !command ? std::string("null")
                       : "{\"command\":" + jsonText(commandName(*command)) +
                             ",\"caption\":" + jsonText(pick(language, item.caption)) + "}";
      itemComma = ",";
    }
    json += "]}";
    comma = ",";
  }
  json += "],\"all\":{";
  comma = "";
  for (const NamedText& text : pageTextTable()) {
    json += comma + jsonText(text.name) + ":" + jsonText(pick(language, text.text));
    comma = ",";
  }
  return json + "}}";
}

}  // namespace fuda
