#include "core/order/reading_order_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/encoding/text_encoding.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/temp_folder.h"

namespace fuda {
namespace {

namespace fs = std::filesystem;
using testing::RecordingMessages;

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "bytes after the last CR LF";
  return lines;
}

class ReadingListTest : public ::testing::Test {
 protected:
  void SetUp() override { state_.running = 1; }

  fs::path listPath() const { return dir_ / "readlist.txt"; }

  std::string fileBytes() const {
    std::ifstream in(listPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void writeFile(const std::string& bytes) const {
    std::ofstream(listPath(), std::ios::binary) << bytes;
  }

  void exportList(Language language = Language::Japanese) {
    readingOrderExport(order_, state_, dir_, language,
                       PoemTable::forLanguage(language), messages_);
  }
  void importList(Language language = Language::Japanese) {
    state_.running = 0;
    readingOrderImport(order_, selection_, state_, dir_, language, messages_);
  }

  void buildFull(std::uint32_t seed) {
    buildReadingOrder(order_, selection_, OrderVariant::PlainShuffle, seed);
  }
  void buildPartial(std::uint32_t seed, const std::vector<int>& poems) {
    for (int n : poems) selection_.selected[n] = 1;
    selection_.selectionActive = 1;
    buildReadingOrder(order_, selection_, OrderVariant::PlainShuffle, seed);
    selection_.reset();
  }

  // A finished state the import must leave alone when it refuses a file.
  void expectUnchanged(const ReadingOrder& before) {
    EXPECT_EQ(order_.poem, before.poem);
    EXPECT_EQ(order_.decisiveLength, before.decisiveLength);
    EXPECT_EQ(selection_.selectedCount.load(), 100);
    EXPECT_EQ(selection_.selectionActive.load(), 0);
    EXPECT_EQ(state_.orderPrepared.load(), OrderPrepared::ShuffleAtStart);
  }

  testing::TempFolder folder_;
  const fs::path& dir_ = folder_.path();
  ReadingOrder order_;
  CardSelection selection_;
  ReadingState state_;
  RecordingMessages messages_;
};

TEST_F(ReadingListTest, FullGameIsWrittenAndReadBack) {
  buildFull(2024);
  const ReadingOrder written = order_;
  exportList();
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].caption, "読唱順リスト");
  EXPECT_EQ(messages_.messages[0].text, "リストを書き込みました");
  EXPECT_EQ(messages_.messages[0].owner, MessageOwner::MainWindow);

  const std::vector<std::string> lines = splitLines(fileBytes());
  ASSERT_EQ(lines.size(), 100u);
  for (int i = 1; i <= 100; ++i) {
    const std::string& line = lines[i - 1];
    ASSERT_GE(line.size(), 65u) << "line " << i;
    char expected[16];
    std::snprintf(expected, sizeof expected, "%03d %03d ", written.poem[i], i);
    EXPECT_EQ(line.substr(0, 8), expected);
    EXPECT_EQ(line[20], ' ');
  }

  order_ = ReadingOrder{};
  importList();
  EXPECT_EQ(order_.poem, written.poem);
  EXPECT_EQ(order_.decisiveLength, written.decisiveLength);
  EXPECT_EQ(selection_.selectedCount.load(), 100);
  EXPECT_EQ(selection_.selectionActive.load(), 0);
  EXPECT_EQ(state_.orderPrepared.load(), OrderPrepared::OrderLoaded);
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[1].caption, "読唱順リスト");
  EXPECT_EQ(messages_.messages[1].text, "リストを読み込みました");
}

// Each field at its byte offset, in the file's own encoding: what an
// independent reader of the file checks.
TEST_F(ReadingListTest, JapaneseFieldsHaveTheirByteWidthsInCp932) {
  const PoemTable& poems = PoemTable::forLanguage(Language::Japanese);
  buildPartial(31, {87, 11, 76, 31, 64, 39, 25, 19, 88, 61, 21, 63});
  exportList();
  const std::vector<std::string> lines = splitLines(fileBytes());
  ASSERT_EQ(lines.size(), 100u);
  for (int i = 1; i <= 12; ++i) {
    const std::string& line = lines[i - 1];
    const Poem& poem = poems[order_.poem[i]];
    std::string kimariji = *utf8ToCp932(firstMorae(poem.kimariji, order_.decisiveLength[i]));
    ASSERT_EQ(kimariji.size(), 2u * order_.decisiveLength[i]);
    kimariji.resize(12, ' ');
    std::string upper = *utf8ToCp932(poem.upperVerse);
    upper.resize(44, ' ');
    EXPECT_EQ(line.substr(8, 12), kimariji) << "line " << i;
    EXPECT_EQ(line.substr(21, 44), upper) << "line " << i;
    EXPECT_EQ(line.substr(65), *utf8ToCp932(poem.lowerVerse)) << "line " << i;
  }
  for (int i = 13; i <= 100; ++i) EXPECT_EQ(lines[i - 1], "") << "line " << i;
}

