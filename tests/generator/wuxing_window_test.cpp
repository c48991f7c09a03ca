// The element lookup window: its fields, "查看" and the empty input.
#include "generator/wuxing_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/notice_box_window.h"
#include "fixture_db.h"

namespace lumo {
namespace {

TEST(WuxingWindow, LooksUpTheTypedCharacters) {
  generator::test::FixtureDb fixture;
  QStringList messages;
  setMessageRecorder([&](const QString& kind, const QString&) { messages << kind; });
  TFrmWuxing window;
  EXPECT_EQ(window.windowTitle(), "五行查询(最多可以输入5个字)");
  auto* input = window.findChild<QLineEdit*>("Wuxing");
  auto* result = window.findChild<QLineEdit*>("Reswu");
  ASSERT_TRUE(input && result);
  QTest::keyClicks(input, "abcdefghijkl");
  EXPECT_EQ(input->text(), "abcdefghij") << "ten bytes at most";
  input->setText("娟浩");
  window.findChild<QPushButton*>("BtnLook")->click();
  EXPECT_EQ(result->text(), "土水");
  input->setText("  ");
  window.lookUp();
  EXPECT_EQ(result->text(), "土水") << "an empty input leaves the result";
  EXPECT_EQ(messages, QStringList({"notice"})) << "and says what to type";
  setMessageRecorder({});
}

TEST(WuxingWindow, DatabaseErrorShowsTheErrorBox) {
  generator::test::FixtureDb fixture;
  fixture.exec("DROP TABLE word");
  QStringList messages;
  setMessageRecorder([&](const QString& kind, const QString&) { messages << kind; });
  TFrmWuxing window;
  window.findChild<QLineEdit*>("Wuxing")->setText("明");
  window.lookUp();
  setMessageRecorder({});
  EXPECT_EQ(messages, QStringList({"error"}));
}

}  // namespace
}  // namespace lumo
