#pragma once
// TFrmNameMain, the name analysis window ("姓名分析"): its own input fields, the report
// pane RzMemo1 and the buttons 姓名分析, 打印, 保存, 导出PDF, 退出. Opened modally with a name
// (the naming window does so for a generated name); when both names are given it analyses
// at once on opening.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/subject.h"

class QLineEdit;
class QTextEdit;

namespace lumo {

class BirthInputRow;

// What the window is opened with: the name and the birth fields as the caller's fields hold
// them, unchecked (the window checks them when it analyses).
using NameAnalysisRequest = PanelInput;

class TFrmNameMain final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmNameMain(const NameAnalysisRequest& request, QWidget* parent = nullptr);

  // "姓名分析": checks the fields, then writes the header and the report into the pane.
  void analyse();
  // "保存": the pane's lines as a text file under a name the user chooses (GBK, or UTF-8
  // when the user picks that file type).
  void save();
  // "导出PDF": the pane's lines as a PDF under a name the user chooses.
  void exportPdf();
  QStringList paneLines() const;

  // Tests: replaces the save dialog; returns the chosen path, or "" for cancel.
  using SaveChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;
  static void setSaveChooser(SaveChooser chooser);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildButtons();

  BirthInputRow* m_fields = nullptr;
  QLineEdit* m_nameA = nullptr;
  QLineEdit* m_nameB = nullptr;
  QTextEdit* m_pane = nullptr;
  Subject m_record;
  bool m_shownOnce = false;
};

// Opens the analysis window modally, filled with the request's texts; the sex field shows
// 男 when the sex is "男" and 女 otherwise. Returns when the window is closed.
void ShowNameAnalysis(const NameAnalysisRequest& request, QWidget* parent = nullptr);

}  // namespace lumo
