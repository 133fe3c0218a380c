#include "layouts/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace testsupport {

namespace {

constexpr double kTenthsMmPerPoint = 254.0 / 72.0;

QString PdfToText(const QString& option, const QString& file) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {option, file, QStringLiteral("-")});
  if (!p.waitForFinished(20000)) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

SheetRect Box(const QRegularExpressionMatch& m) {
  return SheetRect{m.captured(1).toDouble() * kTenthsMmPerPoint, m.captured(2).toDouble() * kTenthsMmPerPoint,
                   m.captured(3).toDouble() * kTenthsMmPerPoint, m.captured(4).toDouble() * kTenthsMmPerPoint};
}

}  // namespace

bool HavePdfText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

std::vector<PdfWord> PdfWords(const QString& file) {
  const QString html = PdfToText(QStringLiteral("-bbox"), file);
  const QRegularExpression item(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<PdfWord> words;
  int page = 0;
  for (auto it = item.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0).startsWith(QLatin1String("<page"))) {
      ++page;
      continue;
    }
    words.push_back(PdfWord{page, QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(), Box(m)});
  }
  return words;
}

const PdfWord* FindPdfWord(const std::vector<PdfWord>& words, const QString& text, int page) {
  for (const PdfWord& w : words)
    if (w.Text == text && (page == 0 || w.Page == page)) return &w;
  return nullptr;
}

std::vector<SheetRect> PdfTextLines(const QString& file) {
  const QString html = PdfToText(QStringLiteral("-bbox-layout"), file);
  const QRegularExpression line(
      QStringLiteral(R"re(<line xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re"));
  std::vector<SheetRect> lines;
  for (auto it = line.globalMatch(html); it.hasNext();) lines.push_back(Box(it.next()));
  return lines;
}

}  // namespace testsupport
