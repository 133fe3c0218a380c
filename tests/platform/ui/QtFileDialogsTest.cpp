#include "platform/ui/QtFileDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <optional>

#include "support/TempDir.h"

namespace {

struct DetailRow {
  QStringList texts;      // name, size, type, date as shown
  QList<bool> inFull;     // each text fits its column and the column is in view
  int nameWidth = 0;
};

// Reads the row of a file in the dialog's detail view once the view shows it.
std::optional<DetailRow> ReadRow(QFileDialog& dialog, const QString& name) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!view) return std::nullopt;
  const QAbstractItemModel* model = view->model();
  const QModelIndex root = view->rootIndex();
  for (int row = 0; row < model->rowCount(root); ++row) {
    if (model->index(row, 0, root).data().toString() != name) continue;
    DetailRow out;
    const QFontMetrics metrics(view->font());
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QHeaderView* header = view->header();
    for (int column = 0; column < 4; ++column) {
      const QString text = model->index(row, column, root).data().toString();
      if (text.isEmpty()) return std::nullopt;  // not read yet
      out.texts << text;
      const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
      out.inFull << (header->sectionSize(column) >= metrics.horizontalAdvance(text) + margins &&
                     right <= view->viewport()->width());
    }
    out.nameWidth = header->sectionSize(0);
    return out;
  }
  return std::nullopt;
}

TEST(QtFileDialogs, DetailViewShowsGermanSizesAndDatesInFullAndTypedNamesGetTheSuffix) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // as at start-up
  QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));  // Qt's defaults
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.dataDir() + "noten.TXT", QByteArray(24000, 'x'));
  std::optional<DetailRow> seen;
  QString suffix;
  int ticks = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    const std::optional<DetailRow> row = ReadRow(*dialog, QStringLiteral("noten.TXT"));
    // One more turn after the row is complete, for the columns to follow their texts.
    if (!(row && seen) && ++ticks < 250) {
      seen = row;
      return;
    }
    seen = row;
    suffix = dialog->defaultSuffix();
    dialog->reject();
  });
  poll.start(20);
  platform::QtFileDialogs dialogs;
  dialogs.ChooseOpenFile({QStringLiteral("Bewertungsdaten importieren ..."), dir.dataDir(),
                          QStringLiteral("Textdateien (*.TXT)|*.TXT"), QString(), QStringLiteral("TXT")});
  QLocale::setDefault(saved);

  EXPECT_EQ(suffix, QStringLiteral("TXT"));
  ASSERT_TRUE(seen) << "the dialog never showed the file";
  EXPECT_EQ(seen->texts.value(1), QStringLiteral("23,44 KiB"));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"))
                  .match(seen->texts.value(3))
                  .hasMatch())
      << seen->texts.value(3).toStdString();
  EXPECT_EQ(seen->inFull, (QList<bool>{true, true, true, true})) << seen->texts.join('|').toStdString();
  EXPECT_GE(seen->nameWidth, QFontMetrics(QApplication::font()).horizontalAdvance(QString(26, 'w')));
}

}  // namespace
