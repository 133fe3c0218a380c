#include "mainwindow/FachEing.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

#include "mainwindow/BewHilf.h"
#include "platform/Messages.h"
#include "platform/ui/Cp1252Input.h"
#include "platform/ui/ComboBoxes.h"
#include "records/QuorvDat.h"
#include "records/SubjectGrades.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

constexpr int kColumns = 6;
constexpr int kFixedColumns = 3;
constexpr int kLevelColumn = 3;
constexpr int kGradeColumn = 4;
constexpr int kAdditionColumn = 5;
constexpr int kGridSubjectLength = 40;

struct GridColumn {
  const char* header;
  int width;
};
constexpr GridColumn kGridColumns[kColumns] = {
    {"ID", 2}, {"Klasse", 40}, {"Name, Vorname", 210}, {"Ansp.", 30}, {"Bew.", 30}, {"Zus.", 30},
};

bool SchoolTypeHasLevels(int schoolType) { return schoolType == 0 || schoolType == 2 || schoolType == 3; }

using RowTexts = std::array<QString, kColumns>;

}  // namespace

TFachEingForm::TFachEingForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("FachEingForm"));
  setWindowTitle(QString::fromUtf8("Schüler-Fach-Übersicht"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TFachEingForm::MakeWidgets() {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  platform::MakeEditable(ComboBox1);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setMinimumContentsLength(30);
  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->horizontalHeader()->hide();
  // The 2- and 5-pixel columns stay that narrow.
  StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(18);
  StringGrid1->setColumnCount(kColumns);
  StringGrid1->setRowCount(15);
  // Course level, grade and addition cells hold what the subject slot holds;
  // the level and the grade are stored without leading blanks.
  platform::SetCellCapacities(StringGrid1, {{}, {}, {},
                                            {decltype(TSubjectEntry::CourseLevel)::Capacity, true},
                                            {decltype(TSubjectEntry::Grade)::Capacity, true},
                                            {decltype(TSubjectEntry::Addition)::Capacity, false}});

  struct ButtonSpec {
    QPushButton** button;
    const char* name;
    const char* caption;
    void (TFachEingForm::*slot)();
  };
  const ButtonSpec buttons[] = {
      {&BitBtn1, "BitBtn1", "beenden", &TFachEingForm::BitBtn1Click},
      {&BitBtn2, "BitBtn2", "abbrechen", &TFachEingForm::BitBtn2Click},
      {&BitBtn5, "BitBtn5", "Sortieren nach Name; aufsteigend", &TFachEingForm::BitBtn5Click},
      {&BitBtn6, "BitBtn6", "Sortieren nach Name; absteigend", &TFachEingForm::BitBtn6Click},
      {&BitBtn3, "BitBtn3", "Sortieren nach Klasse; aufsteigend", &TFachEingForm::BitBtn3Click},
      {&BitBtn4, "BitBtn4", "Sortieren nach Klasse; absteigend", &TFachEingForm::BitBtn4Click},
      {&BitBtn7, "BitBtn7", "mögliche Eintragungen", &TFachEingForm::BitBtn7Click},
      {&BitBtn8, "BitBtn8", "ALLE Bewertungen (u. Zus.) löschen", &TFachEingForm::BitBtn8Click},
  };
  auto* side = new QVBoxLayout;
  for (const ButtonSpec& b : buttons) {
    *b.button = new QPushButton(QString::fromUtf8(b.caption), this);
    (*b.button)->setObjectName(QString::fromLatin1(b.name));
    (*b.button)->setAutoDefault(false);
    connect(*b.button, &QPushButton::clicked, this, b.slot);
    if (b.button != &BitBtn1 && b.button != &BitBtn2) side->addWidget(*b.button);
  }
  side->addStretch();
  side->addWidget(BitBtn1);
  side->addWidget(BitBtn2);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("aktuelles Fach:"), this));
  top->addWidget(ComboBox1, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(StringGrid1, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(body);
  resize(720, 520);

  connect(ComboBox1, &QComboBox::textActivated, this, &TFachEingForm::ComboBox1Change);
  platform::GuardDialogCp1252Inputs(this);
}

QString TFachEingForm::Cell(int row, int column) const {
  const QTableWidgetItem* item = StringGrid1->item(row, column);
  return item ? item->text() : QString();
}

void TFachEingForm::SetCell(int row, int column, const QString& text) {
  QTableWidgetItem* item = StringGrid1->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    // The header row and the three left columns are fixed.
    if (row == 0 || column < kFixedColumns) item->setFlags(Qt::ItemIsEnabled);
    StringGrid1->setItem(row, column, item);
  }
  item->setText(text);
}

bool TFachEingForm::SubjectChosen() const { return GridSubject != kUnfilled && GridSubject != kNoContent; }

void TFachEingForm::SetupSubjectPupilGrid() {
  StringGrid1->setColumnCount(kColumns);
  if (StringGrid1->rowCount() < 1) StringGrid1->setRowCount(1);
  // Visible columns are at least as wide as their header text.
  const QFontMetrics metrics(StringGrid1->font());
  for (int c = 0; c < kColumns; ++c) {
    const QString header = QString::fromLatin1(kGridColumns[c].header);
    SetCell(0, c, header);
    const int width = kGridColumns[c].width;
    StringGrid1->setColumnWidth(c, width < 30 ? width : std::max(width, metrics.horizontalAdvance(header) + 12));
  }
  if (!SchoolTypeHasLevels(SchoolSettings.SchoolType)) StringGrid1->setColumnWidth(kLevelColumn, 5);
  if (ProgramOptions.ShowAdditions != 1) StringGrid1->setColumnWidth(kAdditionColumn, 2);
}

void TFachEingForm::FillSubjectPupilRows() {
  const std::vector<int> listed = ListedPupils(Pupils);
  // The rows follow the pupils listed, so no row of an earlier listing stays
  // behind to be written back.
  StringGrid1->setRowCount(static_cast<int>(listed.size()) + 1);
  int row = 1;
  for (int index : listed) {
    const ListedPupilCells cells = PupilCells(Pupils[static_cast<std::size_t>(index)]);
    SetCell(row, 0, cells.Key);
    SetCell(row, 1, cells.ClassName);
    SetCell(row, 2, cells.Name);
    for (int c = kLevelColumn; c < kColumns; ++c) SetCell(row, c, QString());
    ++row;
  }
  ListedPupilCount = static_cast<int>(listed.size());
}

void TFachEingForm::FillSubjectGridColumns() {
  const int rows = StringGrid1->rowCount();
  if (!SubjectChosen()) {
    for (int r = 1; r < rows; ++r)
      for (int c = kLevelColumn; c < kColumns; ++c) SetCell(r, c, QString());
    return;
  }
  const ListedPupilIndex index(Pupils);
  for (int r = 1; r < rows; ++r) {
    const int found = index.Find({Cell(r, 0), Cell(r, 1), Cell(r, 2)});
    if (found < 0) continue;
    const TPupilRecord& pupil = Pupils[static_cast<std::size_t>(found)];
    const int slot = SlotNamed(pupil, GridSubject);
    if (slot == 0) {
      for (int c = kLevelColumn; c < kColumns; ++c) SetCell(r, c, QString::fromLatin1(kNoSubjectCell));
      continue;
    }
    const TSubjectEntry& e = pupil.Subjects[slot - 1];
    SetCell(r, kLevelColumn, e.CourseLevel.text());
    SetCell(r, kGradeColumn, e.Grade.text());
    SetCell(r, kAdditionColumn, e.Addition.text());
  }
}

void TFachEingForm::WriteBackSubjectGrid() {
  if (!SubjectChosen()) return;
  const QString noSubject = QString::fromLatin1(kNoSubjectCell);
  const ListedPupilIndex index(Pupils);
  int notFound = 0;
  int withoutSubject = 0;
  for (int r = 1; r < StringGrid1->rowCount(); ++r) {
    const QString name = Cell(r, 2);
    if (QString::compare(name, QStringLiteral(" ")) <= 0 || name == QStringLiteral(", ")) continue;
    if (Cell(r, kLevelColumn) == noSubject || Cell(r, kGradeColumn) == noSubject) continue;
    const int found = index.Find({Cell(r, 0), Cell(r, 1), name});
    if (found < 0) {
      ++notFound;
      continue;
    }
    TPupilRecord& pupil = Pupils[static_cast<std::size_t>(found)];
    const int slot = SlotNamed(pupil, GridSubject);
    if (slot == 0) {
      ++withoutSubject;
      continue;
    }
    TSubjectEntry& e = pupil.Subjects[slot - 1];
    e.CourseLevel.setText(FirstCharOfCell(Cell(r, kLevelColumn)));
    e.Grade.setText(FirstCharOfCell(Cell(r, kGradeColumn)));
    e.Addition.setText(Cell(r, kAdditionColumn).left(2));
    Modified = true;
  }
  if (notFound > 0)
    platform::ShowMessage(QString::number(notFound) + QStringLiteral(" Schüler konnten nicht gefunden werden!"),
                          platform::MsgKind::Error);
  if (withoutSubject > 0)
    platform::ShowMessage(QStringLiteral("Bei ") + QString::number(withoutSubject) +
                              QString::fromUtf8(" Schülern konnte das Fach: ") + GridSubject +
                              QStringLiteral(" nicht gefunden werden!"),
                          platform::MsgKind::Warning);
}

void TFachEingForm::SortRows(int column, bool ascending) {
  const int last = std::min(ListedPupilCount, StringGrid1->rowCount() - 1);
  if (last < 2) return;
  struct Row {
    std::string key;  // the sort column as 1252 bytes, compared by character code
    RowTexts texts;
  };
  std::vector<Row> rows;
  rows.reserve(static_cast<std::size_t>(last));
  for (int r = 1; r <= last; ++r) {
    Row row;
    for (int c = 0; c < kColumns; ++c) row.texts[static_cast<std::size_t>(c)] = Cell(r, c);
    row.key = platform::EncodeCp1252(row.texts[static_cast<std::size_t>(column)]);
    rows.push_back(std::move(row));
  }
  // Swapping only neighbours out of order keeps equal keys in their order.
  const auto less = [](const Row& a, const Row& b) {
    return std::lexicographical_compare(a.key.begin(), a.key.end(), b.key.begin(), b.key.end(),
                                        [](char x, char y) { return static_cast<unsigned char>(x) <
                                                                    static_cast<unsigned char>(y); });
  };
  if (ascending)
    std::stable_sort(rows.begin(), rows.end(), less);
  else
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) { return less(b, a); });
  for (int r = 1; r <= last; ++r)
    for (int c = 0; c < kColumns; ++c) SetCell(r, c, rows[static_cast<std::size_t>(r - 1)].texts[static_cast<std::size_t>(c)]);
}

