// The reading windows driven offscreen: key filters, Enter, messages, labels, and the
// main window commands with their opening ways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "core/commands_window.h"
#include "core/main_host_window.h"
#include "core/notice_box_window.h"
#include "fixture_db.h"
#include "readings/gender_window.h"
#include "readings/netname_window.h"
#include "readings/note_window.h"
#include "readings/number_table.h"
#include "readings/number_window.h"
#include "readings/omen_window.h"
#include "readings/open_window.h"
#include "readings/pair_window.h"
#include "readings/phone_reading.h"
#include "readings/phone_window.h"
#include "readings/result_group_window.h"
#include "tests/support/fake_host.h"

namespace lumo::readings {
namespace {

class ReadingWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "readings_window_test";
    static char* argv[] = {name, nullptr};
    // No display is needed: the windows are driven offscreen even when run by hand.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QApplication::instance()) s_app = std::make_unique<QApplication>(argc, argv);
    registerReadingsCommands(CommandRegistry::instance());
  }
  // The application made here is freed here: what it holds (fonts, caches) is no leak.
  static void TearDownTestSuite() { s_app.reset(); }
  inline static std::unique_ptr<QApplication> s_app;
  void SetUp() override {
    setMessageRecorder([this](const QString& kind, const QString& text) { m_messages << kind + ":" + text; });
  }
  void TearDown() override { setMessageRecorder({}); }

  // Runs a main window command; `inspect` sees the modal window it opens, which is closed after.
  void runModal(const QString& caption, const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      seen = true;
      inspect(modal);
      modal->close();
    });
    const CommandAction* action = CommandRegistry::instance().find(caption);
    ASSERT_NE(action, nullptr) << caption.toStdString();
    (*action)(m_host);
    EXPECT_TRUE(seen);
  }

  QStringList m_messages;
  lumo::testing::FakeHost m_host;
};

QString labelText(QWidget* window, const char* name) {
  return window->findChild<QLabel*>(name)->text();
}

TEST_F(ReadingWindows, NumberWindowFiltersKeysAndReadsOnEnter) {
  TFrmQQhm window;
  window.show();
  QTest::keyClicks(window.field(), "12a3-b ");
  EXPECT_EQ(window.field()->text(), "123");
  QTest::keyClick(window.field(), Qt::Key_Backspace);
  QTest::keyClicks(window.field(), "4");
  QTest::keyClick(window.field(), Qt::Key_Return);
  EXPECT_TRUE(window.isVisible()) << "Enter must not close the window";
  EXPECT_EQ(labelText(&window, "lblNumber"), "124");
  NumberEntry entry = SplitEntry(NumberEntryText(124 % 81));
  EXPECT_EQ(labelText(&window, "lblState").toStdString(), entry.verdict);
  EXPECT_EQ(labelText(&window, "lblLuck").toStdString(), entry.grade);
  EXPECT_EQ(labelText(&window, "lblDetail").toStdString(), entry.personality);
  EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(ReadingWindows, NumberWindowsRefuseEmptyAndPastedTextKeepingTheLabels) {
  TFrm_onther window;
  EXPECT_EQ(window.windowTitle(), "任意号码分析");
  window.runReading();
  EXPECT_EQ(m_messages, QStringList{"notice:请输入你的号码！"});
  window.field()->setText("81");
  window.findChild<QPushButton*>("btnCalc")->click();
  EXPECT_EQ(labelText(&window, "lblLuck"), "吉");
  m_messages.clear();
  window.field()->setText("12ab");  // as pasted
  window.runReading();
  EXPECT_EQ(m_messages, QStringList{"notice:" + qs(kNotANumber)});
  EXPECT_EQ(labelText(&window, "lblNumber"), "81");
  EXPECT_EQ(labelText(&window, "lblLuck"), "吉");
  window.field()->setText("1234567890123456789");  // the field holds 18
  EXPECT_EQ(window.field()->text().size(), 18);
  TFrmQQhm qq;
  qq.runReading();
  EXPECT_EQ(m_messages.last(), "notice:请输入你的QQ号码！");
}

TEST_F(ReadingWindows, PairWindowChecksInOrderAndMovesTheFocus) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth,
                 "CREATE TABLE QQpd (bihua TEXT, intro TEXT); INSERT INTO QQpd VALUES (',45,', '缘分天定');");
  TFormQQpeidui window;
  window.show();
  QTest::keyClicks(window.ownField(), "1234x");
  EXPECT_EQ(window.ownField()->text(), "1234");
  window.otherField()->setText("67890");
  window.otherField()->setFocus();
  QTest::keyClick(window.otherField(), Qt::Key_Return);
  EXPECT_TRUE(m_messages.isEmpty()) << "Enter does not run the pairing";
  window.runReading();
  EXPECT_EQ(m_messages, QStringList{"notice:请输入正确的QQ号码！"});
  EXPECT_EQ(window.focusWidget(), window.ownField());
  window.ownField()->setText("12345");
  window.otherField()->clear();
  window.runReading();
  EXPECT_EQ(m_messages.last(), "notice:请输入对方的QQ号码！");
  EXPECT_EQ(window.focusWidget(), window.otherField());
  window.otherField()->setText("67890");
  window.runReading();
  EXPECT_EQ(window.result()->text(), "缘分天定");
}

