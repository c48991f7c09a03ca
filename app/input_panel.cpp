#include "app/input_panel.h"

#include "core/form_items.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace lumo {
namespace {

class NameEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!nameKeyAccepted(event->key(), event->text())) return event->ignore();
    QLineEdit::keyPressEvent(event);
  }
};

QComboBox* dropDown(QWidget* parent, const QString& name, const QStringList& items, const QString& initial,
                    int width, bool editable = true) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(editable);
  box->addItems(items);
  box->setCurrentText(initial);
  box->setFixedWidth(width);
  return box;
}

}  // namespace

bool nameKeyAccepted(int key, const QString& text) {
  if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  if (text.isEmpty()) return true;  // navigation and modifier keys carry no text
  return text.at(0).unicode() >= 127;
}

InputPanel::InputPanel(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(3);
  auto label = [&](const char* text) { row->addWidget(new QLabel(QString::fromUtf8(text), this)); };
  auto nameEdit = [&](const char* objectName) {
    auto* edit = new NameEdit(this);
    edit->setObjectName(objectName);
    edit->setMaxLength(4);
    edit->setFixedWidth(52);
    return edit;
  };
  QStringList hours;
  for (const char* item : kHourItems) hours << QString::fromUtf8(item);

  label("姓");
  row->addWidget(m_nameA = nameEdit("NameA"));
  label("名");
  row->addWidget(m_nameB = nameEdit("NameB"));
  label("姓别");
  row->addWidget(m_sex = dropDown(this, "Sex", {"男", "女"}, "男", 44, false));
  row->addWidget(m_comDate = dropDown(this, "ComDate", {"公历", "农历"}, "公历", 56, false));
  row->addWidget(m_year = dropDown(this, "SYear", numberItems(1900, 2019), "1980", 58));
  label("年");
  row->addWidget(m_month = dropDown(this, "SMonth", numberItems(1, 12), "1", 42));
  label("月");
  row->addWidget(m_day = dropDown(this, "Sday", numberItems(1, 31), "1", 42));
  label("日");
  row->addWidget(m_hour = dropDown(this, "Shour", hours, "子 0", 62));
  label("时");
  row->addWidget(m_minute = dropDown(this, "CBFen", numberItems(0, 59), "0", 42));
  label("分");
  row->addStretch();
}

PanelInput InputPanel::input() const {
  PanelInput in;
  in.surname = m_nameA->text().toStdString();
  in.given = m_nameB->text().toStdString();
  in.sex = m_sex->currentText().toStdString();
  in.calendarIndex = m_comDate->currentIndex();
  in.year = m_year->currentText().toStdString();
  in.month = m_month->currentText().toStdString();
  in.day = m_day->currentText().toStdString();
  in.hour = m_hour->currentText().toStdString();
  in.minute = m_minute->currentText().toStdString();
  return in;
}

void InputPanel::clearNames() {
  m_nameA->clear();
  m_nameB->clear();
}

void InputPanel::focusSurname() { m_nameA->setFocus(); }

}  // namespace lumo
