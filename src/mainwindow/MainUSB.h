#pragma once
// The main window.
#include <QMainWindow>

namespace quorv {

inline constexpr const char* kDesignedCaption = "Zeugnisse für Velsland  V.3.1.g";

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(const QString& programPath, QWidget* parent = nullptr);

  void FormCreate(const QString& programPath);
  void FormShow();
  void ApplySchoolTypeToMainForm();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool shownOnce_ = false;
};

// The caption for a school type.
QString MainFormCaption(int schoolType);

}  // namespace quorv
