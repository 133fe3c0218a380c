#pragma once
// The form files the program ships in resources/, kept as tables in the
// tests: each committed file equals FormFileText of its table. Run the tests
// with QUORV_WRITE_FORM_FILES=1 to write the files from the tables instead.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <vector>

#include "printengine/FormFiles.h"
#include "support/TempDir.h"

namespace testsupport {

struct ShippedFormFile {
  int Form = 0;      // the report form that loads it; 0 for the receipt's and the learning report's own files
  QString FileName;  // "Anl015.FST"
  QString Title;     // the form's description
  quorv::TFormFieldTable Fields;
};

// One field of a table: its number and its six words.
struct FormRow {
  int Field;
  int X;
  int Y;
  int Align;
  int Font;
  int Page;
  int Active;
};
// Sets the listed fields of the table; the others stay as they are.
void PutRows(quorv::TFormFieldTable& table, std::initializer_list<FormRow> rows);

// Where the committed form files are.
QString ResourcesDir();
QByteArray ReadCommittedFormFile(const QString& fileName);
// The file's bytes as the program's normalising writer writes them.
QByteArray ShippedFormFileText(const ShippedFormFile& file);

// Expects every committed file to equal the text of its table; with
// QUORV_WRITE_FORM_FILES=1 writes the files from the tables first.
void ExpectCommittedFilesMatchTables(const std::vector<ShippedFormFile>& files);

// Copies the committed files into the program folder.
void InstallCommittedFormFiles(const TempProgramDir& dir, const std::vector<ShippedFormFile>& files);
// Copies the shipped coats of arms ("13F.BMP", "13S.BMP") into the program folder.
void InstallArmsPictures(const TempProgramDir& dir);

}  // namespace testsupport
