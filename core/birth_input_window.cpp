#include "core/birth_input_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/form_items_window.h"

namespace lumo {
namespace {

QComboBox* dropDown(QWidget* parent, const char* name, const QStringList& items, const std::string& initial,
                    bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(editable);
  box->addItems(items);
  box->setCurrentText(QString::fromStdString(initial));  // an editable box takes any text
  return box;
}

std::string text(const QComboBox* box) {
  return box->currentText().toStdString();
}

}  // namespace

BirthInputRow::BirthInputRow(const BirthInputLook& look, QWidget* parent) : QWidget(parent) {
  m_row = new QHBoxLayout(this);
  m_row->setContentsMargins(0, 0, 0, 0);
  auto label = [&](const QString& caption) { m_row->addWidget(new QLabel(caption, this)); };
  auto nameField = [&](const char* name) {
    QLineEdit* edit = look.nameEdit(this);
    edit->setObjectName(name);
    m_row->addWidget(edit);
    return edit;
  };
  auto box = [&](const char* name, const QStringList& items, const std::string& initial, bool editable) {
    QComboBox* b = dropDown(this, name, items, initial, editable);
    m_row->addWidget(b);
    return b;
  };
  const PanelInput& d = look.defaults;
  const bool typed = look.editableNumbers;
  QStringList hours;
  for (const char* item : kHourItems) hours << QString::fromUtf8(item);

  label(look.surnameCaption);
  m_surname = nameField(look.surnameName);
  if (look.givenName) {
    label(look.givenCaption);
    m_given = nameField(look.givenName);
  }
  label(look.sexCaption);
  m_sex = box(look.sexName, {QStringLiteral("男"), QStringLiteral("女")}, d.sex, false);
  if (!look.calendarCaption.isEmpty()) label(look.calendarCaption);
  m_calendar = box("ComDate", {QStringLiteral("公历"), QStringLiteral("农历")}, {}, false);
  m_calendar->setCurrentIndex(d.calendarIndex == 1 ? 1 : 0);
  m_year = box("SYear", numberItems(1900, look.lastYear, look.yearDigits), d.year, typed);
  label(QStringLiteral("年"));
  m_month = box("SMonth", numberItems(1, 12, look.monthDigits), d.month, typed);
  label(QStringLiteral("月"));
  m_day = box("Sday", numberItems(1, 31, look.monthDigits), d.day, typed);
  label(QStringLiteral("日"));
  m_hour = box("Shour", hours, d.hour, typed);
  label(QStringLiteral("时"));
  m_minute = box(look.minuteName, numberItems(0, 59, look.minuteDigits), d.minute, typed);
  label(QStringLiteral("分"));
  m_row->addStretch();
}

PanelInput BirthInputRow::input() const {
  PanelInput in;
  in.surname = m_surname->text().toStdString();
  in.given = m_given ? m_given->text().toStdString() : std::string();
  in.sex = text(m_sex);
  in.calendarIndex = m_calendar->currentIndex();
  in.year = text(m_year);
  in.month = text(m_month);
  in.day = text(m_day);
  in.hour = text(m_hour);
  in.minute = text(m_minute);
  return in;
}

}  // namespace lumo
