#pragma once
// Ids of the memotimer window's controls and commands. Widgets and actions
// carry them as their objectName, in decimal.

namespace fuda {

enum MemotimerControlId : int {
  kMemotimerStatusBar = 70,
  kMemotimerDisplay = 1000,
};

enum MemotimerCommandId : int {
  kCmdMemoStart = 1001,
  kCmdMemoLengthen = 1002,
  kCmdMemoShorten = 1003,
  kCmdMemoExit = 1004,
};

}  // namespace fuda