// The longest romanised upper verses fill their field; a blank must still
// part them from the lower verse, and the file must still load.
TEST_F(ReadingListTest, EnglishVersesAreWholeWithABlankBetweenThem) {
  const PoemTable& poems = PoemTable::forLanguage(Language::English);
  buildFull(7);
  const ReadingOrder written = order_;
  exportList(Language::English);
  const std::vector<std::string> lines = splitLines(fileBytes());
  ASSERT_EQ(lines.size(), 100u);
  for (int i = 1; i <= 100; ++i) {
    const Poem& poem = poems[written.poem[i]];
    const std::string verses = lines[i - 1].substr(21);
    SCOPED_TRACE(verses);
    EXPECT_TRUE(verses.starts_with(std::string(poem.upperVerse) + ' '));
    EXPECT_TRUE(verses.ends_with(' ' + std::string(poem.lowerVerse)));
    EXPECT_GE(verses.size(), std::max<std::size_t>(44, poem.upperVerse.size() + 1) +
                                 poem.lowerVerse.size());
  }
  order_ = ReadingOrder{};
  importList(Language::English);
  EXPECT_EQ(order_.poem, written.poem);
}

TEST_F(ReadingListTest, OneMoraKimarijiIsTwoBytesAndTenBlanks) {
  buildPartial(5, {87, 22});
  auto lineOf = [](const std::vector<std::string>& lines, std::string_view number) {
    for (const std::string& line : lines) {
      if (line.starts_with(number)) return line;
    }
    ADD_FAILURE() << "no line for poem " << number;
    return std::string(20, ' ');
  };
  exportList(Language::Japanese);
  EXPECT_EQ(lineOf(splitLines(fileBytes()), "087").substr(8, 12),
            "\x82\xde          ");  // む
  exportList(Language::English);
  const std::string english = fileBytes();
  EXPECT_EQ(lineOf(splitLines(english), "022").substr(8, 12), "Fu          ");
  for (unsigned char byte : english) ASSERT_LT(byte, 0x80) << "the English file is ASCII";
}

TEST_F(ReadingListTest, TwelveCardGameIsWrittenAndReadBack) {
  buildPartial(12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  const ReadingOrder written = order_;
  exportList(Language::English);
  const std::vector<std::string> lines = splitLines(fileBytes());
  ASSERT_EQ(lines.size(), 100u);
  for (int i = 1; i <= 12; ++i) EXPECT_FALSE(lines[i - 1].empty());
  for (int i = 13; i <= 100; ++i) EXPECT_EQ(lines[i - 1], "") << "line " << i;

  order_ = ReadingOrder{};
  importList(Language::English);
  EXPECT_EQ(order_.poem, written.poem);
  EXPECT_EQ(selection_.selectedCount.load(), 12);
  EXPECT_EQ(selection_.selectionActive.load(), 1);
  EXPECT_EQ(state_.orderPrepared.load(), OrderPrepared::OrderLoaded);
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[1].caption, "List");
  EXPECT_EQ(messages_.messages[1].text, "Reading of the List is Complete!");
}

