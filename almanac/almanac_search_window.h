#pragma once
// TFormZeri ("择吉日"): the good days of a date range for one affair. The user picks the
// affair (the terms of the almanac's glossary), the first and last day and, optionally,
// a zodiac animal whose clashing days are left out; "查找" lists the days, one line each
// as lumo-cli zeri prints them, and choosing a line shows that day's whole almanac entry.
// Refused input shows its notice (almanac/almanac_search.h). The window frees itself
// when closed.

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace lumo {

class TFormZeri final : public QWidget {
  Q_OBJECT
 public:
  // `zodiac` preselects the animal ("" for none), e.g. the main window subject's.
  explicit TFormZeri(QWidget* parent = nullptr, const std::string& zodiac = {});

  // "查找".
  void search();

 private:
  QWidget* buildChoiceRow();
  void showDay(int row);

  QComboBox* m_activity = nullptr;
  QDateEdit* m_from = nullptr;
  QDateEdit* m_to = nullptr;
  QComboBox* m_zodiac = nullptr;
  QLabel* m_count = nullptr;
  QListWidget* m_days = nullptr;
  QLabel* m_dateLine = nullptr;
  QPlainTextEdit* m_entry = nullptr;
  std::vector<std::string> m_dates;  // the listed days, yyyy-MM-dd
};

}  // namespace lumo
