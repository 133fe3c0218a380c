#include "platform/ui/AppSetup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

namespace {

// Restores the application's name and takes the translator away again, so
// that the other tests see the application as they found it.
class AppSetupTest : public ::testing::Test {
 protected:
  ~AppSetupTest() override {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    QApplication::setApplicationName(name_);
    QLocale::setDefault(locale_);
  }
  const QString name_ = QApplication::applicationName();
  const QLocale locale_;
};

TEST_F(AppSetupTest, StandardButtonsSpeakGerman) {
  ASSERT_NE(platform::InstallQtGermanTranslations(*qApp), nullptr)
      << "Qt's German translations (qtbase_de.qm) are not installed";
  const struct {
    QDialogButtonBox::StandardButton Button;
    const char* Text;
  } buttons[] = {{QDialogButtonBox::Cancel, "Abbrechen"}, {QDialogButtonBox::Open, "Öffnen"},
                 {QDialogButtonBox::Close, "Schließen"}, {QDialogButtonBox::No, "Nein"}};
  for (const auto& b : buttons) {
    QDialogButtonBox box(b.Button);
    EXPECT_EQ(box.button(b.Button)->text().remove(QLatin1Char('&')), QString::fromUtf8(b.Text));
  }
}

TEST_F(AppSetupTest, TheNameIsNoSuffixOfCaptions) {
  platform::SetUpApplication(*qApp);
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Quorv (USB)"));
  // German month names whatever the machine's locale (the test sheet's date).
  EXPECT_EQ(QLocale().toString(QDate(2026, 3, 5), QStringLiteral("dd. MMMM yyyy")), QString::fromUtf8("05. März 2026"));
  // No display name of its own: one would be appended to every window caption.
  QApplication::setApplicationName(QStringLiteral("probe"));
  EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("probe"));
}

}  // namespace
