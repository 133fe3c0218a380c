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
  for (int i = 0; i < 250 && cell(3).isEmpty(); ++i) QTest::qWait(20);
  QTest::qWait(50);  // the columns follow their texts
  const QHeaderView* header = view->header();
  const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
  for (int column = 1; column <= 3; ++column) {
    EXPECT_GE(header->sectionSize(column), view->fontMetrics().horizontalAdvance(cell(column)) + margins) << column;
    EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column), view->viewport()->width());
  }
  EXPECT_GE(header->sectionSize(0), view->fontMetrics().horizontalAdvance(QString(26, 'w')));  // Qt's own width
  EXPECT_EQ(cell(1), "23,44 KiB");
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$")).match(cell(3)).hasMatch())
      << cell(3).toStdString();
  EXPECT_EQ(dialog.defaultSuffix(), "TXT");
  QLocale::setDefault(saved);
}
