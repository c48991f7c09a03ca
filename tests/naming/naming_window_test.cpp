// The naming windows driven as a user would: the analysis window, the origin window and
// the main window's naming commands. Message boxes are recorded, not shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/main_window.h"
#include "app/shell_commands.h"
#include "calendar/clock.h"
#include "core/notice_box_window.h"
#include "core/report_output_window.h"
#include "fixture_db.h"
#include "naming/name_analysis_window.h"
#include "naming/name_report.h"
#include "naming/surname_origin_window.h"
#include "tests/support/pdf_text.h"

namespace fs = std::filesystem;

namespace lumo {
namespace {

QPushButton* button(QWidget* window, const QString& caption) {
  for (auto* b : window->findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

template <class T>
T* child(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromUtf8(name));
}

class NamingWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "naming_window_tests";
    static char* argv[] = {name, nullptr};
    // Windows are never shown on a screen here, whatever the environment says.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QApplication::instance()) s_app = std::make_unique<QApplication>(argc, argv);
    static bool registered = false;
    if (!registered) registerAllCommands();
    registered = true;
  }
  // The application made here is freed here: what it holds (fonts, caches) is no leak.
  static void TearDownTestSuite() { s_app.reset(); }
  inline static std::unique_ptr<QApplication> s_app;
  void SetUp() override {
    setToday(Date{2024, 6, 1});
    m_db.addWord("王", "王", 4);
    m_db.addWord("一", "一", 1);
    m_db.add81(5, "五行俱全", "（大吉）", "福寿");
    m_db.add81(2, "两仪", "（凶）", "动摇");
    m_db.addSancai("土土木", 1, "土气厚重。");
    m_db.addXing("张", "张姓出自黄帝之孙挥。");
    m_db.addXing("欧阳", "欧阳出自越王无疆之后。");
    m_db.addXing("安", "安姓源自安息国。");
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
  }
  void TearDown() override {
    setMessageRecorder(nullptr);
    TFrmNameMain::setSaveChooser(nullptr);
    setTextSaveChooser(nullptr);
    setPdfPathChooser(nullptr);
    setToday(std::nullopt);
  }
  NameAnalysisRequest input(const QString& surname, const QString& given) {
    NameAnalysisRequest r;  // the birth fields at their defaults: 男, 公历 1980-1-1 子 0, minute 0
    r.surname = surname.toStdString();
    r.given = given.toStdString();
    return r;
  }

  test::FixtureFolder m_db;
  QStringList m_boxes;
};

TEST_F(NamingWindows, AnalysisWindowFieldsAsGiven) {
  NameAnalysisRequest r;
  r.surname = "王";
  r.given = "一";
  r.sex = "女";
  r.calendarIndex = 1;
  r.year = "1985";
  r.month = "2";
  r.day = "3";
  r.hour = "丑 1";
  r.minute = "05";
  TFrmNameMain w(r);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("姓名分析"));
  EXPECT_EQ(child<QLineEdit>(&w, "NameA")->text(), QStringLiteral("王"));
  EXPECT_EQ(child<QLineEdit>(&w, "NameB")->text(), QStringLiteral("一"));
  EXPECT_EQ(child<QComboBox>(&w, "Sex")->currentText(), QStringLiteral("女"));
  EXPECT_EQ(child<QComboBox>(&w, "ComDate")->currentIndex(), 1);
  EXPECT_EQ(child<QComboBox>(&w, "SYear")->currentText(), "1985");
  EXPECT_EQ(child<QComboBox>(&w, "SYear")->count(), 141);
  EXPECT_EQ(child<QComboBox>(&w, "SMonth")->currentText(), "2");
  EXPECT_EQ(child<QComboBox>(&w, "Sday")->currentText(), "3");
  EXPECT_EQ(child<QComboBox>(&w, "Shour")->currentText(), QStringLiteral("丑 1"));
  EXPECT_EQ(child<QComboBox>(&w, "Shour")->count(), 24);
  auto* minute = child<QComboBox>(&w, "RzComboBox8");
  EXPECT_EQ(minute->currentText(), "05");
  EXPECT_EQ(minute->itemText(0), "00");
  EXPECT_EQ(minute->itemText(59), "59");
  ASSERT_NE(child<QTextEdit>(&w, "RzMemo1"), nullptr);
  EXPECT_TRUE(child<QTextEdit>(&w, "RzMemo1")->isReadOnly());
  for (const char* caption : {"姓名分析", "打印", "保存", "导出PDF", "退出"})
    EXPECT_NE(button(&w, QString::fromUtf8(caption)), nullptr) << caption;
  bool hint = false;
  for (auto* label : w.findChildren<QLabel*>())
    hint = hint || label->text() == QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！");
  EXPECT_TRUE(hint);
  NameAnalysisRequest otherSex = input("a", "b");
  otherSex.sex = "x";
  TFrmNameMain other(otherSex);
  EXPECT_EQ(child<QComboBox>(&other, "Sex")->currentText(), QStringLiteral("女"));  // anything but 男
}