TEST(ReadingListEntries, FollowTheListInputRule) {
  using namespace std::literals;
  const auto entries = readingListEntries(
      "7\r\n"                 // a lone digit: "007"
      "  12 Kore ya\r\n"      // blanks skipped, then "12 "
      "\t5x\n"                // tab skipped, LF alone ends the line
      "\r\n"                  // an empty entry
      "000 zero\r\n"          // converts to 0: empty
      "9,10\r\n"              // a comma ends an entry
      "\"3,4\"\r\n"           // ... but not inside quotes
      "&H1F\r\n"              // "&H1" is hexadecimal 1
      "8\0" "6\r\n"           // so does a NUL
      "1.9\r\n"               // truncated toward zero
      "-12\r\n"               // kept negative: the loader refuses it
      "-5\r\n"                // "0-5": no number
      "\xe3\x81\x82" "12\r\n"  // a kana first: no number
      "42"sv);                // no line end before the file ends
  const std::vector<int> numbers = {7, 12, 5, 0, 0, 9, 10, 0, 1, 8, 6, 1, -12, 0, 0, 42};
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    EXPECT_EQ(entries[k].number, numbers[k]) << "entry " << k + 1;
  }
  EXPECT_EQ(entries[6].line, 6);  // "10" after the comma is still line 6
  EXPECT_EQ(entries[9].line, 9);
  EXPECT_EQ(entries[10].line, 9);
  // Past the end of the file every position is empty, not the last number.
  for (std::size_t k = numbers.size(); k < 100; ++k) EXPECT_EQ(entries[k].number, 0);
}

TEST_F(ReadingListTest, HandWrittenShortListLeavesTheRestEmpty) {
  writeFile("7\r\n  12 text\r\n87");
  importList();
  EXPECT_EQ(order_.poem[1], 7);
  EXPECT_EQ(order_.poem[2], 12);
  EXPECT_EQ(order_.poem[3], 87);
  for (int p = 4; p <= 100; ++p) EXPECT_EQ(order_.poem[p], kNoCard) << p;
  EXPECT_EQ(selection_.selectedCount.load(), 3);
  EXPECT_EQ(selection_.selectionActive.load(), 1);
  EXPECT_EQ(state_.orderPrepared.load(), OrderPrepared::OrderLoaded);
}

TEST_F(ReadingListTest, EmptyPositionsInsideAListCloseUp) {
  // 999 and blank lines are positions without a card wherever they stand;
  // the game reads the listed cards in their order without gaps.
  writeFile("5\r\n\r\n999\r\n000\r\n6\r\n");
  importList();
  EXPECT_EQ(order_.poem[1], 5);
  EXPECT_EQ(order_.poem[2], 6);
  EXPECT_EQ(order_.poem[3], kNoCard);
  EXPECT_EQ(selection_.selectedCount.load(), 2);
}

TEST_F(ReadingListTest, LoadedOrderGetsItsOwnDecisiveLengths) {
  buildFull(1);  // lengths of an older order
  writeFile("63\r\n21\r\n61\r\n");
  importList();
  EXPECT_EQ(order_.decisiveLength[1], 3);  // いまは while いまこ is to come
  EXPECT_EQ(order_.decisiveLength[2], 2);  // いまこ after いまは
  EXPECT_EQ(order_.decisiveLength[3], 1);  // the last い card
  EXPECT_EQ(order_.decisiveLength[4], 0);

  state_.running = 1;
  exportList(Language::English);
  const std::vector<std::string> lines = splitLines(fileBytes());
  EXPECT_EQ(lines[0].substr(0, 20), "063 001 I_MaWa      ");
  EXPECT_EQ(lines[1].substr(0, 20), "021 002 I_Ma        ");
  EXPECT_EQ(lines[2].substr(0, 20), "061 003 I_          ");
}

TEST_F(ReadingListTest, UnfinishedGameGoesOnFromItsCurrentCard) {
  buildFull(7);
  const ReadingOrder before = order_;
  state_.position = 40;
  const std::string bytes =
      unfinishedGameBytes(order_, state_, Language::Japanese, PoemTable::forLanguage(Language::Japanese));
  buildFull(8);
  state_.running = 0;
  ASSERT_TRUE(resumeReadingOrder(order_, selection_, state_, bytes, Language::Japanese));
  EXPECT_EQ(order_.poem, before.poem);
  EXPECT_EQ(order_.decisiveLength, before.decisiveLength);
  EXPECT_EQ(state_.openingPosition.load(), 40);
  EXPECT_EQ(state_.orderPrepared.load(), OrderPrepared::OrderLoaded);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ReadingListTest, UnplayableListIsRefusedNamingTheLine) {
  std::string bytes;
  for (int i = 1; i <= 11; ++i) bytes += std::to_string(i) + "\r\n";
  bytes += "123 far too high\r\n";
  writeFile(bytes);
  const ReadingOrder before = order_;
  importList();
  expectUnchanged(before);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].caption, "読唱順リスト");
  EXPECT_EQ(messages_.messages[0].text, "readlist.txt の 12 行目: 札番号 123 は読めません。");

  writeFile("5\r\n-12\r\n");
  importList(Language::English);
  expectUnchanged(before);
  EXPECT_EQ(messages_.messages.back().caption, "List");
  EXPECT_EQ(messages_.messages.back().text,
            "readlist.txt line 2: poem number -12 cannot be read.");

  writeFile("5\r\n17\r\n\r\n5\r\n");
  importList(Language::English);
  expectUnchanged(before);
  EXPECT_EQ(messages_.messages.back().text,
            "readlist.txt line 4: poem number 5 is already on line 1.");
  importList(Language::Japanese);
  EXPECT_EQ(messages_.messages.back().text,
            "readlist.txt の 4 行目: 札番号 5 は 1 行目にもあります。");
}

