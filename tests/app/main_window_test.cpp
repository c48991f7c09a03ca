// The main window offscreen: its input rules, capture messages, commands and close.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/database_gate.h"
#include "app/input_panel.h"
#include "app/shell_commands.h"
#include "core/notice_box_window.h"
#include "core/report_output_window.h"
#include "data/database_check.h"
#include "data/database_files.h"
#include "data/query.h"
#include "tests/support/pdf_text.h"

namespace lumo {
namespace {

// Types each character as a key press carrying that text (works for Chinese too).
void typeText(QWidget* target, const QString& text) {
  for (QChar c : text) {
    int key = c.isLetterOrNumber() && c.unicode() < 127 ? c.toUpper().unicode() : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { registerAllCommands(); }
  void SetUp() override {
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
    setAfterCloseHook([this] { m_closed = true; });
    m_window = std::make_unique<MainWindow>();
    m_window->show();
  }
  void TearDown() override { setMessageRecorder(nullptr); }
  QLineEdit* edit(const char* name) { return m_window->findChild<QLineEdit*>(name); }
  QComboBox* box(const char* name) { return m_window->findChild<QComboBox*>(name); }

  std::unique_ptr<MainWindow> m_window;
  QStringList m_boxes;
  bool m_closed = false;
};

TEST_F(MainWindowTest, LayoutAndDefaults) {
  EXPECT_EQ(m_window->size(), QSize(800, 600));
  EXPECT_EQ(m_window->windowTitle(), "Lumo生辰八字取名软件");
  EXPECT_FALSE(m_window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(box("SYear")->count(), 120);
  EXPECT_EQ(box("SYear")->currentText(), "1980");
  EXPECT_EQ(box("Shour")->count(), 24);
  EXPECT_EQ(box("Shour")->itemText(23), "子 23");
  EXPECT_EQ(box("CBFen")->count(), 60);
  EXPECT_EQ(box("Sex")->currentText(), "男");
  EXPECT_FALSE(m_window->reportPane()->isVisible());
  QStringList menus;
  for (QAction* a : m_window->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"系统(&S)", "取名(&Q)", "缘分(&P)", "黄道(&D)", "民俗(&B)", "工具(&G)",
                                "帮助(&H)"}));
}

TEST_F(MainWindowTest, NameFieldsTakeOnlyChineseCharacters) {
  QLineEdit* nameA = edit("NameA");
  nameA->setFocus();
  typeText(nameA, "ab1 ");
  EXPECT_EQ(nameA->text(), "");
  typeText(nameA, "欧阳修文武");
  EXPECT_EQ(nameA->text(), "欧阳修文") << "a fifth character is refused";
  QTest::keyClick(nameA, Qt::Key_Backspace);
  EXPECT_EQ(nameA->text(), "欧阳修");
  EXPECT_TRUE(nameKeyAccepted(Qt::Key_Return, "\r"));
  EXPECT_FALSE(nameKeyAccepted(Qt::Key_Space, " "));
}

TEST_F(MainWindowTest, CaptureMessages) {
  EXPECT_FALSE(m_window->captureSubject(true));
  EXPECT_EQ(m_boxes.value(0), "notice:姓不能为空!");
  edit("NameA")->setText("王");
  EXPECT_FALSE(m_window->captureSubject(true));
  EXPECT_EQ(m_boxes.value(1), "notice:名不能为空!");
  EXPECT_TRUE(m_window->captureSubject(false));
  edit("NameB")->setText("明");
  box("Sday")->setCurrentText("");
  EXPECT_FALSE(m_window->captureSubject(true));
  EXPECT_EQ(m_boxes.value(2), "notice:请选择出生日!");
}

TEST_F(MainWindowTest, UnreadableYearShowsAnErrorAndKeepsTheRecord) {
  edit("NameA")->setText("王");
  edit("NameB")->setText("明");
  ASSERT_TRUE(m_window->captureSubject(true));
  box("SYear")->setCurrentText("19x0");
  EXPECT_FALSE(m_window->captureSubject(true));
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes[0].startsWith("error:"));
  EXPECT_EQ(m_window->subject().lunarText, "己未(羊年)十一月十四");
}

TEST_F(MainWindowTest, ImpossibleDateAndMinuteShowNoticesAndNoReport) {
  edit("NameA")->setText("王");
  edit("NameB")->setText("明");
  box("SMonth")->setCurrentText("2");
  box("Sday")->setCurrentText("30");
  m_window->runCommand("姓名详解");
  box("Sday")->setCurrentText("1");
  box("CBFen")->setCurrentText("75");
  m_window->runCommand("八字分析");
  EXPECT_EQ(m_boxes, (QStringList{"notice:公历1980年2月只有29天!", "notice:出生分钟只能是0到59!"}));
  EXPECT_FALSE(m_window->findChild<QPlainTextEdit*>("ReportPane")->isVisible());
}

// A damaged Tgcode.dll: the start names it, the BaZi command is refused without a report,
// and the name analysis, which does not read it, still runs.
TEST_F(MainWindowTest, DamagedDatabaseIsNamedAndItsCommandsRefused) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("lumo-gui-damaged-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (db::DbFile file : db::allDatabaseFiles())
    fs::copy_file(fs::path(db::dataFolder()) / db::fileName(file), dir / db::fileName(file),
                  fs::copy_options::overwrite_existing);
  std::ofstream(dir / "Tgcode.dll", std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
  db::setDataFolder(dir.string());
  db::dropCachedConnections();
  std::string startText = checkDatabasesAtStart();
  EXPECT_NE(startText.find("Tgcode.dll"), std::string::npos);
  EXPECT_NE(startText.find("不是数据库文件"), std::string::npos);
  EXPECT_EQ(startText.find("Voduzid.dll"), std::string::npos);

  edit("NameA")->setText("王");
  edit("NameB")->setText("明");
  m_window->runCommand("八字分析");
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes[0].startsWith("error:数据库文件 Tgcode.dll 缺失或已损坏：不是数据库文件"))
      << m_boxes[0].toStdString();
  auto* pane = m_window->findChild<QPlainTextEdit*>("ReportPane");
  EXPECT_FALSE(pane->isVisible());
  m_window->runCommand("姓名详解");
  EXPECT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(pane->isVisible());

  setDatabaseProblems({});
  db::dropCachedConnections();
  db::setDataFolder("");
  fs::remove_all(dir);
}

TEST_F(MainWindowTest, NewReadingClearsNamesAndPane) {
  edit("NameA")->setText("王");
  edit("NameB")->setText("明");
  m_window->setReportLines({"一", "二"});
  EXPECT_TRUE(m_window->reportPane()->isVisible());
  m_window->runCommand("新建测算");
  EXPECT_TRUE(m_window->reportPane()->toPlainText().isEmpty());
  EXPECT_TRUE(edit("NameA")->text().isEmpty());
  EXPECT_TRUE(edit("NameB")->text().isEmpty());
  EXPECT_EQ(box("SYear")->currentText(), "1980");
}

TEST_F(MainWindowTest, CommandsWithoutAnActionAreDisabled) {
  EXPECT_TRUE(m_window->commandEnabled("新建测算"));
  EXPECT_TRUE(m_window->commandEnabled("软件升级"));
  for (QPushButton* button : m_window->findChildren<QPushButton*>())
    EXPECT_EQ(button->isEnabled(), m_window->commandEnabled(button->text())) << button->text().toStdString();
  m_window->runCommand("软件升级");
  EXPECT_EQ(m_boxes.value(0), "notice:感谢你的使用,软件是最新版无需升级!");
}

// The bottom strip and the 系统 menu carry print, save and PDF export of the report pane.
TEST_F(MainWindowTest, ReportPaneGoesToPrintPdfAndEitherTextEncoding) {
  namespace fs = std::filesystem;
  auto dir = fs::temp_directory_path() / ("lumo-output-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  int chooserCalls = 0;
  QString proposed;
  setPdfPathChooser([&](QWidget*, const QString& name) {
    ++chooserCalls;
    proposed = name;
    return QString::fromStdString((dir / "report").string());
  });
  m_window->runCommand("导出PDF");  // an empty pane: no dialog, no file
  EXPECT_EQ(chooserCalls, 0);

  m_window->setReportLines({"王明,您今年:44岁", "", "【系统综合评分】: 85分"});
  bool previewed = false;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    previewed = preview != nullptr;
    if (preview) preview->reject();
  });
  m_window->runCommand("打印");
  EXPECT_TRUE(previewed);

