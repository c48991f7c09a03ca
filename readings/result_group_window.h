#pragma once
// The "测算结果" group of the reading windows: one row per result line, a fixed caption
// and a value label beside it (value labels named for tests and wrapped).

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <vector>

#include "readings/result_line.h"

namespace lumo::readings {

class ResultGroup : public QGroupBox {
 public:
  struct Row {
    QString caption;
    QString objectName;  // of the value label
  };
  ResultGroup(const std::vector<Row>& rows, QWidget* parent);

  // Clears every value, then shows the values of `lines` in row order.
  void showLines(const std::vector<ResultLine>& lines);
  void clear();
  QLabel* value(int row) const { return m_values.at(row); }

 private:
  std::vector<QLabel*> m_values;
};

inline QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace lumo::readings
