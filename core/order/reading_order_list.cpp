#include "core/order/reading_order_list.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>
#include <variant>

#include "core/encoding/number_text.h"
#include "core/encoding/text_encoding.h"
#include "core/encoding/utf8_path.h"
#include "core/texts/list_file_texts.h"

namespace fuda {

namespace {

constexpr int kPositions = kPoemCount;
constexpr std::size_t kKimarijiWidth = 12;
constexpr std::size_t kUpperVerseWidth = 44;


// ---- writing

std::string threeDigits(int value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%03d", value);
  return buffer;
}

// Length of the UTF-8 sequence led by `lead` (1 for a stray byte).
std::size_t utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// UTF-8 text in the file's encoding. A character the encoding lacks becomes
// "?" so that one odd character cannot shift the fixed-width fields.
std::string fileText(std::string_view text, Language language) {
  if (language == Language::Japanese) {
    if (auto whole = utf8ToCp932(text)) return *whole;
  }
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = std::min(utf8Length(lead), text.size() - i);
    std::optional<std::string> encoded;
    if (lead < 0x80) {
      encoded = std::string(1, text[i]);
    } else if (language == Language::Japanese) {
      encoded = utf8ToCp932(text.substr(i, length));
    }
    out += encoded ? *encoded : "?";
    i += length;
  }
  return out;
}

bool isCp932Lead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// `bytes` cut to `width` (never through a double-byte character) and filled
// up with blanks to exactly `width`.
std::string fixedWidth(std::string bytes, std::size_t width, Language language) {
  if (bytes.size() > width) {
    std::size_t end = 0;
    while (end < bytes.size()) {
      const std::size_t step =
          language == Language::Japanese &&
                  isCp932Lead(static_cast<unsigned char>(bytes[end]))
              ? 2
              : 1;
      if (end + step > width) break;
      end += step;
    }
    bytes.resize(end);
  }
  bytes.append(width - bytes.size(), ' ');
  return bytes;
}

std::string listLine(const ReadingOrder& order, int position,
                     Language language, const PoemTable& poems) {
  const int n = order.poem[position];
  const Poem& poem = poems[n];
  const int morae = std::max<int>(order.decisiveLength[position], 0);
  std::string line = threeDigits(n) + ' ' + threeDigits(position) + ' ';
  line += fixedWidth(fileText(firstMorae(poem.kimariji, morae), language),
                     kKimarijiWidth, language);
  line += ' ';
  // A verse as long as its field, as a few romanised ones are, is written
  // whole with one blank after it, so the two verses never run together.
  const std::string upper = fileText(poem.upperVerse, language);
  line += upper.size() < kUpperVerseWidth ? fixedWidth(upper, kUpperVerseWidth, language)
                                          : upper + ' ';
  line += fileText(poem.lowerVerse, language);
  return line;
}

std::string reasonFor(int error) {
  return std::generic_category().message(error);
}

void reportWriteFailure(MessageSink& messages, Language language,
                        const std::filesystem::path& path, int error) {
  const std::string text =
      std::string(pick(language, texts::kListWriteFailed)) +
      "\n" + utf8FromPath(path) + "\n" + reasonFor(error);
  messages.showMessage(pick(language, texts::kListCaption), text);
}

// Opens a new file beside `target` for writing; never one that exists, so
// a name planted in the folder cannot redirect the write. C's "x" mode makes
// the file only where no file of that name is.
std::ofstream openTemporary(const std::filesystem::path& target,
                            std::filesystem::path& temporary) {
  std::random_device device;
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", device());
    temporary = target;
    temporary += suffix;
    errno = 0;
    if (std::FILE* created = std::fopen(temporary.string().c_str(), "wbx")) {
      std::fclose(created);
    } else if (errno == EEXIST) {
      continue;
    } else {
      // The Windows runtime has no exclusive create (and a narrow name may
      // not spell the path there); the unguessable name, checked just
      // before, is the guard.
      std::error_code ignored;
      if (std::filesystem::symlink_status(temporary, ignored).type() !=
          std::filesystem::file_type::not_found) continue;
    }
    errno = 0;
    std::ofstream file(temporary, std::ios::binary);
    if (file.is_open()) return file;
    break;
  }
  return {};
}