  QAction* menuExport = nullptr;
  for (QAction* action : m_window->menuBar()->actions().first()->menu()->actions())
    if (action->text() == "导出PDF") menuExport = action;
  ASSERT_NE(menuExport, nullptr);
  menuExport->trigger();
  EXPECT_EQ(chooserCalls, 1);
  EXPECT_EQ(proposed, "报告");  // no subject captured yet
  std::string text = testing::pdfText((dir / "report.pdf").string());
  EXPECT_NE(text.find("【系统综合评分】: 85分"), std::string::npos) << text;

  for (auto encoding : {TextEncoding::Gbk, TextEncoding::Utf8}) {
    std::string name = encoding == TextEncoding::Utf8 ? "utf8" : "gbk";
    setTextSaveChooser([&](QWidget*, const QString&) {
      return SaveChoice{QString::fromStdString((dir / name).string()), encoding};
    });
    m_window->runCommand("保存");
    std::ifstream in(dir / (name + ".txt"), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str().substr(0, 4), encoding == TextEncoding::Utf8 ? "王\xE6" : "\xCD\xF5\xC3\xF7")
        << name;
  }
  setTextSaveChooser(nullptr);
  setPdfPathChooser(nullptr);
  EXPECT_TRUE(m_boxes.isEmpty());
  fs::remove_all(dir);
}

TEST_F(MainWindowTest, CloseRemovesTheLockFile) {
  auto dir = std::filesystem::temp_directory_path() / ("lumo-close-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "Voduzid.ldb") << "lock";
  db::setDataFolder(dir.string());
  m_window->close();
  db::setDataFolder("");
  EXPECT_FALSE(std::filesystem::exists(dir / "Voduzid.ldb"));
  EXPECT_TRUE(m_closed);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lumo
