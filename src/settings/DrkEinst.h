#pragma once
// Print options ("DRKEINST.DAT").
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/BinIO.h"

namespace quorv {

struct TPrintOptions {
  platform::LeU16 GradesInWords;               // 0x00
  platform::LeU16 NoRuledLines;                // 0x02
  platform::LeU16 ReportCopy;                  // 0x04
  platform::LeU16 PrintFrame;                  // 0x06
  platform::LeU16 CorrectionCorner;            // 0x08
  platform::LeU16 LeftMargin;                  // 0x0a, 0.1 mm
  platform::LeU16 TopMargin;                   // 0x0c, 0.1 mm
  platform::LeU16 InnerMargin;                 // 0x0e, 0.1 mm
  platform::LeU16 Reserved16;                  // 0x10
  platform::LeU16 StrikeMode;                  // 0x12, 0..4
  platform::ShortString<1> StrikeChar;         // 0x14
  platform::LeU16 ArmsPosition;                // 0x16, 0..3
  platform::LeU16 ArmsSize;                    // 0x18, 0..2
  platform::LeU16 PaperPublisher;              // 0x1a, 0..5
  platform::LeU16 Reserved28;                  // 0x1c
  platform::LeU16 ReligionLineMode;            // 0x1e, 0..2
  platform::LeU16 ReceiptA5;                   // 0x20
  platform::LeU16 ReceiptWording;              // 0x22, 0..2
  platform::LeU16 ReceiptCopy;                 // 0x24
  platform::LeU16 FontHeightCompensation;      // 0x26
  platform::LeU16 ReservedSwitch40;            // 0x28, "S/S nicht streichen"
  platform::LeU16 UseFormFileCopies;           // 0x2a
  platform::LeU16 SettingsInProgramDir;        // 0x2c
  platform::LeU16 Reserved46;                  // 0x2e
  platform::ShortString<1> FillCharacter;      // 0x30
  platform::LeU16 DuplexNoDialogs;             // 0x32
  platform::LeU16 OnlyNecessaryDialogs;        // 0x34
  platform::LeU16 ConferencePrint;             // 0x36
  platform::LeU16 ColourArmsOnMono;            // 0x38
  platform::LeU16 Reserved58[3];               // 0x3a
  platform::ShortString<50> ReservedTexts[5];  // 0x40
  std::uint8_t Pad319;                         // 0x13f
};
static_assert(sizeof(TPrintOptions) == 320);
static_assert(offsetof(TPrintOptions, LeftMargin) == 0x0a);
static_assert(offsetof(TPrintOptions, InnerMargin) == 0x0e);
static_assert(offsetof(TPrintOptions, StrikeMode) == 0x12);
static_assert(offsetof(TPrintOptions, StrikeChar) == 0x14);
static_assert(offsetof(TPrintOptions, ArmsPosition) == 0x16);
static_assert(offsetof(TPrintOptions, PaperPublisher) == 0x1a);
static_assert(offsetof(TPrintOptions, ReligionLineMode) == 0x1e);
static_assert(offsetof(TPrintOptions, ReceiptCopy) == 0x24);
static_assert(offsetof(TPrintOptions, FontHeightCompensation) == 0x26);
static_assert(offsetof(TPrintOptions, ReservedSwitch40) == 0x28);
static_assert(offsetof(TPrintOptions, SettingsInProgramDir) == 0x2c);
static_assert(offsetof(TPrintOptions, FillCharacter) == 0x30);
static_assert(offsetof(TPrintOptions, DuplexNoDialogs) == 0x32);
static_assert(offsetof(TPrintOptions, OnlyNecessaryDialogs) == 0x34);
static_assert(offsetof(TPrintOptions, ColourArmsOnMono) == 0x38);
static_assert(offsetof(TPrintOptions, Reserved58) == 0x3a);
static_assert(offsetof(TPrintOptions, ReservedTexts) == 0x40);
static_assert(offsetof(TPrintOptions, Pad319) == 0x13f);

inline constexpr const char* kPrintOptionsFile = "DRKEINST.DAT";
inline constexpr std::size_t kOldPrintOptionsSize = 44;

extern TPrintOptions PrintOptions;

// Check box number, the word it edits, and whether any non-zero word checks it
// (otherwise only 1 does).
struct PrintOptionSwitch {
  int CheckBox;
  platform::LeU16 TPrintOptions::*Field;
  bool CheckedWhenNonZero;
};
extern const PrintOptionSwitch kPrintOptionSwitches[14];

// Radio group number and the word that holds its item index.
struct PrintOptionChoice {
  int RadioGroup;
  platform::LeU16 TPrintOptions::*Field;
};
extern const PrintOptionChoice kPrintOptionChoices[7];

// Margin edit number, the word it edits and the caption of its label.
struct PrintOptionMargin {
  int Edit;
  platform::LeU16 TPrintOptions::*Field;
  const char* Label;
};
extern const PrintOptionMargin kPrintOptionMargins[3];

// Margins accepted from the dialog, in 0.1 mm.
inline constexpr int kMarginMin = 0;
inline constexpr int kMarginMax = 65535;
// A margin typed into the dialog: a whole number from kMarginMin to kMarginMax
// (blanks around it allowed), or nothing.
std::optional<std::uint16_t> ParseMargin(const QString& text);
// The message shown when a margin edit holds no acceptable value.
QString InvalidMarginMessage(const QString& label);

TPrintOptions DefaultPrintOptions();
void SetPrintOptionDefaults();
// Turns a 44-byte record of the previous version into PrintOptions.
void ConvertOldPrintOptions(const std::uint8_t* old44);
void LoadPrintOptions();
// Writes the record into PrintOptionsFolder(). False when that failed (the
// message has been shown).
bool SavePrintOptions();

// ProgramDir when SettingsInProgramDir is 1, else DataDir.
QString PrintOptionsFolder();
// The folder that is not PrintOptionsFolder().
QString OtherPrintOptionsFolder();

}  // namespace quorv
