#pragma once
// ReadingWindow: the layout and behaviour that the number windows share. One digit field
// edtmun beside "测算" (btnCalc) and "关闭" (btnClose), Enter in the field or "测算" runs the
// reading, and four result labels below (lblNumber, lblState, lblLuck, lblDetail). A
// refused number shows its message and leaves the labels as they were.

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

#include "readings/result_line.h"

class QLineEdit;
class QVBoxLayout;

namespace lumo::readings {

class ResultGroup;

// What tells one reading window from another.
struct ReadingWindowLook {
  const char* objectName;
  QString caption;
  QString fieldLabel;     // before the field, e.g. "输入号码："
  QString numberCaption;  // of the first result label
  int fieldLength;        // the most digits the field takes
};

class ReadingWindow : public QDialog {
  Q_OBJECT
 public:
  QLineEdit* field() const { return m_field; }
  ResultGroup* results() const { return m_results; }
  // "测算"
  void runReading();

 protected:
  ReadingWindow(const ReadingWindowLook& look, QWidget* parent);
  // The input row first, then the result labels; a window may add its notes around them.
  QVBoxLayout* columns() const { return m_columns; }

 private:
  // The result lines of the field's text; throws Notice for a refused number.
  virtual std::vector<ResultLine> read(std::string_view fieldText) const = 0;

  QLineEdit* m_field = nullptr;
  ResultGroup* m_results = nullptr;
  QVBoxLayout* m_columns = nullptr;
};

}  // namespace lumo::readings
