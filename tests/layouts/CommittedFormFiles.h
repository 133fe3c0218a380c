#pragma once
// The form files the program ships, as committed in resources/; their tables
// are in tools/formfiles/.
#include <QByteArray>
#include <QString>
#include <vector>

#include "formfiles/FormTables.h"
#include "support/TempDir.h"

namespace testsupport {

// Where the committed form files are.
QString ResourcesDir();
QByteArray ReadCommittedFormFile(const QString& fileName);

// The report forms that load the file: its own, and those that share it
// (forms 24 and 25 share one).
std::vector<int> FormsOfShippedFile(const formfiles::ShippedFormFile& file);

// Copies the committed files into the program folder.
void InstallCommittedFormFiles(const TempProgramDir& dir, const std::vector<formfiles::ShippedFormFile>& files);
// Copies the shipped coats of arms ("13F.BMP", "13S.BMP") into the program folder.
void InstallArmsPictures(const TempProgramDir& dir);

}  // namespace testsupport
