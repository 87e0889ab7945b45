#include "frontends/web/kept_game.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace fuda {

bool KeptGame::phaseShown(GamePhase phase) {
  if (phase == GamePhase::BetweenCards) {
    const std::string bytes = program_.unfinishedGame();
    if (bytes.empty()) return false;
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << bytes;
    kept_ = true;
    return true;
  }
  if (phase != GamePhase::NoGame || !kept_) return false;
  kept_ = false;
  std::error_code ignored;
  return std::filesystem::remove(file_, ignored);
}

bool KeptGame::resume() {
  std::ifstream in(file_, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  in.close();
  if (!bytes.empty() && program_.resumeGame(bytes)) return true;
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  return false;
}

}  // namespace fuda
