#pragma once
// A class as the print benchmarks print it: every field the reports print
// filled in, forms 15 to 20 in turn, and the settings they print it with.
#include <QString>

#include "records/QuorvDat.h"
#include "records/TextWrap.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace bench {

inline QString Prose(int length) {
  const QString sentence = QString::fromUtf8(
      "Marie-Christin arbeitet im Unterricht aufmerksam und zuverlässig mit und bringt eigene Ideen ein. ");
  QString text;
  while (text.size() < length) text += sentence;
  text.truncate(length);
  return text.left(text.lastIndexOf(QLatin1Char(' '))) + QLatin1Char('.');
}

// A pupil with every field the reports print filled in (needs the subject catalogue).
inline quorv::TPupilRecord FilledPupil(int i) {
  quorv::TPupilRecord p = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(p);
  p.Active = 1;
  p.FormNumber = 15 + i % 6;  // forms 15 to 20
  p.FirstName.setText(QStringLiteral("Marie-Christin Annabell"));
  p.Surname.setText(QStringLiteral("Hohenlohe-Orth %1").arg(i + 1));
  p.BirthDate.setText(QStringLiteral("28.02.1998"));
  p.ClassName.setText(QStringLiteral("10R/b"));
  p.Sex = i % 2;
  p.SchoolYear.setText(QStringLiteral("2006"));
  p.NextSchool.setText(QStringLiteral("Berufliche Schule Seestadt-Süd"));
  p.Jahrgangsstufe.setText(QStringLiteral("10"));
  p.AbsenceDays.setText(QStringLiteral("12"));
  p.AbsenceDaysExcused.setText(QStringLiteral("10"));
  p.Gesamtpraedikat = 3;
  p.IssuePlace.setText(QStringLiteral("Seestadt"));
  p.IssueDate.setText(QStringLiteral("15.07.2007"));
  p.Schullaufbahnempfehlung = 1;
  for (int slot = 0; slot < 25; ++slot) {
    quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(slot)];
    e.Name.setText(quorv::SubjectCatalog[static_cast<std::size_t>(1 + slot % 40)].Name.text().left(30));
    e.Grade.setText(QString::number(1 + slot % 5));
    e.Addition.setText(QStringLiteral("12"));
    e.CourseLevel.setText(QStringLiteral("E"));
  }
  quorv::WideStringToBuffer(Prose(1900), p.DevelopmentText);
  quorv::WideStringToBuffer(Prose(480), p.RemarksText);
  quorv::WideStringToBuffer(Prose(1900), p.TeacherNotesText);
  return p;
}

// A regional school's settings, print options as a new user has them but
// for whole reports without page questions, and the default subject catalogue.
inline void UseBenchSettings() {
  quorv::SetSchoolSettingDefaults();
  quorv::SchoolSettings.SchoolType = 2;
  quorv::SchoolSettings.SchoolNameAddress.setText(
      QStringLiteral("Regionale Schule Am Schlosspark, Lindenallee 124, 12345 Seestadt"));
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  quorv::PrintOptions.DuplexNoDialogs = 1;  // whole reports, no page questions
  quorv::BuildDefaultSubjectCatalog();
}

}  // namespace bench
