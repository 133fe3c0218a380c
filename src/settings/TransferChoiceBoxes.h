#pragma once
// The seven file check boxes the settings export and import share.
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "settings/SettingsTransfer.h"

namespace quorv {

inline QGroupBox* MakeTransferChoiceBoxes(QWidget* parent, const QString& title,
                                          std::array<QCheckBox*, kTransferFileCount>& boxes) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  for (int i = 0; i < kTransferFileCount; ++i) {
    auto* box = new QCheckBox(QString::fromUtf8(kTransferFiles[static_cast<std::size_t>(i)].Caption), group);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
    boxes[static_cast<std::size_t>(i)] = box;
    if (QByteArray(kTransferFiles[static_cast<std::size_t>(i)].Name) == "*.FST") {
      auto* row = new QHBoxLayout;
      row->addWidget(new QLabel(QStringLiteral("nur in Spezialfällen notwendig: "), group));
      row->addWidget(box, 1);
      layout->addLayout(row);
    } else {
      layout->addWidget(box);
    }
  }
  return group;
}

inline TransferChoice CheckedTransferFiles(const std::array<QCheckBox*, kTransferFileCount>& boxes) {
  TransferChoice out{};
  for (int i = 0; i < kTransferFileCount; ++i) out[static_cast<std::size_t>(i)] = boxes[static_cast<std::size_t>(i)]->isChecked();
  return out;
}

inline void SetTransferDefaults(const std::array<QCheckBox*, kTransferFileCount>& boxes, bool forExport) {
  for (int i = 0; i < kTransferFileCount; ++i) {
    const TransferFile& f = kTransferFiles[static_cast<std::size_t>(i)];
    boxes[static_cast<std::size_t>(i)]->setChecked(forExport ? f.ExportDefault : f.ImportDefault);
  }
}

// The dialog's OK button (Button1, with its caption) and "Abbrechen"
// (Button2), in a row at the right.
inline QHBoxLayout* MakeTransferButtons(QDialog* dialog, const QString& okCaption, QPushButton*& ok,
                                        QPushButton*& cancel) {
  ok = new QPushButton(okCaption, dialog);
  ok->setObjectName(QStringLiteral("Button1"));
  cancel = new QPushButton(QStringLiteral("Abbrechen"), dialog);
  cancel->setObjectName(QStringLiteral("Button2"));
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace quorv
