#pragma once
// The seven file check boxes the settings export and import share.
#include <QCheckBox>
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

}  // namespace quorv
