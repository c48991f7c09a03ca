#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "core/birth_input_window.h"

namespace lumo {
namespace {

BirthInputLook lookWithoutGivenName() {
  BirthInputLook look;
  look.surnameCaption = "姓氏";
  look.surnameName = "Xing";
  look.sexCaption = "性别";
  look.sexName = "CBsex";
  look.minuteName = "CBFen";
  look.monthDigits = 2;
  look.defaults.sex = "女";
  look.defaults.calendarIndex = 1;
  look.defaults.month = "02";
  look.nameEdit = [](QWidget* parent) { return new QLineEdit(parent); };
  return look;
}

TEST(BirthInputRow, ReadsTheFieldsAsTheyStand) {
  BirthInputRow row(lookWithoutGivenName(), nullptr);
  EXPECT_EQ(row.given(), nullptr);
  PanelInput first = row.input();
  EXPECT_EQ(first.sex, "女");
  EXPECT_EQ(first.calendarIndex, 1);
  EXPECT_EQ(first.month, "02");
  EXPECT_EQ(first.given, "") << "no given-name field, no given name";

  row.surname()->setText("欧阳");
  row.sex()->setCurrentIndex(0);
  row.calendar()->setCurrentIndex(0);
  row.day()->setCurrentIndex(30);
  row.hour()->setCurrentIndex(23);
  row.minute()->setCurrentIndex(59);
  PanelInput in = row.input();
  EXPECT_EQ(in.surname, "欧阳");
  EXPECT_EQ(in.sex, "男");
  EXPECT_EQ(in.calendarIndex, 0);
  EXPECT_EQ(in.day, "31");
  EXPECT_EQ(in.hour, "子 23");
  EXPECT_EQ(in.minute, "59");
}

// The tab order is the reading order of the row, whatever each window adds around it.
TEST(BirthInputRow, TabOrderIsReadingOrder) {
  BirthInputLook look = lookWithoutGivenName();
  look.givenCaption = "名";
  look.givenName = "NameB";
  BirthInputRow row(look, nullptr);
  QStringList order;
  QWidget* w = row.surname();
  for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) {
    while (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty()) w = w->nextInFocusChain();
    order << w->objectName();
  }
  EXPECT_EQ(order,
            (QStringList{"Xing", "NameB", "CBsex", "ComDate", "SYear", "SMonth", "Sday", "Shour", "CBFen"}));
}

}  // namespace
}  // namespace lumo
