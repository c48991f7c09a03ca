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

class QComboBox;
class QLineEdit;
class QTextEdit;

namespace lumo {

// What the window is opened with; texts as the caller's fields hold them.
struct NameAnalysisInput {
  QString surname, sex, year, given;
  int calendarIndex = 0;  // 0 公历, 1 农历
  QString minute, hour, day, month;
};

class TFrmNameMain final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmNameMain(const NameAnalysisInput& input, QWidget* parent = nullptr);

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
  QWidget* buildFields();
  QWidget* buildButtons();
  PanelInput fieldInput() const;

  QLineEdit* m_nameA = nullptr;
  QLineEdit* m_nameB = nullptr;
  QComboBox* m_sex = nullptr;
  QComboBox* m_comDate = nullptr;
  QComboBox* m_year = nullptr;
  QComboBox* m_month = nullptr;
  QComboBox* m_day = nullptr;
  QComboBox* m_hour = nullptr;
  QComboBox* m_minute = nullptr;
  QTextEdit* m_pane = nullptr;
  Subject m_record;
  bool m_shownOnce = false;
};

// Opens the analysis window modally, filled with the given texts; the sex field shows 男
// when `sex` is "男" and 女 otherwise. Returns when the window is closed.
void ShowNameAnalysis(const QString& surname, const QString& sex, const QString& year, const QString& given,
                      int calendarIndex, const QString& minute, const QString& hour, const QString& day,
                      const QString& month, QWidget* parent = nullptr);

}  // namespace lumo
