#include "frontends/web/web_timer_face.h"

#include "core/countdown/clock_hands.h"
#include "frontends/web/page_call.h"

namespace fuda {

namespace {

std::string pointJson(const ClockPoint& point) {
  return "{\"x\":" + std::to_string(point.x) + ",\"y\":" + std::to_string(point.y) + "}";
}

}  // namespace

void WebTimerFace::showCountdownText(std::string_view text) {
  callPage("showCountdownText", "[" + jsonText(text) + "]");
}

void WebTimerFace::showHands(const LocalTime& time) {
  callPage("showHands", "[{\"hour\":" + std::to_string(time.hour) +
                            ",\"minute\":" + std::to_string(time.minute) +
                            ",\"second\":" + std::to_string(time.second) + "}]");
}

std::string clockHandsJson(int width, int height, const LocalTime& time) {
  std::string json = "[";
  const char* comma = "";
  for (const ClockHand& hand : clockHands(width, height, time, ClockArea::WholeClient)) {
    json += comma + std::string("{\"from\":") + pointJson(hand.from) +
            ",\"to\":" + pointJson(hand.to) + ",\"pen\":{\"width\":" +
            std::to_string(hand.pen.width) + ",\"red\":" + std::to_string(hand.pen.red) +
            ",\"green\":" + std::to_string(hand.pen.green) +
            ",\"blue\":" + std::to_string(hand.pen.blue) + "}}";
    comma = ",";
  }
  return json + "]";
}

}  // namespace fuda
