#pragma once
// The standard remark phrases of the remarks page and how a phrase goes into
// the remarks text.
#include <QString>
#include <QStringList>

namespace quorv {

// The 16 items the phrase combo shows.
const QStringList& RemarkPhraseItems();

// What a pupil's phrase is made of.
struct PhraseInputs {
  QString FirstName;
  int Klassenstufe = 0;  // grade level 0..10
  int Abschlussart = 0;  // 0 none, 1 Berufsreife, 2 Mittlere Reife
};

struct RemarkPhrase {
  QString Text;     // empty: nothing is written
  QString Warning;  // shown (warning, OK) before the phrase is written
};

// The phrase written for a combo index.
RemarkPhrase PhraseForIndex(int index, const PhraseInputs& in);

// The remarks text after the phrase is written into it ('\n' separates lines).
QString WritePhrase(const QString& remarks, const QString& phrase);

}  // namespace quorv
