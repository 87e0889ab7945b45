#include "common/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace fuda {

namespace {

std::optional<std::string> convert(const char* to, const char* from,
                                   std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
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
  return convert("UTF-8", "CP932", bytes);
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
  return convert("CP932", "UTF-8", text);
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
