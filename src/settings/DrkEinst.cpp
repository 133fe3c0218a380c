#include "settings/DrkEinst.h"

#include <QByteArray>
#include <cstring>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"

namespace quorv {

TPrintOptions PrintOptions = DefaultPrintOptions();

const PrintOptionSwitch kPrintOptionSwitches[14] = {
    {1, &TPrintOptions::GradesInWords, false},     {2, &TPrintOptions::NoRuledLines, false},
    {3, &TPrintOptions::ReportCopy, false},        {4, &TPrintOptions::ReceiptCopy, true},
    {5, &TPrintOptions::PrintFrame, false},        {6, &TPrintOptions::CorrectionCorner, false},
    {7, &TPrintOptions::ReservedSwitch40, false},  {8, &TPrintOptions::FontHeightCompensation, false},
    {9, &TPrintOptions::UseFormFileCopies, false}, {10, &TPrintOptions::SettingsInProgramDir, false},
    {11, &TPrintOptions::DuplexNoDialogs, false},  {12, &TPrintOptions::OnlyNecessaryDialogs, false},
    {13, &TPrintOptions::ConferencePrint, false},  {14, &TPrintOptions::ColourArmsOnMono, false},
};

const PrintOptionChoice kPrintOptionChoices[7] = {
    {1, &TPrintOptions::StrikeMode},   {2, &TPrintOptions::ReligionLineMode},
    {3, &TPrintOptions::ReceiptA5},    {4, &TPrintOptions::ReceiptWording},
    {5, &TPrintOptions::ArmsPosition}, {6, &TPrintOptions::PaperPublisher},
    {7, &TPrintOptions::ArmsSize},
};

const PrintOptionMargin kPrintOptionMargins[3] = {
    {2, &TPrintOptions::LeftMargin, "linker Rand"},
    {3, &TPrintOptions::TopMargin, "oberer Rand"},
    {4, &TPrintOptions::InnerMargin, "innerer Rand"},
};

std::optional<std::uint16_t> ParseMargin(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok || value < kMarginMin || value > kMarginMax) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

QString InvalidMarginMessage(const QString& label) {
  return QString::fromUtf8(
             "Ungültiger Wert für \"%1\"!\rBitte geben Sie eine ganze Zahl von %2 bis %3 "
             "(1/10 mm) ein.\rDie Druck-Optionen wurden nicht übernommen.")
      .arg(label)
      .arg(kMarginMin)
      .arg(kMarginMax);
}

TPrintOptions DefaultPrintOptions() {
  TPrintOptions o;
  std::memset(&o, 0, sizeof o);
  o.PrintFrame = 1;
  o.LeftMargin = 150;
  o.TopMargin = 150;
  o.InnerMargin = 100;
  o.Reserved16 = 50;
  o.StrikeMode = 1;
  o.StrikeChar.set("-");
  o.ArmsSize = 1;
  o.ReceiptCopy = 1;
  o.SettingsInProgramDir = 1;
  o.FillCharacter.set("#");
  return o;
}

void SetPrintOptionDefaults() { PrintOptions = DefaultPrintOptions(); }

void ConvertOldPrintOptions(const std::uint8_t* old44) {
  auto* record = reinterpret_cast<std::uint8_t*>(&PrintOptions);
  // Up to FontHeightCompensation both layouts agree; old 0x28 is dropped.
  std::memcpy(record, old44, offsetof(TPrintOptions, ReservedSwitch40));
  std::memcpy(record + offsetof(TPrintOptions, ReservedSwitch40), old44 + 0x2a, 2);
  PrintOptions.StrikeChar.clampLength();
  PrintOptions.UseFormFileCopies = 0;
  PrintOptions.SettingsInProgramDir = 1;
  PrintOptions.Reserved46 = 0;
  PrintOptions.FillCharacter.set("#");
  PrintOptions.DuplexNoDialogs = 0;
  // OnlyNecessaryDialogs keeps the value the record holds.
  PrintOptions.ConferencePrint = 0;
  PrintOptions.ColourArmsOnMono = 0;
  for (auto& w : PrintOptions.Reserved58) w = 0;
  std::memset(PrintOptions.ReservedTexts, 0, sizeof PrintOptions.ReservedTexts);
}

namespace {

// A converted file of the previous version; it is removed once the converted
// record has been saved, so its settings are never lost before that.
QString g_convertedOldFile;

void RemoveConvertedOldFile(const QString& savedPath) {
  const QString old = g_convertedOldFile;
  g_convertedOldFile.clear();
  // Saved over the old file itself: it now holds the new record.
  if (old.isEmpty() || old == savedPath) return;
  if (platform::FileSize(old) != static_cast<qint64>(kOldPrintOptionsSize)) return;
  if (!platform::RemoveFile(old))
    platform::ShowMessage(
        QString::fromUtf8("Die alte Druck-Einstellungs-Datei\rkonnte nicht gelöscht werden:\r") + old,
        platform::MsgKind::Warning);
}

}  // namespace

QString PrintOptionsFolder() { return PrintOptions.SettingsInProgramDir == 1 ? ProgramDir : DataDir; }

QString OtherPrintOptionsFolder() { return PrintOptions.SettingsInProgramDir == 1 ? DataDir : ProgramDir; }

void LoadPrintOptions() {
  using platform::MsgKind;
  g_convertedOldFile.clear();
  QString path = PrintOptionsFolder() + kPrintOptionsFile;
  if (!platform::FileExists(path)) {
    path = OtherPrintOptionsFolder() + kPrintOptionsFile;
    if (!platform::FileExists(path)) return;
  }
  const qint64 size = platform::FileSize(path);
  const bool known = size == sizeof(TPrintOptions) || size == static_cast<qint64>(kOldPrintOptionsSize);
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes, sizeof(TPrintOptions)) || (known && bytes.size() != size)) {
    platform::ShowMessage(QString::fromUtf8("Die Druck-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
                          MsgKind::Error);
    return;
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  if (size == sizeof(TPrintOptions)) {
    std::memcpy(&PrintOptions, data, sizeof(TPrintOptions));
    PrintOptions.StrikeChar.clampLength();
    PrintOptions.FillCharacter.clampLength();
    for (auto& text : PrintOptions.ReservedTexts) text.clampLength();
  } else if (size == static_cast<qint64>(kOldPrintOptionsSize)) {
    ConvertOldPrintOptions(data);
    g_convertedOldFile = path;
  } else {
    platform::ShowMessage(
        QString::fromUtf8("Die Druck-Einstellungen gehören zu einer alten Programm-Version!\r"
                          "Es werden die Standard-Vorgaben genutzt!\r"
                          "Prüfen Sie unbedingt die aktuellen Einstellungen!"),
        MsgKind::Warning);
  }
}

bool SavePrintOptions() {
  using platform::MsgKind;
  const QString path = PrintOptionsFolder() + kPrintOptionsFile;
  const bool created = !platform::FileExists(path);
  if (created && !platform::CreateEmptyFile(path)) {
    platform::ShowMessage(QStringLiteral("Fehler beim Erzeugen der neuen Datei!"), MsgKind::Plain);
    return false;
  }
  if (!platform::WriteFileFromStart(path, &PrintOptions, sizeof PrintOptions)) {
    // An empty file left behind would be refused as an old version at the next start.
    if (created) platform::RemoveFile(path);
    platform::ShowMessage(QStringLiteral("Fehler beim Speichern von: \r") + path, MsgKind::Plain);
    return false;
  }
  RemoveConvertedOldFile(path);
  return true;
}

}  // namespace quorv
