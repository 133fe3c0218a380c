#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "platform/ui/ComboBoxes.h"
#include "platform/ui/Cp1252Input.h"
#include "support/MouseInput.h"

namespace platform {
namespace {

// Chosen with the mouse in a dialog after a refusal: an elective name of
// exactly 30 characters is no cut and is taken, so the refusal's note goes;
// a cut one is said and not counted as taken.
TEST(DialogElectiveCombo, AChoiceOfThirtyIsTakenACutOneIsSaid) {
  QDialog dialog;
  auto* combo = new QComboBox(&dialog);
  MakeEditable(combo);
  combo->lineEdit()->setMaxLength(30);
  combo->addItems({QStringLiteral("Informatik"), QStringLiteral("Naturwissenschaften u. Technik"),
                   QStringLiteral("Naturwissenschaften und Technik (Robotik)")});
  (new QVBoxLayout(&dialog))->addWidget(combo);
  GuardDialogCp1252Inputs(&dialog);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const auto* note = dialog.findChild<QLabel*>(QStringLiteral("RefusalNote"));
  const struct {
    int item;
    const char* kept;
    const char* said;
  } cases[] = {
      {1, "Naturwissenschaften u. Technik", ""},
      {2, "Naturwissenschaften und Techni", "Das Feld ist voll: Es fasst höchstens 30 Zeichen."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    combo->lineEdit()->selectAll();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ı"));
    QApplication::sendEvent(combo, &key);
    ASSERT_EQ(note->text().toStdString(), "„ı“ kann nicht gespeichert werden; bitte „i“ eingeben.");
    ASSERT_TRUE(testsupport::ChooseWithMouse(combo, c.item));
    EXPECT_EQ(combo->lineEdit()->text().toStdString(), c.kept);
    EXPECT_EQ(note->text().toStdString(), c.said);
  }
}

}  // namespace
}  // namespace platform
