#include "mainwindow/about.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ui/StandardIcons.h"

namespace quorv {

namespace {

struct TAboutLine {
  const char* name;
  const char* text;
  bool bold;
};

const TAboutLine kAboutLines[] = {
    {"ProductName", "Zeugnisse für Velsland", true},
    {"Version", "Version 3.1.g", false},
    {"Comments", "Quorv (USB) – Schülerdaten und Zeugnisse einer Klasse", false},
};

}  // namespace

TAboutForm::TAboutForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QString::fromUtf8("Programm-Informationen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TAboutForm::MakeWidgets() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(platform::StandardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  auto* texts = new QVBoxLayout;
  for (const TAboutLine& line : kAboutLines) {
    auto* label = new QLabel(QString::fromUtf8(line.text), panel);
    label->setObjectName(QString::fromLatin1(line.name));
    if (line.bold) {
      QFont font = label->font();
      font.setBold(true);
      font.setPointSizeF(font.pointSizeF() * 1.2);
      label->setFont(font);
    }
    texts->addWidget(label);
  }
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(icon, 0, Qt::AlignTop);
  panelLayout->addLayout(texts, 1);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TAboutForm::Button1Click);
}

void TAboutForm::Button1Click() { done(1); }

}  // namespace quorv
