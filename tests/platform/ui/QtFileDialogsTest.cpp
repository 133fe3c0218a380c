#include "platform/ui/QtFileDialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTest>
#include <QTreeView>

#include "support/TempDir.h"

TEST(QtFileDialogs, DetailViewShowsGermanSizesAndDatesInFullAndTypedNamesGetTheSuffix) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // as at start-up
  QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));  // Qt's defaults
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.dataDir() + "noten.TXT", QByteArray(24000, 'x'));
  QFileDialog dialog;
  platform::PrepareFileDialog(dialog, {QString(), dir.dataDir(), QString(), QString(), QStringLiteral("TXT")});
  dialog.show();
  const auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  const auto cell = [view](int column) { return view->model()->index(0, column, view->rootIndex()).data().toString(); };
  const QHeaderView* header = view->header();
  const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
  const auto width = [&](int column) { return view->fontMetrics().horizontalAdvance(cell(column)) + margins; };
  // The file's details come from another thread, then the columns follow their texts.
  EXPECT_TRUE(QTest::qWaitFor([&] {
    for (int column = 1; column <= 3; ++column)
      if (header->sectionSize(column) < width(column)) return false;
    return !cell(3).isEmpty();
  }, 30000));
  for (int column = 1; column <= 3; ++column) {
    EXPECT_GE(header->sectionSize(column), width(column)) << column;
    EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column), view->viewport()->width());
  }
  EXPECT_GE(header->sectionSize(0), view->fontMetrics().horizontalAdvance(QString(26, 'w')));  // Qt's own width
  EXPECT_EQ(cell(1), "23,44 KiB");
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$")).match(cell(3)).hasMatch())
      << cell(3).toStdString();
  EXPECT_EQ(dialog.defaultSuffix(), "TXT");
  QLocale::setDefault(saved);
}