TEST_F(NamingWindows, AnalysesAtOnceWhenBothNamesAreGiven) {
  TFrmNameMain w(input(QStringLiteral("王"), QStringLiteral("一")));
  w.show();
  QStringList lines = w.paneLines();
  ASSERT_GT(lines.size(), 30);
  EXPECT_EQ(lines.first(), QStringLiteral("王一,您今年:44岁"));
  EXPECT_TRUE(lines.contains(QString::fromUtf8(naming::kWindowClosingLine)));
  EXPECT_TRUE(lines.last().startsWith(QStringLiteral("一（"))) << "one line per character ends the report";
  EXPECT_TRUE(m_boxes.isEmpty());

  TFrmNameMain empty(input(QStringLiteral("王"), ""));
  empty.show();
  EXPECT_EQ(empty.paneLines(), QStringList{""});
  EXPECT_TRUE(m_boxes.isEmpty());  // no check runs, so no notice either
  button(&empty, QStringLiteral("姓名分析"))->click();
  EXPECT_EQ(m_boxes, QStringList{QStringLiteral("notice:名不能为空!")});
}

TEST_F(NamingWindows, SaveWritesTheFileAndReportsAFailure) {
  TFrmNameMain w(input(QStringLiteral("王"), QStringLiteral("一")));
  QString proposed;
  QString chosen = QString::fromStdString((fs::path(m_db.path()) / "report").string());
  TFrmNameMain::setSaveChooser([&](QWidget*, const QString& name) {
    proposed = name;
    return chosen;
  });
  w.save();  // nothing to save yet: the dialog does not open
  EXPECT_TRUE(proposed.isEmpty());
  w.show();
  button(&w, QStringLiteral("保存"))->click();
  EXPECT_EQ(proposed, QStringLiteral("王一"));
  EXPECT_TRUE(fs::exists(fs::path(m_db.path()) / "report.txt"));
  EXPECT_TRUE(m_boxes.isEmpty());

  chosen = QString::fromStdString((fs::path(m_db.path()) / "missing" / "report.txt").string());
  w.save();
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes.first().startsWith("error:"));
  EXPECT_FALSE(fs::exists(fs::path(m_db.path()) / "missing"));

  child<QLineEdit>(&w, "NameB")->setText("a|b");
  w.save();
  EXPECT_EQ(proposed, "*.txt");
}

TEST_F(NamingWindows, PrintPreviewsAndPdfAndUtf8SaveCarryThePane) {
  TFrmNameMain w(input(QStringLiteral("王"), QStringLiteral("一")));
  w.show();
  const fs::path dir(m_db.path());

  bool previewed = false;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    previewed = preview != nullptr;
    if (preview) preview->reject();
  });
  button(&w, QStringLiteral("打印"))->click();
  EXPECT_TRUE(previewed);

  QString proposed;
  setPdfPathChooser([&](QWidget*, const QString& name) {
    proposed = name;
    return QString::fromStdString((dir / "王一").string());
  });
  button(&w, QStringLiteral("导出PDF"))->click();
  EXPECT_EQ(proposed, QStringLiteral("王一"));
  ASSERT_TRUE(fs::exists(dir / "王一.pdf"));
  std::string text = testing::pdfText((dir / "王一.pdf").string());
  EXPECT_NE(text.find("王一,您今年:44岁"), std::string::npos) << text;

  setTextSaveChooser([&](QWidget*, const QString&) {
    return SaveChoice{QString::fromStdString((dir / "utf8").string()), TextEncoding::Utf8};
  });
  button(&w, QStringLiteral("保存"))->click();
  std::ifstream in(dir / "utf8.txt", std::ios::binary);
  std::stringstream saved;
  saved << in.rdbuf();
  EXPECT_EQ(saved.str().substr(0, std::string("王一,您今年:44岁\n").size()), "王一,您今年:44岁\n");
  EXPECT_TRUE(m_boxes.isEmpty());
}

