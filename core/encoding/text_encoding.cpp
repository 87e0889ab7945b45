#include "core/encoding/text_encoding.h"

#include <algorithm>
#include <cstdint>

#include "core/encoding/cp932_tables.h"

namespace fuda {

namespace {

template <std::size_t N>
std::optional<std::uint16_t> lookUp(const std::array<CodePair, N>& table, std::uint32_t key) {
  const auto found = std::lower_bound(
      table.begin(), table.end(), key,
      [](const CodePair& pair, std::uint32_t wanted) { return pair.from < wanted; });
  if (found == table.end() || found->from != key) return std::nullopt;
  return found->to;
}

void appendUtf8(std::string& out, std::uint32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

// Length of the UTF-8 sequence that starts with `lead`, 0 if it cannot start one.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = sequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    const auto second = static_cast<unsigned char>(length > 1 ? bytes[i + 1] : 0);
    if (lead == 0xE0 && second < 0xA0) return false;  // overlong
    if (lead == 0xED && second >= 0xA0) return false;  // surrogate
    if (lead == 0xF0 && second < 0x90) return false;  // overlong
    if (lead == 0xF4 && second >= 0x90) return false;  // beyond U+10FFFF
    i += length;
  }
  return true;
}

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      continue;
    }
    auto point = lookUp(kCp932ToUnicode, lead);
    if (!point && i + 1 < bytes.size()) {
      point = lookUp(kCp932ToUnicode, lead << 8 | static_cast<unsigned char>(bytes[i + 1]));
      if (point) ++i;
    }
    if (!point) return std::nullopt;
    appendUtf8(out, *point);
  }
  return out;
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
  if (!isValidUtf8(text)) return std::nullopt;
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = sequenceLength(lead);
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k)
      point = point << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += length;
    if (point < 0x80) {
      out += static_cast<char>(point);
      continue;
    }
    const auto code = lookUp(kUnicodeToCp932, point);
    if (!code) return std::nullopt;
    if (*code > 0xFF) out += static_cast<char>(*code >> 8);
    out += static_cast<char>(*code & 0xFF);
  }
  return out;
}

std::string firstMorae(std::string_view text, int morae) {
  std::size_t i = 0;
  for (int m = 0; m < morae && i < text.size(); ++m) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      i += 2;
    } else {
      const int length = sequenceLength(lead);
      i += length == 0 ? 1 : length;
    }
  }
  return std::string(text.substr(0, std::min(i, text.size())));
}

int moraCount(std::string_view text) {
  int morae = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 2 : sequenceLength(lead);
    i += length == 0 ? 1 : length;
    ++morae;
  }
  return morae;
}

}  // namespace fuda