// Writes through a temporary file renamed over the old one, so the old list
// survives any failure. Returns 0 or the errno of the failing step.
int writeWhole(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary;
  std::ofstream file = openTemporary(path, temporary);
  if (!file.is_open()) return errno != 0 ? errno : EEXIST;
  int error = 0;
  errno = 0;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  if (!file) error = errno != 0 ? errno : EIO;
  errno = 0;
  file.close();
  if (!file && error == 0) error = errno != 0 ? errno : EIO;
  if (error == 0) {
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) error = renamed.value();
  }
  if (error != 0) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

// ---- reading

// The file's bytes, or the message that says why they cannot be had.
struct FileRead {
  std::string bytes;
  std::string problem;  // empty when the bytes were read
};

FileRead readWhole(const std::filesystem::path& path, Language language) {
  FileRead read;
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  int error = file.is_open() ? 0 : (errno != 0 ? errno : ENOENT);
  if (file.is_open()) {
    char chunk[16384];
    // One byte over the limit is enough to know the file is too large.
    while (read.bytes.size() <= kReadingListMaxBytes) {
      file.read(chunk, sizeof chunk);
      const auto got = static_cast<std::size_t>(file.gcount());
      read.bytes.append(chunk, got);
      if (got < sizeof chunk) {
        if (file.bad()) error = errno != 0 ? errno : EIO;
        break;
      }
    }
  }
  if (error != 0) {
    read.problem = std::string(pick(language, texts::kListUnreadable)) +
                   "\n" + utf8FromPath(path) + "\n" + reasonFor(error);
  } else if (read.bytes.size() > kReadingListMaxBytes) {
    read.problem =
        std::string(pick(language, texts::kListTooLarge)) +
        "\n" + utf8FromPath(path);
  }
  return read;
}

// The number an entry stands for: its first three characters, or "000" in
// front of a shorter entry. A multi-byte character can never be part of a
// number, so counting bytes reads the same number as counting characters, in
// CP932 and UTF-8 alike.
std::int32_t entryNumber(std::string_view entry) {
  if (entry.empty()) return 0;
  if (entry.size() >= 3) return integerFromText(entry.substr(0, 3));
  const std::string padded = "000" + std::string(entry);
  return integerFromText(std::string_view(padded).substr(padded.size() - 3));
}

// The list the entries make, cards moved up over empty positions; or the
// message that says why the reading could not play it.
std::variant<ReadingList, std::string> playableList(
    const std::array<ReadingListEntry, kPositions>& entries,
    Language language) {
  ReadingList list;
  list.poem.fill(kNoCard);
  list.poem[0] = 0;
  std::array<int, kPoemCount + 1> lineOf{};  // 0 = not listed yet
  for (const ReadingListEntry& entry : entries) {
    const std::int32_t n = entry.number;
    if (n == 0 || n == kNoCard) continue;  // an empty position
    const std::string line = std::to_string(entry.line);
    const std::string number = std::to_string(n);
    if (n < 1 || n > kPoemCount) {
      return std::string(pick(language, texts::kListLinePrefix)) +
             line +
             std::string(pick(language, texts::kListLineMiddle)) +
             number +
             std::string(pick(language, texts::kListNumberUnreadable));
    }
    if (lineOf[n] != 0) {
      return std::string(pick(language, texts::kListLinePrefix)) +
             line +
             std::string(pick(language, texts::kListLineMiddle)) +
             number +
             std::string(pick(language, texts::kListNumberRepeated)) +
             std::to_string(lineOf[n]) +
             std::string(pick(language, texts::kListRepeatEnd));
    }
    lineOf[n] = entry.line;
    list.poem[++list.count] = static_cast<std::int16_t>(n);
  }
  if (list.count == 0) {
    return std::string(pick(language, texts::kListEmpty));
  }
  return list;
}

}  // namespace

std::string readingListBytes(const ReadingOrder& order, Language language,
                             const PoemTable& poems) {
  std::string bytes;
  for (int position = 1; position <= kPositions; ++position) {
    const int n = order.poem[position];
    if (n >= 1 && n <= kPoemCount) bytes += listLine(order, position, language, poems);
    bytes += "\r\n";
  }
  return bytes;
}

