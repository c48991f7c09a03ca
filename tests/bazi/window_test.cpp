// The "八字分析" command in the real main window: enabled, writes the same lines as the
// report builder, and shows its notices in the notice box.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "bazi/bazi_report.h"
#include "calendar/clock.h"

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
  db::Report expected;
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

}  // namespace
}  // namespace lumo
