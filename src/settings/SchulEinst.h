#pragma once
// School settings: school type and the school's name and address ("SCHEINST.DAT").
#include <QString>
#include <QStringList>
#include <cstddef>

#include "platform/BinIO.h"

namespace quorv {

struct TSchoolSettings {
  platform::LeU16 SchoolType;  // 0..9
  platform::ShortString<80> SchoolNameAddress;
  std::uint8_t Pad83;
  platform::LeU16 Reserved[5];
};
static_assert(sizeof(TSchoolSettings) == 94);
static_assert(offsetof(TSchoolSettings, SchoolNameAddress) == 2);
static_assert(offsetof(TSchoolSettings, Pad83) == 83);
static_assert(offsetof(TSchoolSettings, Reserved) == 84);

enum SchoolTypes : int {
  stNone = 0,
  stGrundschule = 1,
  stRegionaleSchule = 2,
  stGesamtschule = 3,
  stGymnasium = 4,
  stHauptschule = 5,
  stRealschule = 6,
  stFoerderschule = 7,
  stReserve = 8,
  stLebensbewaeltigung = 9,
};

inline constexpr const char* kSchoolSettingsFile = "SCHEINST.DAT";

extern TSchoolSettings SchoolSettings;

// The items of the school-type radio group, in order of their values.
const QStringList& SchoolTypeItems();

void SetSchoolSettingDefaults();
void LoadSchoolSettings();
// False when the file could not be written (the message has been shown).
bool SaveSchoolSettings();

}  // namespace quorv
