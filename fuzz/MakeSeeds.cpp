// Writes the seed corpora of the fuzz targets with the program's own writers:
// quorv_fuzz_seeds <folder> makes <folder>/<target>/ for every target.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "platform/Files.h"
#include "printengine/FormFiles.h"
#include "records/ClassFile.h"
#include "records/GradeList.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WpflEinst.h"

namespace {

using namespace quorv;

QString g_out;

QString Corpus(const char* target) {
  const QString folder = g_out + target + "/";
  QDir().mkpath(folder);
  return folder;
}

// Moves a file the program wrote into a corpus.
void Keep(const QString& written, const char* target, const char* seed) {
  const QString to = Corpus(target) + seed;
  QFile::remove(to);
  if (!QFile::rename(written, to)) fuzzsupport::Fail(__FILE__, __LINE__, "moving a seed");
}

void Put(const char* target, const char* seed, const QByteArray& bytes) {
  if (!platform::WriteFileReplacing(Corpus(target) + seed, bytes))
    fuzzsupport::Fail(__FILE__, __LINE__, "writing a seed");
}

TPupilRecord Pupil(const char* surname, const char* firstName, int subjects) {
  TPupilRecord r = ZeroPupilRecord();
  InitPupilRecord(r);
  r.Surname.setText(QString::fromUtf8(surname));
  r.FirstName.setText(QString::fromUtf8(firstName));
  r.BirthDate.set("01.02.2010");
  r.ClassName.set("7a");
  for (int k = 0; k < subjects; ++k) {
    r.Subjects[k].Name.setText(QString::fromUtf8(k % 2 ? "Deutsch" : "Mathematik"));
    r.Subjects[k].Grade.set(k % 2 ? "2" : "3");
    r.Subjects[k].CourseLevel.set("E");
  }
  r.DevelopmentText.setText(QString::fromUtf8("Ein Text über die Entwicklung."));
  return r;
}

// Version 2, written by the class-file save.
void ClassFilesV2() {
  const std::vector<std::vector<TPupilRecord>> classes = {
      {Pupil("Müller", "Anna", 3)},
      {Pupil("Özdemir", "Can", 12), Pupil("Schäfer", "Lea", 25), Pupil("???", "", 0)},
  };
  int n = 0;
  for (const auto& pupils : classes) {
    Pupils = pupils;
    PupilCount = static_cast<int>(pupils.size());
    CurrentPupil = 0;
    ResetClassFileHeader();
    ClassFileName = "SEED.QVR";
    fuzzsupport::WriteFile(DataDir + ClassFileName, {});
    if (!WriteClassFile()) fuzzsupport::Fail(__FILE__, __LINE__, "class file");
    Keep(DataDir + ClassFileName, "classfile_v2", n++ == 0 ? "one-pupil.QVR" : "three-pupils.QVR");
  }
}

// Version 1 is only read: its records are made from the record type of the reader.
void ClassFilesV1() {
  for (int count : {1, 2}) {
    TClassFileHeader header;
    std::memset(&header, 0, sizeof header);
    header.RecordCount = static_cast<std::uint16_t>(count);
    header.Magic.set(kClassFileMagic);
    header.VersionWritten = kClassFileVersion1;
    header.VersionLoaded = kClassFileVersion1;
    QByteArray file = fuzzsupport::BytesOf(header);
    for (int i = count - 1; i >= 0; --i) {
      TPupilRecordV1 r;
      std::memset(&r, 0, sizeof r);
      r.Active = 1;
      r.CreatedSchoolType = static_cast<std::uint16_t>(3 + i);
      r.KeyNumber = 100 + i;
      r.Surname.setText(QString::fromUtf8(i ? "Weiß" : "Lange"));
      r.FirstName.set("Tom");
      r.Klassenstufe = 1;
      r.SchoolYear.set("2004");
      for (auto& s : r.Subjects1To8) {
        s.Name.set("Sport");
        s.Grade.set("1");
      }
      std::strcpy(r.DevelopmentText, "Alte Entwicklung.");
      file += fuzzsupport::BytesOf(r);
    }
    Put("classfile_v1", count == 1 ? "one-pupil.QVR" : "two-pupils.QVR", file);
  }
}

void FormFiles() {
  TFormFieldTable fields;
  NewFormFileDefaults(fields);
  Put("formfile", "new-file.FST", FormFileText(QString::fromUtf8("Übergangs-Zeugnis"), fields));
  for (int k = 0; k < kFormFieldCount; ++k) {
    const auto v = static_cast<std::uint16_t>(k);
    fields[static_cast<std::size_t>(k)] = {static_cast<std::uint16_t>(100 + 13 * v), static_cast<std::uint16_t>(2800 - 17 * v),
                                           static_cast<std::uint16_t>(v % 3), static_cast<std::uint16_t>(1 + v % 50),
                                           static_cast<std::uint16_t>(1 + v % 3), static_cast<std::uint16_t>(v % 2)};
  }
  Put("formfile", "filled.FST", FormFileText(QString::fromUtf8("Jahres-Zeugnis der Realschule"), fields));
  Put("formfile", "not-printed.FST", FormFileText(kNoFormTitle, fields));
}

void SchoolSettingsFiles() {
  const QString path = ProgramDir + kSchoolSettingsFile;
  SetSchoolSettingDefaults();
  if (!SaveSchoolSettings()) fuzzsupport::Fail(__FILE__, __LINE__, "school settings");
  Keep(path, "schoolsettings", "defaults.DAT");
  SchoolSettings.SchoolType = stGymnasium;
  SchoolSettings.SchoolNameAddress.setText(QString::fromUtf8("Gymnasium Süd, Schulstraße 4, 12345 Velsstadt"));
  if (!SaveSchoolSettings()) fuzzsupport::Fail(__FILE__, __LINE__, "school settings");
  Keep(path, "schoolsettings", "gymnasium.DAT");
}

void ProgramOptionFiles() {
  const QString path = ProgramDir + kProgramOptionsFile;
  SetProgramOptionDefaults();
  if (!SaveProgramOptions()) fuzzsupport::Fail(__FILE__, __LINE__, "program options");
  const QByteArray defaults = fuzzsupport::ReadFile(path);
  Keep(path, "programoptions", "defaults.DAT");
  // The older versions are the start of the record.
  Put("programoptions", "version-16.DAT", defaults.left(16));
  Put("programoptions", "version-120.DAT", defaults.left(120));
  ProgramOptions.ShowDeletedPupils = 1;
  ProgramOptions.ListsInProgramDir = 0;
  ProgramOptions.ReservedText.set("frei");
  if (!SaveProgramOptions()) fuzzsupport::Fail(__FILE__, __LINE__, "program options");
  Keep(path, "programoptions", "changed.DAT");
  SetProgramOptionDefaults();
}

void ElectiveFiles() {
  const QString path = ListsFolder() + kElectiveFile;
  SetElectiveDefaults();
  if (!SaveElectiveSubjects()) fuzzsupport::Fail(__FILE__, __LINE__, "elective list");
  Keep(path, "electives", "defaults.DAT");
  for (const char* name : {"Informatik", "Französisch", "Darstellendes Spiel"}) {
    TElectiveSubject e;
    std::memset(&e, 0, sizeof e);
    e.Name.setText(QString::fromUtf8(name));
    e.Abbreviation.setText(QString::fromUtf8(name).left(3));
    ElectiveSubjects.push_back(e);
  }
  if (!SaveElectiveSubjects()) fuzzsupport::Fail(__FILE__, __LINE__, "elective list");
  Keep(path, "electives", "five-entries.DAT");
}

void PrintOptionFiles() {
  SetPrintOptionDefaults();
  const QString path = PrintOptionsFolder() + kPrintOptionsFile;
  if (!SavePrintOptions()) fuzzsupport::Fail(__FILE__, __LINE__, "print options");
  const QByteArray defaults = fuzzsupport::ReadFile(path);
  Keep(path, "printoptions", "defaults.DAT");
  // The previous version: the same words up to 0x27, its switch at 0x2a.
  QByteArray old = defaults.left(0x28) + QByteArray(2, '\0') + defaults.mid(0x28, 2);
  Put("printoptions", "version-44.DAT", old);
  PrintOptions.StrikeMode = 3;
  PrintOptions.StrikeChar.set("=");
  PrintOptions.PaperPublisher = 2;
  PrintOptions.ArmsPosition = 3;
  PrintOptions.ReservedTexts[0].set("frei");
  if (!SavePrintOptions()) fuzzsupport::Fail(__FILE__, __LINE__, "print options");
  Keep(path, "printoptions", "changed.DAT");
}

// The program reads the catalogue but writes none: the seeds are the image of
// the built-in table, entry 50 first.
QByteArray CatalogImage() {
  QByteArray image;
  for (int e = kCatalogEntries - 1; e >= 0; --e) image += fuzzsupport::BytesOf(SubjectCatalog[static_cast<std::size_t>(e)]);
  return image;
}

void CatalogFiles() {
  BuildDefaultSubjectCatalog();
  Put("catalog", "built-in.DAT", CatalogImage());
  Put("catalog", "short.DAT", CatalogImage().left(10 * static_cast<qsizetype>(sizeof(TSubjectCatalogEntry))));
  SubjectCatalog[43].Name.set("Chinesisch");
  SubjectCatalog[43].Abbreviation.set("Chi");
  SubjectCatalog[43].GroupFlags[kGroupForeignLanguage] = 1;
  SubjectCatalog[43].SlotByForm[26] = 9;
  Put("catalog", "with-chinese.DAT", CatalogImage());
}

// The import files come from other programs: small valid lists.
void ImportFiles() {
  Put("pupillist", "default.TXT",
      "Nachname1;Vorname1;01.02.1999;Ort1;w;5a\r\nNachname2;Vorname2;03.04.2000;Ort2;m;5b\r\n");
  Put("pupillist", "utf8-quoted.CSV", "\xEF\xBB\xBF\"M\xC3\xBCller\";\"J\xC3\xB6rg\";;\xC5\xA0ibenik\n\"Aaa;Bbb\"x\tCcc\r");
  Put("pupillist", "windows-1252.TXT", "M\xFCller;J\xF6rg\r\n\r\nWei\xDF;Tom;;;1;7c\n");
  // A byte sum divisible by 64 sends the list also into the nearly full class.
  Put("pupillist", "three-lines.TXT", "Pohl;Paula\r\nPeters;Paul\r\nPfeiffer;Pia\r\n>");
  Put("gradelist", "grades.TXT",
      "Abel;Anna;Ma;2;E;Deu;3\r\nBerg;Ben;Mathematik;1\r\nZorn;Zoe;Ma;3\r\n\r\n\xD6zdemir;Can;Xy;4;Ma;6;G\r\n");
  Put("gradelist", "quoted.TXT", "\"Abel\";\"Anna\";\"Ma\";\"2\";\"E\"\n");
  TImportColumnMap map = DefaultImportColumnMap();
  Put("importcfg", "default.CFG", fuzzsupport::BytesOf(map));
  map[1].Joiner.set(" ");
  map[2].FieldCode = 1;
  map[2].Joiner.set("++");
  map[3].FieldCode = 8;
  map[3].Joiner.set("/");
  map[4].FieldCode = 9;
  Put("importcfg", "joiners.CFG", fuzzsupport::BytesOf(map));
  Put("importcfg", "short.CFG", fuzzsupport::BytesOf(map).left(20));
}

// A new list of the class the target exports, and that list merged with a changed class.
void OldGradeLists() {
  constexpr int kMathematik = 20;
  BuildDefaultSubjectCatalog();
  Pupils = fuzzsupport::GradeClass();
  PupilCount = static_cast<int>(Pupils.size());
  ClassFileName = "5a.QVR";
  GradeListFolder = DataDir;
  ExportSubjectSelection.fill(0);
  ExportSubjectSelection[kMathematik] = 1;
  const QString path = DataDir + GradeListFileName(ClassFileName, kMathematik);
  if (!ExportGradeLists()) fuzzsupport::Fail(__FILE__, __LINE__, "grade list");
  Put("oldgradelist", "new.FDB", fuzzsupport::ReadFile(path));
  Pupils[0].KeyNumber = 7;
  Pupils[2].Subjects[2].Grade.set("1");
  Pupils.push_back(Pupils[3]);
  Pupils.back().Surname.set("Neu");
  PupilCount = static_cast<int>(Pupils.size());
  if (!ExportGradeLists()) fuzzsupport::Fail(__FILE__, __LINE__, "grade list");
  Keep(path, "oldgradelist", "merged.FDB");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  if (!g_out.endsWith('/')) g_out += '/';
  fuzzsupport::Setup();
  ClassFilesV2();
  ClassFilesV1();
  FormFiles();
  SchoolSettingsFiles();
  ProgramOptionFiles();
  ElectiveFiles();
  PrintOptionFiles();
  CatalogFiles();
  ImportFiles();
  OldGradeLists();
  if (!fuzzsupport::Messages().empty()) fuzzsupport::Fail(__FILE__, __LINE__, "a writer showed a message");
  return 0;
}
