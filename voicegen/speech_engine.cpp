#include "voicegen/speech_engine.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "voicegen/kana_words.h"
#include "voicegen/program_run.h"

namespace fuda {

namespace fs = std::filesystem;

namespace {

// Open JTalk's speaking rate for verses: slow, so that the clip shaping
// stretches the speech only a little to the reciter's timing.
constexpr double kRecitationRate = 0.7;
constexpr double kAnnouncementRate = 0.95;

// espeak-ng's rates in words per minute (80 is its slowest), and its pause
// at a blank in units of 10 ms: about 150 ms, a breath between lines.
constexpr int kEspeakRecitationWpm = 80;
constexpr int kEspeakAnnouncementWpm = 120;
constexpr int kEspeakPhraseGap = 3;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string run(const std::vector<std::string>& argv) {
  const ProgramResult result = runProgram(argv);
  return result.succeeded() ? std::string() : describeFailure(argv, result);
}

std::string espeakMissing() {
  // -q speaks to no sound device: this only asks whether the voice is there.
  const std::string failure = run({"espeak-ng", "-v", "ja", "-q", "あ"});
  return failure.empty() ? failure : failure + " (Debian package espeak-ng)";
}

std::string openJTalkMissing(const OpenJTalkFiles& files) {
  if (!runProgram({"open_jtalk"}).started) {
    return "open_jtalk could not be run (Debian package open-jtalk)";
  }
  std::error_code error;
  if (!fs::is_regular_file(files.dictionary / "sys.dic", error)) {
    return "Open JTalk's dictionary is missing: " + files.dictionary.string() +
           " (Debian package open-jtalk-mecab-naist-jdic)";
  }
  if (!fs::is_regular_file(files.voice, error)) {
    return "Open JTalk's voice is missing: " + files.voice.string() +
           " (Debian package hts-voice-nitech-jp-atr503-m001, in contrib)";
  }
  // Says one kana: a damaged dictionary or voice fails here.
  std::string textPath = (fs::temp_directory_path() / "make_voice-check-XXXXXX").string();
  const int text = mkstemp(textPath.data());
  if (text < 0) return "cannot make a temporary file to try Open JTalk";
  const bool written = write(text, "あ\n", 4) == 4;
  close(text);
  const std::string failure =
      written ? run({"open_jtalk", "-x", files.dictionary.string(), "-m",
                     files.voice.string(), "-ow", "/dev/null", textPath})
              : std::string("cannot write a temporary file to try Open JTalk");
  fs::remove(textPath, error);
  return failure.empty() ? failure
                         : "Open JTalk cannot speak with its dictionary and voice: " + failure;
}

std::string katakana(std::string_view hiragana) {
  // Hiragana U+3041..U+3096 lie 0x60 below their katakana, in the same
  // three-byte UTF-8 form: E3 81 80..E3 82 96 against E3 82 A0..E3 83 B6.
  std::string out;
  for (std::size_t i = 0; i < hiragana.size();) {
    const std::string_view rest = hiragana.substr(i);
    if (rest.size() >= 3 && static_cast<unsigned char>(rest[0]) == 0xE3 &&
        rest.substr(0, 3) >= "ぁ" && rest.substr(0, 3) <= "ゖ") {
      unsigned code = ((static_cast<unsigned char>(rest[1]) & 0x3F) << 6) |
                      (static_cast<unsigned char>(rest[2]) & 0x3F);
      code += 0x3000 + 0x60;
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
      i += 3;
    } else {
      out += hiragana[i++];
    }
  }
  return out;
}

bool isPause(std::string_view phone) { return phone == "sil" || phone == "pau"; }

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

struct JTalkRun {
  Speech speech;
  std::vector<Phone> phones;
};

JTalkRun runOpenJTalk(const std::string& text, double rate, const std::string& name,
                      const SpeechRequest& request) {
  JTalkRun result;
  const fs::path input = request.workDir / (name + ".txt");
  const fs::path wav = request.workDir / (name + ".jtalk.wav");
  const fs::path trace = request.workDir / (name + ".trace");
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out << text << '\n';
    if (!out.flush()) {
      result.speech.error = "cannot write " + input.string();
      return result;
    }
  }
  char rateText[16];
  std::snprintf(rateText, sizeof rateText, "%.3f", rate);
  const std::string failure =
      run({"open_jtalk", "-x", request.files.dictionary.string(), "-m",
           request.files.voice.string(), "-r", rateText, "-ow", wav.string(),
           "-ot", trace.string(), input.string()});
  std::error_code ignored;
  fs::remove(input, ignored);
  if (failure.empty()) {
    result.phones = phonesFromTrace(readText(trace));
    PcmReading reading = readPcmWav(readBytes(wav));
    if (reading.pcm) {
      result.speech.pcm = std::move(reading.pcm);
    } else {
      result.speech.error = "Open JTalk's output is unreadable (" + reading.error + ")";
    }
  } else {
    result.speech.error = failure;
  }
  fs::remove(trace, ignored);
  fs::remove(wav, ignored);
  return result;
}

Speech speakWithOpenJTalk(const VoiceLine& line, const SpeechRequest& request) {
  if (line.reading.empty()) {
    return runOpenJTalk(line.sentence, kAnnouncementRate, line.name, request).speech;
  }
  // The dictionary guesses words from kana and now and then takes a は inside
  // a word for the particle, or a つ for a small one; the same verse in
  // katakana is read kana by kana. The phonemes tell which one was said right.
  int heldMarks = 0;
  for (std::string_view text = line.kana; text.ends_with("ー"); text.remove_suffix(3)) {
    ++heldMarks;
  }
  JTalkRun spoken = runOpenJTalk(line.kana, kRecitationRate, line.name, request);
  if (spoken.speech.pcm && !phonesSayReading(spoken.phones, line.reading, heldMarks)) {
    JTalkRun again =
        runOpenJTalk(katakana(line.kana), kRecitationRate, line.name, request);
    if (again.speech.pcm && phonesSayReading(again.phones, line.reading, heldMarks)) {
      spoken = std::move(again);
    } else {
      spoken.speech.misread = true;
    }
  }
  // The held ending: the last run of one vowel (a long vowel is several), or ん.
  const auto last = std::find_if(spoken.phones.rbegin(), spoken.phones.rend(),
                                 [](const Phone& p) { return !isPause(p.name); });
  if (last != spoken.phones.rend()) {
    auto first = last;
    while (std::next(first) != spoken.phones.rend() &&
           lowered(std::next(first)->name) == lowered(last->name)) {
      ++first;
    }
    spoken.speech.lastSoundStart = first->startSeconds;
    spoken.speech.lastSoundEnd = last->endSeconds;
  }
  for (const Phone& phone : spoken.phones) {
    if (phone.name == "sil") continue;
    const std::string name = lowered(phone.name);
    const SoundKind kind = phone.name == "pau" ? SoundKind::Pause
                           : name == "a" || name == "i" || name == "u" || name == "e" ||
                                   name == "o" || name == "n"
                               ? SoundKind::Vowel
                               : SoundKind::Consonant;
    spoken.speech.segments.push_back({{phone.startSeconds, phone.endSeconds}, kind});
  }
  return std::move(spoken.speech);
}

Speech speakWithEspeak(const VoiceLine& line, const SpeechRequest& request) {
  Speech speech;
  const fs::path wav = request.workDir / (line.name + ".espeak.wav");
  const int wpm = line.pace == SpeechPace::Recitation ? kEspeakRecitationWpm
                                                      : kEspeakAnnouncementWpm;
  // -b 1: the text is UTF-8 whatever the locale says.
  const std::string failure =
      run({"espeak-ng", "-v", "ja", "-b", "1", "-s", std::to_string(wpm), "-g",
           std::to_string(kEspeakPhraseGap), "-w", wav.string(), line.kana});
  if (!failure.empty()) {
    speech.error = failure;
    return speech;
  }
  PcmReading reading = readPcmWav(readBytes(wav));
  std::error_code ignored;
  fs::remove(wav, ignored);
  if (reading.pcm) {
    speech.pcm = std::move(reading.pcm);
  } else {
    speech.error = "espeak-ng's output is unreadable (" + reading.error + ")";
  }
  return speech;
}

}  // namespace

