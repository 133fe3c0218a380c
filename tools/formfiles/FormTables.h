#pragma once
// The form files the program ships in resources/, kept as tables. Each
// committed file is what WriteShippedFormFiles writes from its table: to change
// a shipped form, edit its table and run the generator
// ("cmake --build build --target formfiles"), then commit both.
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

#include "printengine/FormFiles.h"
#include "records/QuorvDat.h"

namespace formfiles {

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

// The lines a text block needs to hold a whole text of capacity characters in
// the given paragraphs at chars characters a line: every line loses about 10
// characters to the word that moves on, every paragraph half a line on
// average, and a line end takes the two characters the record stores.
constexpr int LinesForText(int capacity, int paragraphs, int chars) {
  const int room = 2 * (chars - 10);
  return (2 * (capacity - 2 * (paragraphs - 1)) + paragraphs * (chars - 10) + room - 1) / room;
}
// A whole development text in 6 paragraphs, whole remarks in 3.
constexpr int DevelopmentTextLines(int chars) { return LinesForText(quorv::kDevelopmentTextSize - 1, 6, chars); }
constexpr int RemarksLines(int chars) { return LinesForText(quorv::kRemarksTextSize - 1, 3, chars); }

// The shipped file of a report form: its file name and title by the form-file
// table, with the fields of the table.
ShippedFormFile ShippedReportFormFile(int form, const quorv::TFormFieldTable& fields);

// Every report form's file (ReportFormTables.cpp), those of the Grundschule and
// the Gesamtschule included. A new shipped file is one more row of its list,
// ShippedReportFormFile(form, table).
std::vector<ShippedFormFile> ReportFormFiles();
// Forms 1 to 4 (GrundschuleFormTables.cpp).
std::vector<ShippedFormFile> GrundschuleFormFiles();
// "Anl04a.FST", "Anl026.FST" to "Anl029.FST" and "Anl127.FST" (GesamtschuleFormTables.cpp).
std::vector<ShippedFormFile> GesamtschuleFormFiles();

// The receipt's and the learning-development report's files (ReceiptFormTables.cpp).
quorv::TFormFieldTable ReceiptA4FormTable();
quorv::TFormFieldTable ReceiptA5FormTable();
quorv::TFormFieldTable LearningReportFormTable();
// "Anl041.FST", "Anl043.FST", "Anl143.FST" and "Anl170.FST".
std::vector<ShippedFormFile> ReceiptFormFiles();

// Every shipped form file: the report forms', then the receipt's.
std::vector<ShippedFormFile> ShippedFormFiles();

// Writes every shipped form file into folder (ending in '/') with the
// program's form-file writer; a file that already holds its text is left
// alone. Stops at the first file that cannot be written.
struct WrittenFormFiles {
  QStringList Changed;  // file names written
  int Unchanged = 0;
  quorv::FormFileError Error;
};
WrittenFormFiles WriteShippedFormFiles(const QString& folder);

}  // namespace formfiles