TEST_F(ReadingWindows, PhoneWindowReadsAtOnceWhenShownWithANumber) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::Dream,
                 "CREATE TABLE shouji (num TEXT, title TEXT, jx TEXT, content TEXT);"
                 "INSERT INTO shouji VALUES ('78', '先天聪慧', '半吉', '说明');");
  TFrm_SJcs window;
  QTest::keyClicks(window.field(), "1391234567899");  // 11 at most, letters never
  EXPECT_EQ(window.field()->text(), "13912345678");
  window.show();
  EXPECT_EQ(labelText(&window, "lblNumber"), "13912345678");
  EXPECT_EQ(labelText(&window, "lblState"), "先天聪慧");
  EXPECT_EQ(labelText(&window, "lblLuck"), "半吉");
  window.field()->setText("1234567");
  QTest::keyClick(window.field(), Qt::Key_Enter);
  EXPECT_EQ(m_messages, QStringList{"notice:手机号码是11位，您只输入了7位：请输入完整的11位手机号码。"});
  EXPECT_EQ(labelText(&window, "lblNumber"), "13912345678");
  window.field()->setText("139123456");  // nine digits: said so, not read
  window.runReading();
  EXPECT_EQ(m_messages.last(), "notice:手机号码是11位，您只输入了9位：请输入完整的11位手机号码。");
  EXPECT_EQ(labelText(&window, "lblNumber"), "13912345678");
  window.field()->clear();
  window.runReading();
  EXPECT_EQ(m_messages.last(), "notice:请输入11位手机号码！");
}

TEST_F(ReadingWindows, NetNameWindowUpperCasesAndReads) {
  TFrmWangming window;
  window.show();
  QTest::keyClicks(window.field(), "tom7");
  EXPECT_EQ(window.field()->text(), "TOM7");
  QTest::keyClick(window.field(), Qt::Key_Return);
  EXPECT_EQ(window.nameLine()->text(), "你的网名：TOM7");
  EXPECT_EQ(window.personalityLine()->text(), "你的性格：大丈夫主义者");
  window.field()->setText("!!!");
  window.runReading();
  EXPECT_EQ(window.personalityLine()->text(), "你的性格：");
  window.field()->setText("  ");
  window.runReading();
  EXPECT_EQ(m_messages, QStringList{"notice:请输入你的网名！"});
}

