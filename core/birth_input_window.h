#pragma once
// BirthInputRow: the row of birth fields that the main window, the name analysis window and
// the naming window each show — surname, given name (where the window has one), sex,
// calendar, year, month, day, hour item and minute, every field after its caption and
// every number before its unit. Each window keeps its own object names, captions, item
// lists and defaults, which it gives in a BirthInputLook; the fields are created in
// reading order, which is also their tab order.

#include <QString>
#include <QWidget>
#include <functional>

#include "core/subject.h"

class QComboBox;
class QHBoxLayout;
class QLineEdit;

namespace lumo {

struct BirthInputLook {
  QString surnameCaption;             // 姓, 姓氏
  const char* surnameName = nullptr;  // object name of the surname field
  QString givenCaption;               // 名; with givenName
  const char* givenName = nullptr;    // nullptr: the window has no given-name field
  QString sexCaption;                 // 性别 (the main window spells it 姓别)
  const char* sexName = nullptr;
  QString calendarCaption;              // before the calendar box; empty: none
  int lastYear = 2040;                  // the year items run from 1900 to lastYear
  int yearDigits = 0, monthDigits = 0;  // zero padding of the year items and of the month and day items
  int minuteDigits = 0;
  const char* minuteName = nullptr;
  bool editableNumbers = false;  // year to minute can be typed into, not only chosen
  PanelInput defaults;           // sex, calendar and year to minute as first shown
  // Makes one name field: each window limits what may be typed its own way.
  std::function<QLineEdit*(QWidget* parent)> nameEdit;
};

class BirthInputRow : public QWidget {
  Q_OBJECT
 public:
  BirthInputRow(const BirthInputLook& look, QWidget* parent);

  // The texts of the fields as they stand (no given name without its field).
  PanelInput input() const;

  QHBoxLayout* row() const { return m_row; }
  QLineEdit* surname() const { return m_surname; }
  QLineEdit* given() const { return m_given; }  // nullptr without the field
  QComboBox* sex() const { return m_sex; }
  QComboBox* calendar() const { return m_calendar; }
  QComboBox* year() const { return m_year; }
  QComboBox* month() const { return m_month; }
  QComboBox* day() const { return m_day; }
  QComboBox* hour() const { return m_hour; }
  QComboBox* minute() const { return m_minute; }

 private:
  QHBoxLayout* m_row = nullptr;
  QLineEdit* m_surname = nullptr;
  QLineEdit* m_given = nullptr;
  QComboBox* m_sex = nullptr;
  QComboBox* m_calendar = nullptr;
  QComboBox* m_year = nullptr;
  QComboBox* m_month = nullptr;
  QComboBox* m_day = nullptr;
  QComboBox* m_hour = nullptr;
  QComboBox* m_minute = nullptr;
};

}  // namespace lumo
