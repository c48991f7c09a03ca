// The almanac window offscreen: its empty start, the checks and their notices, the
// date line and the 17 result lines of a found day, a missing day, and its commands.
#include "almanac/almanac_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "almanac_fixture.h"
#include "core/commands_window.h"
#include "core/notice_box_window.h"
#include "tests/support/fake_host.h"

namespace lumo {
namespace {

class AlmanacWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
    m_window = new TFormHuangdao;
    m_window->show();
  }
  void TearDown() override {
    delete m_window.data();
    setMessageRecorder(nullptr);
  }
  QComboBox* box(const char* name) { return m_window->findChild<QComboBox*>(name); }
  QString result() { return m_window->findChild<QPlainTextEdit*>("ResultBox")->toPlainText(); }
  QString dateLine() { return m_window->findChild<QLabel*>("DateLine")->text(); }
  void choose(const QString& year, int monthIndex, int dayIndex) {
    box("SYear")->setEditText(year);
    box("SMonth")->setCurrentIndex(monthIndex);
    box("Sday")->setCurrentIndex(dayIndex);
  }
  void calculate() { QTest::mouseClick(m_window->findChild<QPushButton*>("BtnCalculate"), Qt::LeftButton); }

  QPointer<TFormHuangdao> m_window;
  QStringList m_boxes;
};

TEST_F(AlmanacWindow, StartsEmpty) {
  EXPECT_EQ(m_window->windowTitle(), "黄道吉日");
  QComboBox* year = box("SYear");
  EXPECT_TRUE(year->isEditable());
  EXPECT_EQ(year->count(), 12);
  EXPECT_EQ(year->itemText(0), "2008");
  EXPECT_EQ(year->itemText(11), "2019");
  EXPECT_EQ(year->currentText(), "");
  EXPECT_EQ(box("SMonth")->count(), 12);
  EXPECT_EQ(box("SMonth")->itemText(0), "01");
  EXPECT_EQ(box("Sday")->count(), 31);
  EXPECT_EQ(box("Sday")->itemText(30), "31");
  EXPECT_EQ(box("SMonth")->currentText(), "");
  EXPECT_EQ(box("Sday")->currentText(), "");
  EXPECT_EQ(dateLine(), "");
  EXPECT_EQ(result(), "");
  auto* glossary = m_window->findChild<QPlainTextEdit*>("GlossaryBox");
  EXPECT_TRUE(glossary->isReadOnly());
  EXPECT_EQ(glossary->document()->blockCount(), 62);  // 60 terms, two run over a second line
  EXPECT_TRUE(glossary->toPlainText().startsWith("嫁娶 ：男娶女嫁，举行结婚大典的吉日 \n"));
}

TEST_F(AlmanacWindow, ChecksShowTheirNotices) {
  testing::AlmanacDatabase db;
  struct Case {
    QString year;
    int month, day;
    const char* notice;
  };
  const Case cases[] = {{"", 0, 0, "请选择年!"},
                        {"2010", -1, 4, "请选择月!"},
                        {"2010", 0, -1, "请选择日!"},
                        {"2010", 3, 30, "请选择有效的日期!"},
                        {"2010", 1, 29, "请选择有效的日期!"},
                        {"20x0", 0, 4, "请选择有效的日期!"}};
  for (const Case& c : cases) {
    m_boxes.clear();
    choose(c.year, c.month, c.day);
    calculate();
    EXPECT_EQ(m_boxes, QStringList{"notice:" + QString::fromUtf8(c.notice)}) << c.year.toStdString();
  }
  EXPECT_EQ(result(), "") << "a refused choice writes nothing";
}

TEST_F(AlmanacWindow, FoundDayFillsTheDateLineAndSeventeenLines) {
  testing::AlmanacDatabase db;
  choose("2010", 0, 4);
  calculate();
  EXPECT_TRUE(m_boxes.isEmpty());
  EXPECT_EQ(dateLine(), "2010-01-05  己丑(牛)年十一月廿一");
  QStringList lines = result().split('\n');
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[0], "岁次:己丑年 丁丑月 辛丑日");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[12], "宜:祭祀 祈福 嫁娶");
  EXPECT_EQ(lines[16], "忌:动土 破土 安葬");
}

TEST_F(AlmanacWindow, TypedYearAndMissingDay) {
  testing::AlmanacDatabase db;
  choose("2030", 2, 0);
  calculate();
  EXPECT_EQ(dateLine(), "2030-03-01  庚戌(狗)年正月廿八");
  const QString shown = result();
  choose("2030", 2, 1);  // not in the table
  calculate();
  EXPECT_EQ(dateLine(), "2030-03-01  庚戌(狗)年正月廿八");
  EXPECT_EQ(result(), shown);
  EXPECT_TRUE(m_boxes.isEmpty());
}

TEST_F(AlmanacWindow, DatabaseFailureShowsTheError) {
  testing::AlmanacDatabase noTable("", false);
  choose("2010", 0, 4);
  calculate();
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes[0].startsWith("error:")) << m_boxes[0].toStdString();
  EXPECT_EQ(dateLine(), "");
}

TEST_F(AlmanacWindow, CloseButtonFreesTheWindow) {
  QTest::mouseClick(m_window->findChild<QPushButton*>("BtnClose"), Qt::LeftButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(m_window.isNull());
}

TEST(AlmanacCommands, BothCommandsOpenANewEmptyWindow) {
  CommandRegistry registry;
  registerAlmanacCommands(registry);
  testing::FakeHost host;
  for (const char* caption : {"黄道吉日", "本日吉日", "黄道吉日"}) {
    const CommandAction* action = registry.find(QString::fromUtf8(caption));
    ASSERT_NE(action, nullptr) << caption;
    (*action)(host);
  }
  auto windows = host.m_main.findChildren<TFormHuangdao*>();
  ASSERT_EQ(windows.size(), 3) << "each command makes a further window";
  for (TFormHuangdao* w : windows) {
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->findChild<QComboBox*>("SYear")->currentText(), "");
  }
}

}  // namespace
}  // namespace lumo