std::array<ReadingListEntry, 100> readingListEntries(std::string_view bytes) {
  std::array<ReadingListEntry, kPositions> entries{};
  std::size_t at = 0;
  int line = 1;
  for (ReadingListEntry& entry : entries) {
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t')) ++at;
    entry.line = line;
    if (at >= bytes.size()) continue;  // past the end: an empty position
    const std::size_t start = at;
    std::size_t end = bytes.size();
    bool quoted = false;
    while (at < bytes.size()) {
      const char c = bytes[at];
      if (c == '\n' || (c == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')) {
        end = at;
        at += c == '\r' ? 2 : 1;
        ++line;
        break;
      }
      if (c == '\0' || (c == ',' && !quoted)) {
        end = at++;
        break;
      }
      if (c == '"') quoted = !quoted;
      ++at;
    }
    entry.number = entryNumber(bytes.substr(start, end - start));
  }
  return entries;
}

std::variant<ReadingList, std::string> playableReadingList(std::string_view bytes,
                                                          Language language) {
  return playableList(readingListEntries(bytes), language);
}

void readingOrderExport(const ReadingOrder& order, const ReadingState& state,
                        const std::filesystem::path& listDir,
                        Language language, const PoemTable& poems,
                        MessageSink& messages, ListPathShown pathShown) {
  if (!state.running.load()) return;
  const std::filesystem::path path = listDir / kReadingListName;
  if (const int error = writeWhole(path, readingListBytes(order, language, poems))) {
    reportWriteFailure(messages, language, path, error);
    return;
  }
  std::string text(pick(language, texts::kListWritten));
  if (pathShown == ListPathShown::Yes) text += "\n" + utf8FromPath(path);
  messages.showMessage(pick(language, texts::kListCaption), text);
}

namespace {

// The list's cards replace the next game's shuffle.
void loadReadingList(ReadingOrder& order, CardSelection& selection, ReadingState& state,
                     const ReadingList& list) {
  for (int position = 1; position <= kPositions; ++position) {
    order.poem[position] = list.poem[position];
  }
  computeDecisiveLengths(order);
  selection.selectedCount = static_cast<std::int16_t>(list.count);
  selection.selectionActive = list.count != kPoemCount;
  state.orderPrepared = OrderPrepared::OrderLoaded;
  state.openingPosition = 1;
}

}  // namespace

void readingOrderImport(ReadingOrder& order, CardSelection& selection,
                        ReadingState& state,
                        const std::filesystem::path& listDir,
                        Language language, MessageSink& messages) {
  if (state.running.load()) return;
  const std::filesystem::path path = listDir / kReadingListName;
  const FileRead file = readWhole(path, language);
  if (!file.problem.empty()) {
    messages.showMessage(pick(language, texts::kListCaption), file.problem);
    return;
  }
  const auto checked = playableReadingList(file.bytes, language);
  if (const auto* problem = std::get_if<std::string>(&checked)) {
    messages.showMessage(pick(language, texts::kListCaption), *problem);
    return;
  }
  loadReadingList(order, selection, state, std::get<ReadingList>(checked));
  messages.showMessage(pick(language, texts::kListCaption),
                       pick(language, texts::kListRead));
}

std::string unfinishedGameBytes(const ReadingOrder& order, const ReadingState& state,
                                Language language, const PoemTable& poems) {
  const int position = state.position.load();
  const int last = std::min<int>(state.lastPosition.load(), kPositions);
  if (!state.running.load() || position < 1 || position > last) return {};
  // Cards past the game's last position ("Exit" lowers it) are not read.
  ReadingOrder game = order;
  for (int after = last + 1; after <= kPositions; ++after) game.poem[after] = kNoCard;
  return readingListBytes(game, language, poems) + std::to_string(position) + "\r\n";
}

bool resumeReadingOrder(ReadingOrder& order, CardSelection& selection, ReadingState& state,
                        std::string_view bytes, Language language) {
  if (state.running.load()) return false;
  std::size_t listEnd = 0;
  for (int line = 0; line < kPositions; ++line) {
    listEnd = bytes.find("\r\n", listEnd);
    if (listEnd == std::string_view::npos) return false;
    listEnd += 2;
  }
  int position = 0;
  const std::string_view tail = bytes.substr(listEnd);
  const auto parsed = std::from_chars(tail.data(), tail.data() + tail.size(), position);
  const auto checked = playableReadingList(bytes.substr(0, listEnd), language);
  const auto* list = std::get_if<ReadingList>(&checked);
  if (parsed.ec != std::errc() || list == nullptr || position < 1 || position > list->count) {
    return false;
  }
  loadReadingList(order, selection, state, *list);
  state.openingPosition = static_cast<std::int16_t>(position);
  return true;
}

}  // namespace fuda