std::string_view synthesiserName(Synthesiser synthesiser) {
  return synthesiser == Synthesiser::OpenJTalk ? "Open JTalk" : "espeak-ng";
}

EngineChoice chooseSynthesiser(EngineRequest request, const OpenJTalkFiles& files) {
  EngineChoice choice;
  std::string jtalkMissing;
  if (request != EngineRequest::EspeakNg) {
    jtalkMissing = openJTalkMissing(files);
    if (jtalkMissing.empty()) {
      choice.synthesiser = Synthesiser::OpenJTalk;
      return choice;
    }
    if (request == EngineRequest::OpenJTalk) {
      choice.error = jtalkMissing;
      return choice;
    }
  }
  const std::string espeak = espeakMissing();
  if (!espeak.empty()) {
    choice.error = jtalkMissing.empty() ? espeak : jtalkMissing + "; " + espeak;
    return choice;
  }
  choice.synthesiser = Synthesiser::EspeakNg;
  if (!jtalkMissing.empty()) {
    choice.notice = jtalkMissing + ". The voice is spoken by espeak-ng instead, a plainer "
                    "voice without Japanese pitch accent.";
  }
  return choice;
}

std::vector<Phone> phonesFromTrace(std::string_view trace) {
  std::vector<Phone> phones;
  const std::size_t section = trace.find("[Output label]");
  if (section == std::string_view::npos) return phones;
  std::size_t at = trace.find('\n', section);
  while (at != std::string_view::npos && at + 1 < trace.size()) {
    const std::size_t begin = at + 1;
    at = trace.find('\n', begin);
    const std::string_view line =
        trace.substr(begin, (at == std::string_view::npos ? trace.size() : at) - begin);
    if (line.empty() || line.front() == '[') break;
    // "<start> <end> <a>^<b>-<phone>+<d>=<e>/A:..." with times in 100 ns.
    long long times[2] = {0, 0};
    std::size_t field = 0;
    for (long long& time : times) {
      const auto [end, error] =
          std::from_chars(line.data() + field, line.data() + line.size(), time);
      if (error != std::errc()) return {};
      field = static_cast<std::size_t>(end - line.data()) + 1;
    }
    const std::size_t minus = line.find('-', field);
    const std::size_t plus = line.find('+', minus);
    if (minus == std::string_view::npos || plus == std::string_view::npos) return {};
    phones.push_back({std::string(line.substr(minus + 1, plus - minus - 1)),
                      times[0] / 1e7, times[1] / 1e7});
  }
  return phones;
}

bool phonesSayReading(const std::vector<Phone>& phones, std::string_view reading,
                      int heldMarks) {
  std::vector<std::string_view> said;
  for (const Phone& phone : phones) {
    if (!isPause(phone.name) && phone.name != "cl") said.push_back(phone.name);
  }
  // Each ー after the text is its last vowel said once more.
  if (static_cast<int>(said.size()) < heldMarks) return false;
  said.resize(said.size() - static_cast<std::size_t>(heldMarks));
  std::string heard;
  for (const std::string_view phone : said) heard += lowered(phone);
  const std::string expected = heardSounds(romanisedReading(reading));
  return !expected.empty() && heardSounds(heard) == expected;
}

Speech speak(const VoiceLine& line, const SpeechRequest& request) {
  return request.synthesiser == Synthesiser::OpenJTalk
             ? speakWithOpenJTalk(line, request)
             : speakWithEspeak(line, request);
}

}  // namespace fuda
