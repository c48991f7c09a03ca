// The good-day window offscreen: the affairs and the animal it offers, a search and its
// list, a chosen day's whole entry, a refused range, and how it is opened.
#include "almanac/almanac_search_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "almanac/almanac_window.h"
#include "almanac_fixture.h"
#include "core/commands_window.h"
#include "core/notice_box_window.h"
#include "tests/support/fake_host.h"

namespace lumo {
namespace {

std::string rows() {
  return "INSERT INTO huangdao VALUES ('2026-03-01','丙午年(马) 正月十三','丙午年 庚寅月 "
         "甲戌日','门鸡栖外西南',"
         "'山头火 成日','冲龙(戊辰)煞北','甲 戌','天喜 三合','嫁娶 纳采','月厌','动土');"
         "INSERT INTO huangdao VALUES ('2026-03-03','丙午年(马) 正月十五','丙午年 庚寅月 "
         "丙子日','厨灶碓外西南',"
         "'涧下水 开日','冲马(庚午)煞南','丙 子','月德','嫁娶 出行','岁破','安葬');"
         "INSERT INTO huangdao VALUES ('2026-03-04','丙午年(马) 正月十六','丙午年 庚寅月 "
         "丁丑日','仓库厕外正西',"
         "'涧下水 闭日','冲羊(辛未)煞东','丁 丑','天德','祭祀','归忌','嫁娶');";
}

class SearchWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
  }
  void TearDown() override {
    delete m_window.data();
    setMessageRecorder(nullptr);
  }
  void open(const std::string& zodiac = {}) {
    m_window = new TFormZeri(nullptr, zodiac);
    m_window->show();
  }
  template <class T>
  T* child(const char* name) {
    return m_window->findChild<T*>(name);
  }
  void searchFor(const QString& activity, QDate from, QDate to, const QString& zodiac = {}) {
    child<QComboBox>("ActivityBox")->setCurrentText(activity);
    child<QDateEdit>("FromDate")->setDate(from);
    child<QDateEdit>("ToDate")->setDate(to);
    child<QComboBox>("ZodiacBox")->setCurrentText(zodiac);
    QTest::mouseClick(child<QPushButton>("BtnSearch"), Qt::LeftButton);
  }
  QStringList listed() {
    QStringList out;
    auto* list = child<QListWidget>("DayList");
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().left(10);
    return out;
  }

  testing::AlmanacDatabase m_db{rows()};
  QPointer<TFormZeri> m_window;
  QStringList m_boxes;
};

TEST_F(SearchWindow, OffersTheGlossaryAffairsAndTheAnimals) {
  open();
  EXPECT_EQ(m_window->windowTitle(), "择吉日");
  auto* activity = child<QComboBox>("ActivityBox");
  EXPECT_EQ(activity->itemText(0), "嫁娶");
  EXPECT_EQ(activity->count(), 60);
  auto* zodiac = child<QComboBox>("ZodiacBox");
  EXPECT_EQ(zodiac->count(), 13);
  EXPECT_EQ(zodiac->currentText(), "") << "no subject, no filter";
  delete m_window.data();
  open("羊");
  EXPECT_EQ(child<QComboBox>("ZodiacBox")->currentText(), "羊");
}

TEST_F(SearchWindow, ListsTheDaysAndShowsAChosenDaysEntry) {
  open();
  searchFor("嫁娶", {2026, 3, 1}, {2026, 3, 31});
  EXPECT_TRUE(m_boxes.isEmpty());
  EXPECT_EQ(listed(), (QStringList{"2026-03-01", "2026-03-03"}));
  EXPECT_EQ(child<QLabel>("CountLabel")->text(), "共2天宜嫁娶");
  EXPECT_EQ(child<QListWidget>("DayList")->item(1)->text(),
            "2026-03-03\t丙午年(马) 正月十五 丙子 冲马(庚午)煞南 月德");
  child<QListWidget>("DayList")->setCurrentRow(1);
  EXPECT_EQ(child<QLabel>("DateLine")->text(), "2026-03-03  丙午年(马) 正月十五");
  QStringList lines = child<QPlainTextEdit>("EntryBox")->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[12], "宜:嫁娶 出行");
  EXPECT_EQ(lines[16], "忌:安葬");
}

TEST_F(SearchWindow, TheAnimalFilterAndAnEmptyResult) {
  open();
  searchFor("嫁娶", {2026, 3, 1}, {2026, 3, 31}, "马");
  EXPECT_EQ(listed(), QStringList{"2026-03-01"});
  searchFor("安葬", {2026, 3, 1}, {2026, 3, 31});
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_EQ(child<QLabel>("CountLabel")->text(), "这段日子里没有宜安葬的日子");
}

TEST_F(SearchWindow, ARefusedRangeShowsItsNoticeAndKeepsTheList) {
  open();
  searchFor("嫁娶", {2026, 3, 1}, {2026, 3, 31});
  searchFor("嫁娶", {2026, 3, 31}, {2026, 3, 1});
  EXPECT_EQ(m_boxes, QStringList{"notice:结束日期不能早于起始日期!"});
  EXPECT_EQ(listed().size(), 2);
  searchFor("嫁娶", {2026, 3, 1}, {2040, 3, 1});
  EXPECT_EQ(m_boxes.last(), "notice:查找范围不能超过10年!");
}

TEST(SearchWindowOpening, FromTheMenuWithTheSubjectsAnimalAndFromTheAlmanacWindow) {
  CommandRegistry registry;
  registerAlmanacCommands(registry);
  testing::FakeHost host;
  host.m_subject.zodiac = "虎";
  const CommandAction* action = registry.find(QStringLiteral("择吉日"));
  ASSERT_NE(action, nullptr);
  (*action)(host);
  auto windows = host.m_main.findChildren<TFormZeri*>();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_TRUE(windows[0]->isVisible());
  EXPECT_EQ(windows[0]->findChild<QComboBox*>("ZodiacBox")->currentText(), "虎");

  (*registry.find(QStringLiteral("黄道吉日")))(host);
  auto* almanac = host.m_main.findChildren<TFormHuangdao*>().value(0);
  ASSERT_NE(almanac, nullptr);
  QTest::mouseClick(almanac->findChild<QPushButton*>("BtnZeri"), Qt::LeftButton);
  windows = host.m_main.findChildren<TFormZeri*>();
  ASSERT_EQ(windows.size(), 2);
  EXPECT_EQ(windows[1]->findChild<QComboBox*>("ZodiacBox")->currentText(), "虎");
}

}  // namespace
}  // namespace lumo