void TFachEingForm::FormShow() {
  ComboBox1->blockSignals(true);
  ComboBox1->clear();
  ComboBox1->addItems(AllSubjectNames);
  ComboBox1->setCurrentIndex(0);
  ComboBox1->blockSignals(false);
  GridSubject = ComboBox1->currentText().left(kGridSubjectLength);
  SetupSubjectPupilGrid();
  ListedPupilCount = 0;
  FillSubjectPupilRows();
  FillSubjectGridColumns();
}

void TFachEingForm::ComboBox1Change(const QString& text) {
  if (SubjectChosen()) WriteBackSubjectGrid();
  // A typed text that is no subject of the list shows no columns, so nothing
  // is written back for it later.
  GridSubject = AllSubjectNames.contains(text) ? text.left(kGridSubjectLength) : QString::fromLatin1(kUnfilled);
  FillSubjectGridColumns();
}

void TFachEingForm::BitBtn1Click() {
  WriteBackSubjectGrid();
  done(1);
}

void TFachEingForm::BitBtn2Click() {
  if (platform::AskYesNo(QString::fromUtf8("Sollen die veränderten Daten\rseit dem letzten Fächerwechsel\r"
                                           "noch übernommen werden?")))
    WriteBackSubjectGrid();
  done(2);
}