TEST_F(NamingWindows, ExitClosesTheWindow) {
  TFrmNameMain w(input("", ""));
  w.show();
  ASSERT_TRUE(w.isVisible());
  button(&w, QStringLiteral("退出"))->click();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(NamingWindows, OriginWindowListAndSearchRules) {
  auto* w = new TFrmNameCome;
  EXPECT_EQ(w->windowTitle(), QStringLiteral("姓氏起源"));
  QComboBox* box = w->surnameBox();
  ASSERT_EQ(box->count(), 3);
  EXPECT_EQ(box->itemText(0), QStringLiteral("安"));
  EXPECT_EQ(box->itemText(1), QStringLiteral("欧阳"));
  EXPECT_EQ(box->itemText(2), QStringLiteral("张"));
  box->setEditText(QStringLiteral("欧阳"));
  button(w, QStringLiteral("开始搜索"))->click();
  EXPECT_EQ(w->textPane()->toPlainText(), QStringLiteral("欧阳出自越王无疆之后。"));
  box->setEditText(QStringLiteral("不在表里"));
  w->search();
  EXPECT_EQ(w->textPane()->toPlainText(), QStringLiteral("欧阳出自越王无疆之后。"));
  box->setEditText("  ");
  w->search();
  EXPECT_TRUE(w->textPane()->toPlainText().isEmpty());
  // Both searches that find nothing say why and what to type.
  ASSERT_EQ(m_boxes.size(), 2);
  EXPECT_TRUE(m_boxes[0].startsWith(QStringLiteral("notice:没有找到“不在表里”姓的起源：请从下拉列表中选择")))
      << m_boxes[0].toStdString();
  EXPECT_TRUE(m_boxes[1].startsWith(QStringLiteral("notice:请在框中输入一个姓氏")))
      << m_boxes[1].toStdString();
  QPointer<TFrmNameCome> alive(w);
  button(w, QStringLiteral("关闭"))->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());  // freed when closed
}

TEST_F(NamingWindows, OriginWindowShowsReadErrors) {
  m_db.exec(db::DbFile::KelBirth, "DROP TABLE xing");
  TFrmNameCome w;
  EXPECT_EQ(w.surnameBox()->count(), 0);
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes.first().startsWith("error:"));
  w.surnameBox()->setEditText(QStringLiteral("张"));
  w.search();
  EXPECT_EQ(m_boxes.size(), 2);
}

TEST_F(NamingWindows, MainWindowCommands) {
  MainWindow main;
  for (const char* caption : {"姓名详解", "姓名分析", "三才吉凶", "姓氏起源"})
    EXPECT_TRUE(main.commandEnabled(QString::fromUtf8(caption))) << caption;
  main.runCommand(QStringLiteral("三才吉凶"));  // before any analysis: nothing at all
  EXPECT_TRUE(main.reportPane()->toPlainText().isEmpty());
  EXPECT_TRUE(m_boxes.isEmpty());

  main.findChild<QLineEdit*>("NameA")->setText(QStringLiteral("王"));
  main.runCommand(QStringLiteral("姓名详解"));
  EXPECT_EQ(m_boxes, QStringList{QStringLiteral("notice:名不能为空!")});
  main.findChild<QLineEdit*>("NameB")->setText(QStringLiteral("一"));
  main.runCommand(QStringLiteral("姓名分析"));
  QStringList lines = main.reportPane()->toPlainText().split('\n');
  EXPECT_EQ(lines.first(), QStringLiteral("王一,您今年:44岁"));
  EXPECT_TRUE(lines.contains(QString::fromUtf8(naming::kMainClosingLine)));
  EXPECT_TRUE(lines.last().startsWith(QStringLiteral("一（")));

  main.findChild<QLineEdit*>("NameB")->setText(QStringLiteral("王"));  // not analysed yet
  main.runCommand(QStringLiteral("三才吉凶"));
  lines = main.reportPane()->toPlainText().split('\n');
  EXPECT_EQ(lines, (QStringList{QStringLiteral("王一,您的三才为土土木,经系统分析如下:"), "", "",
                                QStringLiteral("    土气厚重。")}));

  main.runCommand(QStringLiteral("姓氏起源"));
  main.runCommand(QStringLiteral("姓氏起源"));
  auto windows = main.findChildren<TFrmNameCome*>();
  EXPECT_EQ(windows.size(), 2);  // each command opens a new window
  for (auto* w : windows) EXPECT_TRUE(w->isWindow() && w->isVisible());
  for (auto* w : windows) w->close();
}

}  // namespace
}  // namespace lumo
