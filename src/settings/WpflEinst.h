#pragma once
// The school's list of elective subjects ("WPflFach.DAT").
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "platform/BinIO.h"

namespace quorv {

struct TElectiveSubject {
  platform::ShortString<40> Name;
  platform::ShortString<5> Abbreviation;
};
static_assert(sizeof(TElectiveSubject) == 47);
static_assert(offsetof(TElectiveSubject, Abbreviation) == 41);

using TWPflFach = std::vector<TElectiveSubject>;

inline constexpr const char* kElectiveFile = "WPflFach.DAT";

extern TWPflFach ElectiveSubjects;  // ElectiveCount == ElectiveSubjects.size()
extern int ElectiveIndex;
extern QStringList ElectiveSubjectNames;

inline int ElectiveCount() { return static_cast<int>(ElectiveSubjects.size()); }

void SetElectiveDefaults();
void SetElectivePlaceholder();
void LoadElectiveSubjects();
bool SaveElectiveSubjects();
void RebuildElectiveNames();
inline void UpdateElectiveNames() { RebuildElectiveNames(); }
// Copies "WPflFach.DAT" from folder B (ListsInProgramDir = 1) or A, falling
// back to the other, into the target folder.
void CopyElectiveFile(const QString& target, const QString& folderA, const QString& folderB);

}  // namespace quorv
