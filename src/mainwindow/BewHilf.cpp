#include "mainwindow/BewHilf.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

enum class TBlockWhen { Always, Gesamtschule, Additions };

struct TCodeBlock {
  TBlockWhen when;
  std::vector<const char*> lines;
};

constexpr const char* kRule = "===============================";

const std::vector<TCodeBlock>& CodeBlocks() {
  static const std::vector<TCodeBlock> blocks = {
      {TBlockWhen::Always,
       {" ", "     Streichung: -", " ", "     nicht erteilt: e", " ", "     nicht teilgenommen: n", " ",
        "     teilgenommen: t   {! nur für Grundsch.}", " ", "     befreit: b oder A", " ",
        "     nicht beurteilbar: 0, u oder k"}},
      {TBlockWhen::Gesamtschule,
       {" ", " ", "Niveaustufen:", kRule, "     Übergangsnote: - oder Ü", " ", "     Berufsreife (HS): B oder H", " ",
        "     Mittlere Reife (RS): E, M oder R", " ", "     Hochschulreife (Gymn.): G", " ",
        "     entsprechend vorgegebenen Zeugnisniveau: Z"}},
      {TBlockWhen::Additions, {" ", " ", "Zusätze:", kRule, "     beliebiges Zeichen (z.B.: # oder *)"}},
  };
  return blocks;
}

// Where a window of the size goes beside the owner's frame within the screen:
// right of it, else left of it, else at the screen's edge farther from keepClear.
QRect PlaceBeside(QSize size, const QRect& owner, const QRect& keepClear, const QRect& screen) {
  const int top = std::clamp(owner.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
  const QRect right(QPoint(owner.right() + 1, top), size);
  if (screen.contains(right)) return right;
  const QRect left(QPoint(owner.left() - size.width(), top), size);
  if (screen.contains(left)) return left;
  const bool rightIsFarther = screen.right() - keepClear.right() >= keepClear.left() - screen.left();
  return QRect(QPoint(rightIsFarther ? screen.right() + 1 - size.width() : screen.left(), top), size);
}

}  // namespace

QStringList CodeListLines(int schoolType, bool showAdditions) {
  const bool gesamtschule = schoolType == stGesamtschule;
  QStringList lines{QStringLiteral("Bewertungen / Noten:"), QString::fromLatin1(kRule),
                    gesamtschule ? QStringLiteral("     Noten: 1 bis 8") : QStringLiteral("     Noten: 1 bis 6")};
  for (const TCodeBlock& block : CodeBlocks()) {
    const bool shown = block.when == TBlockWhen::Always || (block.when == TBlockWhen::Gesamtschule && gesamtschule) ||
                       (block.when == TBlockWhen::Additions && showAdditions);
    if (!shown) continue;
    for (const char* line : block.lines) lines << QString::fromUtf8(line);
  }
  return lines;
}

TBewHilfForm::TBewHilfForm(QWidget* parent, platform::DialogWidgets widgets)
    : DeferredDialog(parent), home_(parent) {
  setObjectName(QStringLiteral("BewHilfForm"));
  setWindowTitle(QString::fromUtf8("mögliche Einträge bei Bew., Zus. u. Niv."));
  setModal(false);
  MakeWidgetsWhen(widgets);
}

void TBewHilfForm::MakeWidgets() {
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setMinimumSize(320, 360);
  Button1 = new QPushButton(QStringLiteral("ausblenden"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TBewHilfForm::Button1Click);
}

void TBewHilfForm::FormShow() {
  Memo1->clear();
  Memo1->setPlainText(CodeListLines(SchoolSettings.SchoolType, ProgramOptions.ShowAdditions != 0).join('\n'));
}

void TBewHilfForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TBewHilfForm::Button1Click() { close(); }

void TBewHilfForm::ShowBesideDialog(QWidget* dialog, const QRect& keepClear) {
  if (!dialog || !dialog->isVisible()) {
    // Nothing to stand beside: shown as from the data sheet.
    if (!isVisible()) show();
    return;
  }
  if (dialog_ == dialog && isVisible()) return;
  if (dialog_ != dialog) {
    ReturnHome();
    dialog_ = dialog;
    setParent(dialog, windowFlags());
    dialog->installEventFilter(this);
  }
  show();
  const QScreen* screen = dialog->screen();
  if (screen)
    move(PlaceBeside(frameGeometry().size(), dialog->frameGeometry(), keepClear, screen->availableGeometry())
             .topLeft());
}

void TBewHilfForm::ReturnHome() {
  if (!dialog_) return;
  dialog_->removeEventFilter(this);
  dialog_ = nullptr;
  setParent(home_, windowFlags());
}

bool TBewHilfForm::eventFilter(QObject* watched, QEvent* event) {
  // The dialog closes (or goes): the list goes with it.
  if (watched == dialog_ && event->type() == QEvent::Hide && !event->spontaneous()) ReturnHome();
  return DeferredDialog::eventFilter(watched, event);
}

}  // namespace quorv
