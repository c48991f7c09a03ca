// The "八字分析" command in the real main window: enabled, writes the same lines as the
// report builder, and shows its notices in the notice box.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/main_window.h"
#include "app/shell_commands.h"
#include "bazi/bazi_report.h"
#include "calendar/clock.h"
#include "core/notice_box_window.h"

namespace lumo {
namespace {

class BaziWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { registerAllCommands(); }
  void SetUp() override {
    setToday(Date{2024, 6, 1});
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
    m_window = std::make_unique<MainWindow>();
    m_window->show();
  }
  void TearDown() override {
    setMessageRecorder(nullptr);
    setToday(std::nullopt);
  }
  QComboBox* box(const char* name) { return m_window->findChild<QComboBox*>(name); }
  QLineEdit* edit(const char* name) { return m_window->findChild<QLineEdit*>(name); }
  QAction* option(const char* name) { return m_window->findChild<QAction*>(name); }
  QStringList paneLines() { return m_window->reportPane()->toPlainText().split("\n"); }
  void enterBirth(const char* year, const char* month, const char* day, const char* hour,
                  const char* minute) {
    edit("NameA")->setText("赵");
    box("SYear")->setCurrentText(year);
    box("SMonth")->setCurrentText(month);
    box("Sday")->setCurrentText(day);
    box("Shour")->setCurrentText(hour);
    box("CBFen")->setCurrentText(minute);
  }

  std::unique_ptr<MainWindow> m_window;
  QStringList m_boxes;
};

TEST_F(BaziWindowTest, WritesTheReportIntoThePane) {
  ASSERT_TRUE(m_window->commandEnabled("八字分析"));
  edit("NameA")->setText("赵");
  box("SYear")->setCurrentText("1985");
  box("SMonth")->setCurrentText("3");
  box("Sday")->setCurrentText("8");
  box("Shour")->setCurrentText("午 12");
  m_window->runCommand("八字分析");
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join("|").toStdString();
  Subject subject;
  Report expected;
  bazi::showBaziReport(m_window->panelInput(), subject, expected);
  QStringList lines;
  for (const auto& line : expected.lines) lines << QString::fromStdString(line);
  EXPECT_EQ(m_window->reportPane()->toPlainText(), lines.join("\n"));
  EXPECT_TRUE(m_window->reportPane()->isVisible());
  EXPECT_EQ(m_window->subject().lunarYearNumber, "1985");
}

TEST_F(BaziWindowTest, EmptySurnameShowsTheNoticeAndWritesNothing) {
  m_window->runCommand("八字分析");
  EXPECT_EQ(m_boxes, QStringList{"notice:姓不能为空!"});
  EXPECT_TRUE(m_window->reportPane()->toPlainText().isEmpty());
  EXPECT_TRUE(m_window->subject().lunarYearNumber.empty());
}

TEST_F(BaziWindowTest, BirthplaceAndOptionsStartEmptyAndLeaveTheReportAsItWas) {
  ASSERT_NE(box("CBProvince"), nullptr);
  EXPECT_EQ(box("CBProvince")->currentIndex(), 0);
  EXPECT_FALSE(box("CBCity")->isEnabled());
  for (const char* name : {"SolarTime", "PreciseTerms", "ZiMidnight"}) {
    ASSERT_NE(option(name), nullptr) << name;
    EXPECT_FALSE(option(name)->isChecked()) << name;
  }
  EXPECT_FALSE(m_window->chartOptions().any());
  enterBirth("1985", "3", "8", "午 12", "0");
  m_window->runCommand("八字分析");
  EXPECT_EQ(paneLines().at(6), "<-----------------------批八字内容分隔线----------------------------->");
}

TEST_F(BaziWindowTest, ChosenCityAndSolarTimeChartTheLocalHour) {
  box("CBProvince")->setCurrentText("新疆");
  ASSERT_TRUE(box("CBCity")->isEnabled());
  EXPECT_EQ(box("CBCity")->itemText(0), "乌鲁木齐市");
  box("CBCity")->setCurrentText("乌鲁木齐市");
  option("SolarTime")->setChecked(true);
  EXPECT_EQ(m_window->chartOptions().place, "新疆 乌鲁木齐市");
  enterBirth("2024", "4", "14", "子 23", "30");
  m_window->runCommand("八字分析");
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join("|").toStdString();
  QStringList lines = paneLines();
  EXPECT_EQ(lines.at(6), "出生地：新疆 乌鲁木齐市（东经87.62度，北纬43.79度）");
  EXPECT_TRUE(lines.at(7).startsWith("排盘时间：真太阳时2024年04月14日21点20分"))
      << lines.at(7).toStdString();
  EXPECT_TRUE(lines.contains("八字：甲辰   戊辰   戊申   癸亥"));
}

TEST_F(BaziWindowTest, SolarTimeWithoutAPlaceShowsANotice) {
  option("SolarTime")->setChecked(true);
  enterBirth("2024", "4", "14", "子 23", "30");
  m_window->runCommand("八字分析");
  EXPECT_EQ(m_boxes, QStringList{"notice:请选择出生地!"});
}

TEST_F(BaziWindowTest, OptionsFitTheHeaderOfTheFixedWindow) {
  EXPECT_EQ(m_window->size(), QSize(800, 600));
  auto* options = m_window->findChild<QToolButton*>("BaziOptions");
  ASSERT_NE(options, nullptr);
  QRect inWindow(options->mapTo(m_window.get(), QPoint(0, 0)), options->size());
  EXPECT_TRUE(m_window->rect().contains(inWindow));
  auto* button = m_window->findChild<QPushButton*>();
  for (auto* b : m_window->findChildren<QPushButton*>())
    if (b->text() == "马上起名") button = b;
  QRect buttonRect(button->mapTo(m_window.get(), QPoint(0, 0)), button->size());
  EXPECT_FALSE(inWindow.intersects(buttonRect));
  EXPECT_LE(box("CBCity")->height(), button->height());
}

}  // namespace
}  // namespace lumo
