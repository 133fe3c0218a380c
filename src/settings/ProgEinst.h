#pragma once
// Program options ("QVREINST.DAT").
#include <QString>
#include <cstddef>

#include "platform/BinIO.h"

namespace quorv {

struct TProgramOptions {
  platform::LeU16 AllowDeletePupils;
  platform::LeU16 ShowDeletedPupils;
  platform::LeU16 ShowAdditions;
  platform::LeU16 Reserved6;
  platform::LeU16 Reserved8;
  platform::LeU16 ShowFormFileBeforePrint;
  platform::LeU16 CentralPrintSettings;
  platform::LeU16 ListsInProgramDir;
  platform::LeU16 CopyFromPreviousPupil;
  platform::LeU16 InfoHints;
  platform::LeU16 GesamtschuleLevelConversion;
  platform::LeU16 TestOption;
  platform::LeU16 Reserved24[10];
  platform::ShortString<81> ReservedText;
};
static_assert(sizeof(TProgramOptions) == 126);
static_assert(offsetof(TProgramOptions, ShowFormFileBeforePrint) == 10);
static_assert(offsetof(TProgramOptions, ListsInProgramDir) == 14);
static_assert(offsetof(TProgramOptions, CopyFromPreviousPupil) == 16);
static_assert(offsetof(TProgramOptions, TestOption) == 22);
static_assert(offsetof(TProgramOptions, Reserved24) == 24);
static_assert(offsetof(TProgramOptions, ReservedText) == 44);

inline constexpr const char* kProgramOptionsFile = "QVREINST.DAT";

extern TProgramOptions ProgramOptions;

// The ten switches of the dialog: check box number and the word it edits.
struct ProgramOptionSwitch {
  int CheckBox;
  platform::LeU16 TProgramOptions::*Field;
};
extern const ProgramOptionSwitch kProgramOptionSwitches[10];

TProgramOptions DefaultProgramOptions();
void SetProgramOptionDefaults();
// Copies the eight words of a 16-byte record of the oldest version to offsets 0..14.
void ConvertOldProgramOptions(const std::uint8_t* old16);
void LoadProgramOptions();
bool SaveProgramOptions();

// The folder of the lists: ProgramDir when ListsInProgramDir is 1, else DataDir.
QString ListsFolder();

}  // namespace quorv