TEST_F(ReadingListTest, MissingEmptyOrHugeFileIsReportedAndChangesNothing) {
  const ReadingOrder before = order_;
  importList(Language::English);
  expectUnchanged(before);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_NE(messages_.messages[0].text.find(listPath().string()), std::string::npos);

  writeFile("\r\n\r\nno numbers here\r\n");
  importList(Language::English);
  expectUnchanged(before);
  EXPECT_EQ(messages_.messages.back().text, "readlist.txt holds no cards to read.");

  writeFile(std::string(kReadingListMaxBytes + 1, '\n'));
  importList(Language::English);
  expectUnchanged(before);
  EXPECT_EQ(messages_.messages.size(), 3u);
  EXPECT_NE(messages_.messages.back().text.find("too large"), std::string::npos);
}

TEST_F(ReadingListTest, FailedWriteIsReportedAndKeepsTheOldFile) {
  buildFull(3);
  readingOrderExport(order_, state_, dir_ / "no such folder", Language::English,
                     PoemTable::forLanguage(Language::English), messages_);
  ASSERT_EQ(messages_.messages.size(), 1u);
  const std::string& text = messages_.messages[0].text;
  EXPECT_EQ(messages_.messages[0].caption, "List");
  EXPECT_EQ(text.find("Writing of the List failed!"), 0u);
  EXPECT_NE(text.find((dir_ / "no such folder" / "readlist.txt").string()), std::string::npos);
  EXPECT_NE(text.find("No such file or directory"), std::string::npos);

  // A folder in the file's place: the rename fails, nothing is left behind.
  fs::create_directory(listPath());
  fs::path keep = listPath() / "keep";
  std::ofstream(keep) << "x";
  exportList();
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[1].text.find("リストを書き込めませんでした。"), 0u);
  EXPECT_TRUE(fs::exists(keep));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ReadingListTest, ExportReplacesAnOlderList) {
  writeFile("old list\r\n");
  buildFull(8);
  exportList();
  EXPECT_EQ(splitLines(fileBytes()).size(), 100u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ReadingListTest, CompletionNamesTheFileWhenAskedTo) {
  buildFull(5);
  exportList(Language::English);
  readingOrderExport(order_, state_, dir_, Language::English,
                     PoemTable::forLanguage(Language::English), messages_,
                     ListPathShown::Yes);
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[0].text, "Writing of the List is Complete!");
  EXPECT_EQ(messages_.messages[1].text,
            "Writing of the List is Complete!\n" + listPath().string());
}

TEST_F(ReadingListTest, GuardsAgainstTheWrongMoment) {
  buildFull(4);
  state_.running = 0;
  readingOrderExport(order_, state_, dir_, Language::Japanese,
                     PoemTable::forLanguage(Language::Japanese), messages_);
  EXPECT_FALSE(fs::exists(listPath()));

  writeFile("1\r\n2\r\n");
  const ReadingOrder before = order_;
  state_.running = 1;
  readingOrderImport(order_, selection_, state_, dir_, Language::Japanese, messages_);
  expectUnchanged(before);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ReadingListTest, JapaneseBuildReadsAListSavedAsUtf8) {
  writeFile("087 001 む          あいうえお\r\n018 002 す\r\n");
  importList();
  EXPECT_EQ(order_.poem[1], 87);
  EXPECT_EQ(order_.poem[2], 18);
  EXPECT_EQ(selection_.selectedCount.load(), 2);
}

}  // namespace
}  // namespace fuda
