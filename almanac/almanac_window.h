#pragma once
// TFormHuangdao ("黄道吉日"): the almanac entry of one chosen day and a glossary of the
// almanac's terms. The window starts empty; "测算" checks the choice (notices as in
// almanac/almanac_day.h), and a found day replaces the date line and the result box,
// while a day the table lacks leaves both as they were. "择吉日" opens the good-day
// search (almanac/almanac_search_window.h). "关闭" closes the window, which frees itself.

#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace lumo {

class TFormHuangdao final : public QWidget {
  Q_OBJECT
 public:
  // `zodiac` is handed on to the good-day search ("" when no subject was captured).
  explicit TFormHuangdao(QWidget* parent = nullptr, std::string zodiac = {});

  // "测算".
  void calculate();

 private:
  QWidget* buildChoiceRow();
  QWidget* buildDateRow();
  QWidget* buildResultGroup();
  QWidget* buildGlossaryGroup();

  QComboBox* m_year = nullptr;
  QComboBox* m_month = nullptr;
  QComboBox* m_day = nullptr;
  QLabel* m_dateLine = nullptr;
  QPlainTextEdit* m_result = nullptr;
  std::string m_zodiac;
};

}  // namespace lumo
