#include "mainwindow/BewUebers.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/SubjectGrades.h"
#include "settings/WpflEinst.h"

namespace quorv {

namespace {
constexpr int kColumns = 1 + kGradeCounterCount;
constexpr int kRowHeight = 18;
constexpr int kEmptyRowHeight = 6;

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  auto* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    grid->setItem(row, column, item);
  }
  item->setText(text);
}
}  // namespace

TBewUebersForm::TBewUebersForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("BewUebersForm"));
  setWindowTitle(QString::fromUtf8("Fächer- und Bewertungs-Übersicht"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TBewUebersForm::MakeWidgets() {
  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  BitBtn1 = new QPushButton(QStringLiteral("Beenden"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addWidget(BitBtn1, 0, Qt::AlignRight);
  connect(BitBtn1, &QPushButton::clicked, this, &TBewUebersForm::BitBtn1Click);
  resize(840, 600);  // all 17 columns in view
  FormCreate();
}

void TBewUebersForm::FormCreate() {
  StringGrid1->setColumnCount(kColumns);
  StringGrid1->setRowCount(1);
  StringGrid1->verticalHeader()->setMinimumSectionSize(1);
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StringGrid1->setColumnWidth(0, 150);
  for (int c = 1; c < kColumns; ++c) StringGrid1->setColumnWidth(c, 40);
  SetCell(StringGrid1, 0, 0, QStringLiteral("Fach      |      Bewertung"));
  for (int c = 1; c < kColumns; ++c)
    SetCell(StringGrid1, 0, c, QString::fromLatin1(kGradeCounterHeaders[static_cast<std::size_t>(c - 1)]));
}

void TBewUebersForm::FormShow() {
  const OverviewResult overview = BuildOverviewRows(Pupils, static_cast<int>(ElectiveSubjectNames.size()));
  // One grid row per row in use; rows of an earlier showing are dropped.
  StringGrid1->setRowCount(static_cast<int>(overview.UsedRows.size()) + 1);
  int gridRow = 1;
  for (int r : overview.UsedRows) {
    const TOverviewRow& row = overview.Rows[static_cast<std::size_t>(r)];
    const QString name = platform::DecodeCp1252(row.Name);
    SetCell(StringGrid1, gridRow, 0, r >= overview.FirstElectiveRow ? QStringLiteral("WPfl.: ") + name : name);
    bool any = false;
    for (int c = 0; c < kGradeCounterCount; ++c) {
      const int n = row.Counters[static_cast<std::size_t>(c)];
      any = any || n != 0;
      SetCell(StringGrid1, gridRow, c + 1, n ? QString::number(n) : QString());
    }
    StringGrid1->setRowHeight(gridRow, any ? kRowHeight : kEmptyRowHeight);
    ++gridRow;
  }
}

void TBewUebersForm::BitBtn1Click() { done(1); }

void TBewUebersForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