TEST_F(ReadingWindows, NoteWindowsAreModelessAndTitledByTheirArticle) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth,
                 "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                 "INSERT INTO Noter VALUES ('XM011', '取名规则', '第一段');");
  const CommandAction* rules = CommandRegistry::instance().find("取名规则");
  ASSERT_NE(rules, nullptr);
  (*rules)(m_host);
  QPointer<TFrmNote> first = windowSlot<TFrmNote>();
  (*rules)(m_host);
  QPointer<TFrmNote> second = windowSlot<TFrmNote>();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_TRUE(first->isVisible() && second->isVisible() && !second->isModal());
  EXPECT_EQ(second->windowTitle(), "取名规则");
  EXPECT_EQ(second->pane()->toPlainText(), "第一段");
  TFrmNote* missing = ShowNote("XM999", m_host.window());
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->windowTitle(), "算命");
  EXPECT_TRUE(missing->pane()->toPlainText().isEmpty());
  for (TFrmNote* window : {first.data(), second.data(), missing}) window->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);  // closing frees the window
  folder.addFile(db::DbFile::KelBirth, "DROP TABLE Noter;");
  EXPECT_EQ(ShowNote("XM011", m_host.window()), nullptr);
  ASSERT_EQ(m_messages.size(), 1);
  EXPECT_TRUE(m_messages[0].startsWith("error:数据库文件 KelBirth.dll 缺失或已损坏"))
      << m_messages[0].toStdString();
}

TEST_F(ReadingWindows, OmenCommandOpensItsPage) {
  (*CommandRegistry::instance().find("眼跳测占卜"))(m_host);
  QPointer<TFormOnther> window = windowSlot<TFormOnther>();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), "眼跳测吉凶");
  EXPECT_EQ(window->pages()->count(), 7);
  EXPECT_EQ(window->pages()->currentIndex(), 4);
  EXPECT_TRUE(window->findChild<QLabel*>("lblNote")->text().startsWith("说明："));
  window->close();
}

TEST_F(ReadingWindows, ModalCommandsOpenFreshWindows) {
  QPointer<QWidget> firstQQ;
  runModal("QQ号码分析", [&](QWidget* w) {
    EXPECT_EQ(w->objectName(), "TFrmQQhm");
    EXPECT_EQ(w->windowTitle(), "QQ号码测试");
    firstQQ = w;
  });
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(firstQQ) << "closing frees the window";
  EXPECT_FALSE(windowSlot<TFrmQQhm>());
  const std::pair<const char*, const char*> windows[] = {
      {"数字分析", "任意号码分析"},     {"更多数字分析", "任意号码分析"}, {"手机分析", "手机号码测算"},
      {"手机号码分析", "手机号码测算"}, {"网名分析", "网名与性格"},       {"QQ缘分配对", "QQ号码缘分配对"},
      {"生男生女", "生男生女"}};
  for (const auto& [command, title] : windows)
    runModal(command, [title = title](QWidget* w) { EXPECT_EQ(w->windowTitle(), title); });
}

TEST_F(ReadingWindows, GenderChartPages) {
  TFrm_NanNv window;
  ASSERT_EQ(window.pages()->count(), 3);
  EXPECT_EQ(window.pages()->tabText(0), "18到31岁");
  EXPECT_EQ(window.pages()->tabText(1), "32到44岁");
  EXPECT_EQ(window.pages()->tabText(2), "生男生女有秘诀");
  auto* young = qobject_cast<QTableWidget*>(window.pages()->widget(0));
  auto* older = qobject_cast<QTableWidget*>(window.pages()->widget(1));
  ASSERT_TRUE(young && older);
  EXPECT_EQ(young->rowCount(), 14);
  EXPECT_EQ(older->rowCount(), 13);
  EXPECT_EQ(young->item(0, 0)->text(), "女");    // 18, first month
  EXPECT_EQ(older->item(12, 11)->text(), "女");  // 44, twelfth month
}

TEST_F(ReadingWindows, EveryReadingCommandIsRegistered) {
  for (const char* caption :
       {"QQ缘分配对", "QQ号码分析", "更多数字分析",   "数字分析",          "手机号码分析", "手机分析",
        "网名分析",   "姓名原理",   "吉祥名字重要性", "姓名学知识与取名 ", "取名规则",     "企业取名规则",
        "取笔名规则", "取艺名规则", "打喷嚏占卜",     "面热测占卜",        "心惊测占卜",   "犬吠测占卜",
        "眼跳测占卜", "耳热测占卜", "耳鸣测占卜",     "生男生女"})
    EXPECT_NE(CommandRegistry::instance().find(QString::fromUtf8(caption)), nullptr) << caption;
}

}  // namespace
}  // namespace lumo::readings