void TFachEingForm::BitBtn5Click() { SortRows(2, true); }
void TFachEingForm::BitBtn6Click() { SortRows(2, false); }
void TFachEingForm::BitBtn3Click() { SortRows(1, true); }
void TFachEingForm::BitBtn4Click() { SortRows(1, false); }

void TFachEingForm::BitBtn7Click() {
  if (BewHilfForm) BewHilfForm->ShowBesideDialog(this, GridColumnsOnScreen());
}

QRect TFachEingForm::GridColumnsOnScreen() const {
  const QWidget* view = StringGrid1->viewport();
  const int right = StringGrid1->columnViewportPosition(kColumns - 1) + StringGrid1->columnWidth(kColumns - 1);
  return QRect(view->mapToGlobal(QPoint(0, 0)), QSize(std::min(right, view->width()), view->height()));
}

void TFachEingForm::BitBtn8Click() {
  if (!platform::AskYesNo(QString::fromUtf8("Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?")))
    return;
  const QString noSubject = QString::fromLatin1(kNoSubjectCell);
  for (int r = 1; r <= ListedPupilCount && r < StringGrid1->rowCount(); ++r) {
    if (Cell(r, kLevelColumn) == noSubject || Cell(r, kGradeColumn) == noSubject) continue;
    SetCell(r, kLevelColumn, QStringLiteral("-"));
    SetCell(r, kGradeColumn, QStringLiteral("-"));
    SetCell(r, kAdditionColumn, QString());
  }
}

void TFachEingForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
  // A code list the data sheet left open would stay behind the dialog's modality.
  if (BewHilfForm && BewHilfForm->isVisible()) BitBtn7Click();
}

}  // namespace quorv
