#include "records/RemarkPhrases.h"

#include <gtest/gtest.h>

using namespace quorv;

namespace {

const QString kStrike = QStringLiteral("  - - - - -");

TEST(RemarkPhrasesTest, PhrasesByIndexLevelAndCertificate) {
  struct Case {
    int index;
    int level;
    int abschlussart;
    const char* phrase;
    bool warns;
  } cases[] = {
      {0, 5, 0, "", false},
      {8, 5, 0, "", false},
      {1, 5, 0, "versetzt", false},
      {2, 1, 0, "steigt auf in Klasse 2", false},
      {2, 2, 0, "versetzt in Klasse 3", false},
      {2, 9, 0, "versetzt in Klasse 10", false},
      {2, 0, 0, "", false},
      {2, 10, 0, "", false},
      {4, 7, 0, "Lea nahm am Betriebspraktikum teil.", false},
      {5, 7, 0, "Am Betriebspraktikum nahm Lea teil.", false},
      {9, 2, 0, "Durch Konferenzbeschluss vom ??.??.20?? nach Klasse 3 versetzt.", false},
      {9, 9, 0, "Durch Konferenzbeschluss vom ??.??.20?? nach Klasse 10 versetzt.", false},
      {9, 1, 0, "Durch Konferenzbeschluss vom ??.??.20?? nach Klasse ?? versetzt.", false},
      {9, 10, 0, "Durch Konferenzbeschluss vom ??.??.20?? nach Klasse ?? versetzt.", false},
      {10, 9, 1, "Lea hat einen der Berufsreife gleichwertigen Abschluss erreicht.", false},
      {10, 10, 1, "Lea hat einen der Berufsreife gleichwertigen Abschluss erreicht.", false},
      {10, 8, 1, "Lea hat einen der Berufsreife gleichwertigen Abschluss erreicht.", true},
      {10, 10, 2, "Lea hat einen der Mittleren Reife gleichwertigen Abschluss erreicht.", false},
      {10, 9, 2, "Lea hat einen der Mittleren Reife gleichwertigen Abschluss erreicht.", true},
      {10, 9, 0, "Lea hat einen dem ??abschluss gleichwertigen Abschluss erreicht.", false},
      {11, 6, 0, "Lea ist endgültig in die Jahrgangsstufe 7 versetzt worden.", false},
      {12, 6, 0, "Lea hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium.", false},
      {14, 3, 0, "Bei Lea wurde eine Legasthenie förmlich anerkannt.", false},
      {15, 3, 0, "Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen.", false},
  };
  for (const Case& c : cases) {
    const RemarkPhrase p = PhraseForIndex(c.index, {QStringLiteral("Lea"), c.level, c.abschlussart});
    EXPECT_EQ(p.Text, QString::fromUtf8(c.phrase)) << c.index << "/" << c.level;
    EXPECT_EQ(!p.Warning.isEmpty(), c.warns) << c.index << "/" << c.level << "/" << c.abschlussart;
  }
  EXPECT_EQ(PhraseForIndex(10, {QStringLiteral("Lea"), 9, 2}).Warning,
            QString::fromUtf8("Prüfen Sie die Einhaltung der Bedingungen zum Erhalt\rder Gleichwertigkeit für die "
                              "Mittlere Reife!"));
  EXPECT_EQ(RemarkPhraseItems().size(), 16);
  EXPECT_EQ(RemarkPhraseItems()[2], QStringLiteral("versetzt in Klasse %%"));
}

TEST(RemarkPhrasesTest, APhraseTakesTheStrikeOutLineOrGoesLast) {
  const std::pair<QString, QString> cases[] = {
      {kStrike, QStringLiteral("versetzt")},
      {QString(), QStringLiteral("versetzt")},
      {kStrike + "\nText", QStringLiteral("versetzt\nText")},
      {QStringLiteral("Text\n") + kStrike, QStringLiteral("Text\nversetzt")},
      {QStringLiteral("Text\nmehr"), QStringLiteral("Text\nmehr\nversetzt")},
      {kStrike + "\n" + kStrike, QStringLiteral("versetzt\n") + kStrike},
      {QStringLiteral("Text\n") + kStrike + "\n", QStringLiteral("Text\nversetzt")},  // a closing line end
      {QStringLiteral("Text\n"), QStringLiteral("Text\nversetzt")},
      {QStringLiteral("Text\n\n"), QStringLiteral("Text\n\nversetzt")},
  };
  for (const auto& [before, after] : cases) EXPECT_EQ(WritePhrase(before, QStringLiteral("versetzt")), after) << before.toStdString();
  EXPECT_EQ(WritePhrase(kStrike, QString()), kStrike);
}

}  // namespace
