#include "readings/result_group_window.h"

#include <QFormLayout>

#include "core/manners_window.h"

namespace lumo::readings {

ResultGroup::ResultGroup(const std::vector<Row>& rows, QWidget* parent)
    : QGroupBox(qs(kResultGroup), parent) {
  auto* layout = new QFormLayout(this);
  for (const Row& row : rows) {
    auto* value = new QLabel(this);
    value->setObjectName(row.objectName);
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMinimumWidth(320);
    layout->addRow(new QLabel(row.caption, this), value);
    m_values.push_back(value);
  }
}

void ResultGroup::clear() {
  for (QLabel* value : m_values) value->clear();
}

void ResultGroup::showLines(const std::vector<ResultLine>& lines) {
  clear();
  for (std::size_t i = 0; i < lines.size() && i < m_values.size(); ++i)
    m_values[i]->setText(qs(lines[i].value));
  // Wrapped labels grow in height; the window grows with them instead of clipping.
  growToFit(window());
}

}  // namespace lumo::readings
