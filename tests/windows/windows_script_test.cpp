#include "adapters/win32/windows_script.h"

#include <gtest/gtest.h>

namespace fuda {
namespace {

TEST(WindowsScript, EveryWordIsQuotedAndPercentSignsStayLiteral) {
  const ScriptSteps steps{R"(C:\my voice)", "lame", {"--decode", "100% a&b.mp3", R"(C:\t\I-001A.WAV)"},
                          R"(C:\t\Lock.dat)"};
  EXPECT_EQ(windowsScriptText(steps),
            "@echo off\r\n"
            "cd /d \"C:\\my voice\"\r\n"
            "\"lame\" \"--decode\" \"100%% a&b.mp3\" \"C:\\t\\I-001A.WAV\"\r\n"
            "del /f /q \"C:\\t\\Lock.dat\"\r\n");
  // A quote cannot close the word early.
  EXPECT_EQ(batchQuote("a\" & del x"), "\"a & del x\"");
}

}  // namespace
}  // namespace fuda
