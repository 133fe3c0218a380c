#include "records/RemarkPhrases.h"

#include "records/QuorvDat.h"

namespace quorv {

namespace {

// How a phrase is made from the pupil.
enum class Make {
  Nothing,
  Fixed,          // the text as it stands
  NameFirst,      // FirstName + text
  NameInside,     // text with %1 for the first name
  Promotion,      // "versetzt in Klasse n + 1"
  Resolution,     // conference resolution with the next grade level
  Equivalence,    // by Abschlussart
};

struct PhraseRow {
  const char* shown;
  Make make;
  const char* text;
};

const PhraseRow kPhrases[16] = {
    {"", Make::Nothing, ""},
    {"versetzt", Make::Fixed, "versetzt"},
    {"versetzt in Klasse %%", Make::Promotion, ""},
    {"nicht versetzt", Make::Fixed, "nicht versetzt"},
    {"%% nahm am Betriebspraktikum teil.", Make::NameFirst, " nahm am Betriebspraktikum teil."},
    {"Am Betriebspraktikum nahm %% teil.", Make::NameInside, "Am Betriebspraktikum nahm %1 teil."},
    {"Die Kl.konf. ... zur allgemeinen Hochschulreife führt.", Make::Fixed,
     "Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, der zur "
     "allgemeinen Hochschulreife führt."},
    {"Die Kl.konf. ... zur Berufsreife und zur mittleren Reife führt.", Make::Fixed,
     "Die Klassenkonferenz empfiehlt die Fortsetzung der Schullaufbahn in einem Bildungsgang, der zur "
     "Berufsreife und zur mittleren Reife führt."},
    {"", Make::Nothing, ""},
    {"Durch Konferenzbeschluss ... versetzt.", Make::Resolution, ""},
    {"%% hat einen dem ??abschluss gleichwertigen Abschluss erreicht.", Make::Equivalence, ""},
    {"%% ist endgültig in die Jahrgangsstufe 7 versetzt worden.", Make::NameFirst,
     " ist endgültig in die Jahrgangsstufe 7 versetzt worden."},
    {"%% hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium.", Make::NameFirst,
     " hat die Probezeit nicht erfolgreich bestanden und verlässt das Gymnasium."},
    {"Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung.", Make::Fixed,
     "Das Aufsteigen erfolgt auf Grund der früheren Versetzungsentscheidung."},
    {"Bei %% wurde eine Legasthenie förmlich anerkannt.", Make::NameInside,
     "Bei %1 wurde eine Legasthenie förmlich anerkannt."},
    {"Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen.", Make::Fixed,
     "Die Leistungsbeurteilung erfolgt aufgrund erhöhter Anforderungen."},
};

// The equivalent-certificate sentence per Abschlussart, with the grade levels
// that need no check first.
struct Equivalence {
  int abschlussart;
  int firstLevel;  // levels firstLevel..10 need no warning
  const char* sentence;
  const char* warning;
};
constexpr Equivalence kEquivalences[] = {
    {1, 9, " hat einen der Berufsreife gleichwertigen Abschluss erreicht.",
     "Prüfen Sie die Einhaltung der Bedingungen zum Erhalt\rder Gleichwertigkeit für die Berufsreife!"},
    {2, 10, " hat einen der Mittleren Reife gleichwertigen Abschluss erreicht.",
     "Prüfen Sie die Einhaltung der Bedingungen zum Erhalt\rder Gleichwertigkeit für die Mittlere Reife!"},
};

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

const QStringList& RemarkPhraseItems() {
  static const QStringList items = [] {
    QStringList out;
    for (const PhraseRow& row : kPhrases) out << U(row.shown);
    return out;
  }();
  return items;
}

RemarkPhrase PhraseForIndex(int index, const PhraseInputs& in) {
  if (index < 0 || index >= 16) return {};
  const PhraseRow& row = kPhrases[index];
  const int level = in.Klassenstufe;
  switch (row.make) {
    case Make::Nothing:
      return {};
    case Make::Fixed:
      return {U(row.text), {}};
    case Make::NameFirst:
      return {in.FirstName + U(row.text), {}};
    case Make::NameInside:
      return {U(row.text).arg(in.FirstName), {}};
    case Make::Promotion:
      if (level == 1) return {QStringLiteral("steigt auf in Klasse 2"), {}};
      if (level >= 2 && level <= 9) return {QStringLiteral("versetzt in Klasse %1").arg(level + 1), {}};
      return {};
    case Make::Resolution: {
      const QString next = level >= 2 && level <= 9 ? QString::number(level + 1) : QStringLiteral("??");
      return {QStringLiteral("Durch Konferenzbeschluss vom ??.??.20?? nach Klasse ") + next +
                  QStringLiteral(" versetzt."),
              {}};
    }
    case Make::Equivalence:
      for (const Equivalence& e : kEquivalences)
        if (e.abschlussart == in.Abschlussart)
          return {in.FirstName + U(e.sentence), level >= e.firstLevel && level <= 10 ? QString() : U(e.warning)};
      return {in.FirstName + QStringLiteral(" hat einen dem ??abschluss gleichwertigen Abschluss erreicht."), {}};
  }
  return {};
}

QString WritePhrase(const QString& remarks, const QString& phrase) {
  if (phrase.isEmpty()) return remarks;
  const QString strike = QString::fromLatin1(kLongTextDefault);
  if (remarks == strike) return phrase;
  if (remarks.isEmpty()) return phrase;
  // One trailing line end closes the last line; it makes no empty line.
  QStringList lines = remarks.split(QLatin1Char('\n'));
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  if (lines.first() == strike)
    lines.first() = phrase;
  else if (lines.last() == strike)
    lines.last() = phrase;
  else
    lines.append(phrase);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace quorv
