#pragma once
// Texts are UTF-8 in the core; Qt wants QString.
#include <QString>
#include <string_view>

namespace fuda {

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fuda
