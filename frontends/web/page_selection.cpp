#include "frontends/web/page_selection.h"

#include "core/cards/card_selection_rules.h"
#include "core/cards/third_game_rules.h"
#include "frontends/web/page_call.h"

namespace fuda {

namespace {

std::string number(int value) { return std::to_string(value); }

}  // namespace

std::string selectionLayoutJson(Language language) {
  std::string json = "{\"poems\":[";
  const char* comma = "";
  for (const PoemButton& poem : poemButtons()) {
    json += comma + std::string("{\"poem\":") + number(poem.poem) +
            ",\"column\":" + number(poem.column) +
            ",\"caption\":" + jsonText(pick(language, poem.caption)) +
            ",\"buttonId\":" + number(poem.buttonId) + ",\"boxId\":" + number(poem.boxId) + "}";
    comma = ",";
  }
  json += "],\"blocks\":[";
  comma = "";
  for (const BlockButton& block : blockButtons()) {
    json += comma + std::string("{\"id\":") + number(block.id) +
            ",\"caption\":" + jsonText(pick(language, block.caption)) + "}";
    comma = ",";
  }
  json += "],\"okId\":" + number(kSelectionOkButton) +
          ",\"cancelId\":" + number(kSelectionCancelButton) + ",\"thirds\":[";
  comma = "";
  for (const Third& third : thirds()) {
    json += comma + std::string("{\"choice\":") + number(third.choice) +
            ",\"caption\":" + jsonText(pick(language, third.buttonCaption)) +
            ",\"label\":" + jsonText(pick(language, third.label)) +
            ",\"buttonId\":" + number(third.buttonId) + ",\"boxId\":" + number(third.boxId) + "}";
    comma = ",";
  }
  return json + "],\"thirdOkId\":" + number(kThirdOkButton) +
         ",\"thirdCancelId\":" + number(kThirdCancelButton) + "}";
}

std::string selectionStateJson(const CardSelection& selection, std::string_view step) {
  std::string json = "{\"selected\":[";
  const char* comma = "";
  for (const bool selected : selection.selected) {
    json += comma;
    json += selected ? '1' : '0';
    comma = ",";
  }
  json += "],\"thirdChoice\":" + number(selection.thirdChoice.load());
  if (!step.empty()) json += ",\"step\":" + jsonText(step);
  return json + "}";
}

std::string_view stepName(SelectionDialogStep step) {
  switch (step) {
    case SelectionDialogStep::ShowSelection:
      return "ShowSelection";
    case SelectionDialogStep::Close:
      return "Close";
    case SelectionDialogStep::ShowNothingSelected:
      return "ShowNothingSelected";
  }
  return {};
}

}  // namespace fuda
