#include "frontends/web/fetched_voice.h"

#include <emscripten.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "adapters/stb/ogg_vorbis_clip.h"
#include "frontends/web/page_call.h"

namespace fuda {

namespace {

std::filesystem::path voiceFolder;
std::string voiceUrl;

// The own voices' folders by reader number, and the page's answers by
// request; the core thread sets the one, the page's main thread the other,
// and the reading threads read both.
std::mutex ownMutex;
std::condition_variable ownAnswer;
std::map<int, std::filesystem::path> ownFolders;
// A request is here while its reading thread waits; its value, once the
// page has answered, says whether the clip was written.
std::map<int, std::optional<bool>> answers;
int nextRequest = 1;
constexpr std::chrono::seconds kPageAnswerTimeout{20};

// The file at `whole` inside `folder`, as a path from it; empty when outside.
std::filesystem::path inside(const std::filesystem::path& whole, const std::filesystem::path& folder) {
  if (folder.empty()) return {};
  const std::filesystem::path relative = whole.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == "..") return {};
  return relative;
}

// An own clip is WAV when the page recorded or converted it so, else Ogg.
WavParse parseOwnClip(std::vector<std::uint8_t> bytes) {
  const bool wav = bytes.size() >= 4 && bytes[0] == 'R' && bytes[1] == 'I' && bytes[2] == 'F' && bytes[3] == 'F';
  return wav ? parseWavClip(std::move(bytes)) : decodeOggVorbis(bytes);
}

// Where the page writes the clip of request `id`.
std::filesystem::path ownClipFile(int id) { return "/tmp/fudayomi/own-clip-" + std::to_string(id); }

// Asks the page for reader `number`'s clip `name` and waits for its bytes,
// which are read once and not kept: a voice never sits whole in memory.
WavParse askPageForClip(int number, const std::string& name) {
  int id;
  {
    std::lock_guard lock(ownMutex);
    id = nextRequest++;
    answers[id] = std::nullopt;
  }
  const std::filesystem::path file = ownClipFile(id);
  callPage("readOwnClip", "[" + std::to_string(id) + "," + std::to_string(number) + "," +
                              jsonText(name) + "," + jsonText(file.string()) + "]");
  bool written = false;
  {
    std::unique_lock lock(ownMutex);
    // A page that never answers (its store hung) costs one clip, not the game.
    ownAnswer.wait_for(lock, kPageAnswerTimeout, [&] { return answers[id].has_value(); });
    written = answers[id].value_or(false);
    answers.erase(id);
  }
  if (!written) return {std::nullopt, WavProblem::Unreadable};
  WavParse parsed = loadClipFile(file, parseOwnClip);
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return parsed;
}

// A clip name from the page that stays inside its voice's folder.
bool plainClipName(const std::string& name) {
  const std::filesystem::path path(name);
  if (name.empty() || path.is_absolute()) return false;
  for (const auto& part : path) {
    if (part == ".." || part == ".") return false;
  }
  return true;
}

// Runs on the calling thread, a worker, where a synchronous request is
// allowed: the reading thread waits for its clip as it would for a disk.
// Returns the byte count (the bytes in *data, malloc'd), or -1.
EM_JS(int, fetchWhole, (const char* url, unsigned char** data), {
  try {
    const request = new XMLHttpRequest();
    request.open('GET', UTF8ToString(url), false);
    request.responseType = 'arraybuffer';
    request.timeout = 20000;
    request.send();
    if (request.status !== 200) return -1;
    const bytes = new Uint8Array(request.response);
    const at = _malloc(Math.max(bytes.length, 1));
    HEAPU8.set(bytes, at);
    HEAPU32[data >> 2] = at;
    return bytes.length;
  } catch (e) {
    return -1;
  }
});

}  // namespace

void setFetchedVoice(std::filesystem::path folder, std::string baseUrl) {
  voiceFolder = folder.lexically_normal();
  voiceUrl = std::move(baseUrl);
}

void setOwnVoice(int number, const std::filesystem::path& folder,
                 const std::vector<std::string>& names) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(folder, error).lexically_normal();
  std::filesystem::path old;
  {
    std::lock_guard lock(ownMutex);
    old = ownFolders[number];
    ownFolders.erase(number);
  }
  // The empty stand-ins of the voice kept before go; any other file stays.
  std::vector<std::filesystem::path> standIns;
  for (const std::filesystem::path& dir : {old, old / "Mesg"}) {
    if (old.empty()) break;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
      std::error_code ignored;
      if (entry.path().extension() == ".ogg" && entry.is_regular_file(ignored) &&
          entry.file_size(ignored) == 0) {
        standIns.push_back(entry.path());
      }
    }
  }
  for (const auto& standIn : standIns) std::filesystem::remove(standIn, error);
  // Where the settings name the default voice for this reader, it reads that.
  if (whole.empty() || whole == voiceFolder || names.empty()) return;
  std::filesystem::create_directories(whole / "Mesg", error);
  for (const std::string& name : names) {
    if (!plainClipName(name)) continue;
    const std::filesystem::path standIn = whole / (name + ".ogg");
    if (!std::filesystem::exists(standIn, error)) std::ofstream(standIn, std::ios::binary);
  }
  std::lock_guard lock(ownMutex);
  ownFolders[number] = whole;
}

void ownClipAnswered(int id, bool written) {
  {
    std::lock_guard lock(ownMutex);
    if (const auto waiting = answers.find(id); waiting != answers.end()) {
      waiting->second = written;
    } else {
      // An answer after its clip was given up: its bytes are not kept.
      std::error_code ignored;
      std::filesystem::remove(ownClipFile(id), ignored);
    }
  }
  ownAnswer.notify_all();
}

WavParse loadFetchedOggClip(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error).lexically_normal();
  if (std::filesystem::file_size(whole, error) != 0 || error) return loadOggVorbisFile(path);
  int ownNumber = 0;
  std::filesystem::path ownClip;
  {
    std::lock_guard lock(ownMutex);
    for (const auto& [number, folder] : ownFolders) {
      ownClip = inside(whole, folder);
      ownNumber = number;
      if (!ownClip.empty()) break;
    }
  }
  if (!ownClip.empty()) return askPageForClip(ownNumber, ownClip.replace_extension().generic_string());
  const std::filesystem::path relative = inside(whole, voiceFolder);
  if (relative.empty()) return loadOggVorbisFile(path);

  unsigned char* data = nullptr;
  const int size = fetchWhole((voiceUrl + relative.generic_string()).c_str(), &data);
  if (size < 0) return {std::nullopt, WavProblem::Unreadable};
  std::vector<std::uint8_t> bytes(data, data + size);
  std::free(data);
  // Kept in the voice's folder, so a clip read again is not fetched again.
  std::ofstream(whole, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return decodeOggVorbis(bytes);
}

}  // namespace fuda
