// The naming window driven as a user would: defaults, field checks, the scheme list's
// triggers, runs, stop, close during a run, copy and double-click.
#include "generator/qiming_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <chrono>

#include "core/commands_window.h"
#include "core/notice_box_window.h"
#include "fixture_db.h"

namespace lumo {
namespace {

// Schemes of 王 (4 strokes): 8-10 with the scores 80 to 88, best grade first.
const char* const kSchemeRows =
    "INSERT INTO zh VALUES (12,4,0,8,10,85,'男',0),(12,4,0,8,10,80,'男',1),(12,4,0,8,10,81,'男',1),"
    "(12,4,0,8,10,82,'男',1),(12,4,0,8,10,83,'男',1),(12,4,0,8,10,84,'男',1),(12,4,0,8,10,86,'男',1),"
    "(12,4,0,8,10,87,'男',1),(12,4,0,8,10,88,'男',1),(11,4,0,8,0,75,'男',1),(12,4,0,8,10,60,'男',2);";

class QimingWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.exec(kSchemeRows);
    setMessageRecorder([this](const QString& kind, const QString& text) { m_messages << kind + ":" + text; });
    m_window = std::make_unique<TFrmQiming>();
    m_window->show();
  }
  void TearDown() override {
    m_window.reset();
    setMessageRecorder({});
    TFrmQiming::setAnalysisOpener({});
  }

  template <class T>
  T* find(const char* name) {
    T* w = m_window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void leave(const char* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(find<QLineEdit>(field), &out);
  }
  void typeSurname(const QString& surname) {
    find<QLineEdit>("Xing")->setText(surname);
    leave("Xing");
  }
  QStringList schemes() {
    QStringList items;
    auto* box = find<QComboBox>("CBCode");
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }
  bool runAndWait(int timeoutMs = 20000) {
    QSignalSpy finished(m_window.get(), &TFrmQiming::runFinished);
    find<QPushButton>("Button1")->click();
    return finished.wait(timeoutMs);
  }
  QString status() { return find<QLabel>("RunStatus")->text(); }
  int namesInMemo() {
    return int(find<QPlainTextEdit>("MemoSuccess")->toPlainText().count(QStringLiteral("分)")));
  }
  QStringList memoLines() { return find<QPlainTextEdit>("MemoSuccess")->toPlainText().split('\n'); }
  int listCount() { return find<QListWidget>("ListBox1")->count(); }

  generator::test::FixtureDb m_db;
  std::unique_ptr<TFrmQiming> m_window;
  QStringList m_messages;
};

TEST_F(QimingWindow, ControlsAndDefaults) {
  EXPECT_EQ(m_window->windowTitle(), "起名宝典");
  struct Combo {
    const char* name;
    const char* current;
    int count;
  } combos[] = {{"CBsex", "男", 2},         {"ComDate", "公历", 2},     {"SYear", "2010", 141},
                {"SMonth", "01", 12},       {"Sday", "01", 31},         {"Shour", "子 0", 24},
                {"CBFen", "01", 60},        {"CBXingshi", "双字名", 2}, {"CBdijizi", "第二字", 2},
                {"CBCode", "电脑全自动", 1}};
  for (const auto& c : combos) {
    auto* box = find<QComboBox>(c.name);
    EXPECT_EQ(box->currentText(), QString::fromUtf8(c.current)) << c.name;
    EXPECT_EQ(box->count(), c.count) << c.name;
  }
  struct Box {
    const char* name;
    const char* caption;
    bool checked;
  } boxes[] = {{"CBzhishukongz", "第", false}, {"CBjin", "金", false},         {"CBMu", "木", false},
               {"CBshui", "水", false},        {"CBhuo", "火", false},         {"CBTu", "土", false},
               {"CBFeeXX", "只起", true},      {"CBInitFee", "自动挑选", true}};
  for (const auto& b : boxes) {
    EXPECT_EQ(find<QCheckBox>(b.name)->text(), QString::fromUtf8(b.caption)) << b.name;
    EXPECT_EQ(find<QCheckBox>(b.name)->isChecked(), b.checked) << b.name;
  }
  EXPECT_EQ(find<QLineEdit>("ZuidiFee")->text(), "70");
  EXPECT_EQ(find<QLineEdit>("Sorcss")->text(), "77");
  EXPECT_TRUE(find<QLineEdit>("Xing")->text().isEmpty());
  EXPECT_TRUE(find<QPlainTextEdit>("MemoSuccess")->isReadOnly());
  for (auto [name, caption] : {std::pair{"Button1", "马上起名"},
                               {"Button3", "停止起名"},
                               {"Button2", "关闭窗口"},
                               {"Button4", "复制高分名字"}})
    EXPECT_EQ(find<QPushButton>(name)->text(), QString::fromUtf8(caption));
  EXPECT_EQ(find<QComboBox>("Shour")->itemText(23), "子 23");
  QStringList labels;
  for (auto* label : m_window->findChildren<QLabel*>()) labels << label->text();
  for (const char* text :
       {"姓氏", "性别", "生日", "名字形式", "固定为", "五行包括", "优选方案", "分以上名字", "高分名字列表"})
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
}

TEST_F(QimingWindow, FieldChecksOnLeaving) {
  find<QLineEdit>("ZuidiFee")->setText("abc");
  leave("ZuidiFee");
  EXPECT_EQ(find<QLineEdit>("ZuidiFee")->text(), "70");
  find<QLineEdit>("Sorcss")->setText("9x");
  leave("Sorcss");
  EXPECT_EQ(find<QLineEdit>("Sorcss")->text(), "95");
  find<QLineEdit>("Sorcss")->setText("");
  leave("Sorcss");
  EXPECT_EQ(find<QLineEdit>("Sorcss")->text(), "") << "an empty field stays empty";

  find<QCheckBox>("CBzhishukongz")->setChecked(true);
  find<QLineEdit>("Gudingzi")->setText("华");
  find<QComboBox>("CBXingshi")->setCurrentIndex(1);
  EXPECT_FALSE(find<QCheckBox>("CBzhishukongz")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("CBzhishukongz")->isEnabled());
  EXPECT_FALSE(find<QComboBox>("CBdijizi")->isEnabled());
  EXPECT_TRUE(find<QLineEdit>("Gudingzi")->text().isEmpty());
  find<QComboBox>("CBXingshi")->setCurrentIndex(0);
  EXPECT_TRUE(find<QCheckBox>("CBzhishukongz")->isEnabled());
  EXPECT_TRUE(find<QComboBox>("CBdijizi")->isEnabled());
}

TEST_F(QimingWindow, EditsKeepTheirByteLimits) {
  auto* xing = find<QLineEdit>("Xing");
  QTest::keyClicks(xing, "abcdef");
  EXPECT_EQ(xing->text(), "abcd");
  auto* fixed = find<QLineEdit>("Gudingzi");
  QTest::keyClicks(fixed, "xyz");
  EXPECT_EQ(fixed->text(), "xy");
}

TEST_F(QimingWindow, SchemeListOnlyOnItsTriggers) {
  typeSurname("王");
  QStringList full = schemes();
  ASSERT_EQ(full.size(), 10);
  EXPECT_EQ(full[1], "4|8-10(85分)");
  EXPECT_EQ(full.last(), "4|8-10(88分)") << "the 60 score stays below the minimum 70";

  find<QComboBox>("CBsex")->setCurrentIndex(1);
  find<QCheckBox>("CBzhishukongz")->setChecked(true);
  find<QComboBox>("CBdijizi")->setCurrentIndex(1);
  find<QLineEdit>("Gudingzi")->setText("华");
  find<QLineEdit>("ZuidiFee")->setText("86");
  EXPECT_EQ(schemes(), full) << "sex, the fixed box and typing change nothing by themselves";

  leave("ZuidiFee");
  EXPECT_EQ(schemes().size(), 4) << "86 and up; 华 has no stroke count, so it does not narrow";
  find<QCheckBox>("CBzhishukongz")->setChecked(false);
  find<QCheckBox>("CBFeeXX")->click();  // unticks the minimum and rebuilds
  EXPECT_EQ(schemes().size(), 11) << "the 60 score is back";
  find<QComboBox>("CBXingshi")->setCurrentIndex(1);
  EXPECT_EQ(schemes(), QStringList({"电脑全自动", "4|8(75分)"}));
  EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(';').toStdString();
}

TEST_F(QimingWindow, ChosenSchemeRun) {
  typeSurname("王");
  find<QComboBox>("CBCode")->setCurrentIndex(1);
  ASSERT_TRUE(runAndWait());
  EXPECT_EQ(memoLines().size(), 2) << "the incomplete last line is shown";
  EXPECT_TRUE(memoLines()[0].startsWith("王明浩(85分)    王明桐(85分)"));
  EXPECT_EQ(listCount(), 9);
  EXPECT_FALSE(m_window->running());
  EXPECT_EQ(status(), QStringLiteral("共生成 %1 个名字，高分名字 9 个").arg(namesInMemo()));
  auto* line = find<QLabel>("RunStatus");
  QApplication::processEvents();  // the layout follows the new text at the next turn of the loop
  EXPECT_GE(line->width(), line->sizeHint().width()) << "the status line is not cut";
}

TEST_F(QimingWindow, BeforeTheFirstRunTheBarAndStatusShowNothing) {
  auto* bar = find<QProgressBar>("RunProgress");
  EXPECT_FALSE(bar->isTextVisible());
  EXPECT_EQ(bar->value(), bar->minimum() - 1) << "no part of the bar filled";
  EXPECT_TRUE(status().isEmpty());
  typeSurname("王");
  ASSERT_TRUE(runAndWait());
  EXPECT_TRUE(bar->isTextVisible());
}

TEST_F(QimingWindow, ARunWithoutAChineseSurnameIsRefusedWithANotice) {
  QSignalSpy finished(m_window.get(), &TFrmQiming::runFinished);
  find<QPushButton>("Button1")->click();
  typeSurname("Li");
  find<QPushButton>("Button1")->click();
  ASSERT_EQ(m_messages.size(), 2);
  EXPECT_EQ(m_messages[0], "notice:请先在“姓氏”框中输入姓氏：一到两个汉字，例如“李”或“欧阳”。");
  EXPECT_EQ(m_messages[1], "notice:“Li”不是汉字姓氏：请在“姓氏”框中输入一到两个汉字，例如“李”或“欧阳”。");
  EXPECT_FALSE(m_window->running());
  EXPECT_TRUE(status().isEmpty());
}

TEST_F(QimingWindow, AutomaticRunShowsProgress) {
  typeSurname("王");
  ASSERT_TRUE(runAndWait());
  EXPECT_EQ(listCount(), 81);
  auto* bar = find<QProgressBar>("RunProgress");
  EXPECT_EQ(bar->maximum(), 9);
  EXPECT_EQ(bar->value(), 9);
}

TEST_F(QimingWindow, ThresholdAndUntickedList) {
  typeSurname("王");
  find<QLineEdit>("Sorcss")->setText("86");
  ASSERT_TRUE(runAndWait());
  EXPECT_EQ(listCount(), 27) << "86, 87 and 88";
  find<QCheckBox>("CBInitFee")->setChecked(false);
  ASSERT_TRUE(runAndWait());
  EXPECT_EQ(listCount(), 0);
  EXPECT_EQ(memoLines().size(), 14);
}

TEST_F(QimingWindow, StopButtonPausesTwoSecondsWithoutFreezing) {
  auto* stop = find<QPushButton>("Button3");
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(50);
  stop->click();
  EXPECT_FALSE(stop->isEnabled());
  QTest::qWait(1800);
  EXPECT_FALSE(stop->isEnabled());
  EXPECT_GT(ticks, 20) << "the event loop runs during the pause";
  QTest::qWait(400);
  EXPECT_TRUE(stop->isEnabled());
}

// Rows for a run that lasts: 150 characters of 8 and of 10 strokes, all for boys.
void addManyCharacters(const generator::test::FixtureDb& db) {
  std::string sql = "INSERT INTO word (id, zi, ft, bh, px, nan, nv, xb, wuhang) VALUES ";
  for (int i = 0; i < 300; ++i) {
    char32_t cp = 0x5000 + i;
    std::string zi = {char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))};
    sql += "(" + std::to_string(1000 + i) + ",'" + zi + "','" + zi + "'," + (i < 150 ? "8" : "10") + "," +
           std::to_string(10 + i) + ",1,1,'1','木'),";
  }
  sql.back() = ';';
  db.exec(sql);
}

TEST_F(QimingWindow, StopDuringAnAutomaticRun) {
  addManyCharacters(m_db);
  typeSurname("王");
  QSignalSpy finished(m_window.get(), &TFrmQiming::runFinished);
  find<QPushButton>("Button1")->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return listCount() > 0; }, 20000));
  find<QPushButton>("Button3")->click();
  ASSERT_TRUE(finished.wait(20000));
  int full = 9 * 153 * 153;
  EXPECT_LT(listCount(), full / 2) << "the run ended at a check, not at its end";
  EXPECT_LT(find<QProgressBar>("RunProgress")->value(), 9) << "the second group never ran";
  EXPECT_EQ(status(), QStringLiteral("已停止：已生成 %1 个名字").arg(namesInMemo()));
}

TEST_F(QimingWindow, NewRunEndsThePreviousOne) {
  addManyCharacters(m_db);
  typeSurname("王");
  find<QPushButton>("Button1")->click();
  find<QComboBox>("CBCode")->setCurrentIndex(1);
  ASSERT_TRUE(runAndWait());
  EXPECT_EQ(listCount(), 153 * 153) << "the list holds the second run alone";
  EXPECT_TRUE(memoLines()[0].startsWith("王明浩(85分)"));
}

TEST_F(QimingWindow, ClosingDuringARun) {
  addManyCharacters(m_db);
  for (int wait : {0, 30, 300}) {
    auto window = std::make_unique<TFrmQiming>();
    window->show();
    window->findChild<QLineEdit*>("Xing")->setText("王");
    window->fillStrokeSchemes();
    window->findChild<QPushButton*>("Button1")->click();
    QTest::qWait(wait);
    auto started = std::chrono::steady_clock::now();
    window->findChild<QPushButton*>("Button2")->click();
    EXPECT_FALSE(window->running());
    window.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2)) << wait;
  }
}

TEST_F(QimingWindow, CopyHighScores) {
  typeSurname("王");
  find<QComboBox>("CBCode")->setCurrentIndex(1);
  ASSERT_TRUE(runAndWait());
  find<QPushButton>("Button4")->click();
  QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(copied.size(), 9);
  EXPECT_EQ(copied.first(), "王明浩(85分)");
  EXPECT_EQ(m_messages, QStringList({"notice:复制成功！"}));
}

TEST_F(QimingWindow, DoubleClickOpensTheAnalysis) {
  std::vector<NameAnalysisRequest> opened;
  TFrmQiming::setAnalysisOpener([&](QWidget*, const NameAnalysisRequest& r) { opened.push_back(r); });
  m_window->openAnalysis();
  EXPECT_TRUE(opened.empty()) << "nothing selected, nothing opens";
  m_db.copyRealFile("Tgcode.dll");
  typeSurname("王");
  find<QComboBox>("CBsex")->setCurrentIndex(1);
  find<QComboBox>("ComDate")->setCurrentIndex(1);
  find<QComboBox>("SYear")->setCurrentText("1999");
  find<QComboBox>("CBCode")->setCurrentIndex(1);
  ASSERT_TRUE(runAndWait());
  auto* list = find<QListWidget>("ListBox1");
  list->setCurrentRow(2);
  m_window->openAnalysis();
  ASSERT_EQ(opened.size(), 1u);
  const auto& r = opened[0];
  EXPECT_EQ(r.surname, "王");
  EXPECT_EQ(QString::fromStdString(r.given), list->item(2)->text().mid(1, 2));
  EXPECT_EQ(r.sex, "女");
  EXPECT_EQ(r.year, "1999");
  EXPECT_EQ(r.month, "01");
  EXPECT_EQ(r.day, "01");
  EXPECT_EQ(r.hour, "子 0");
  EXPECT_EQ(r.minute, "01");
  EXPECT_EQ(r.calendarIndex, 1);
}

TEST_F(QimingWindow, CommandsAreRegistered) {
  CommandRegistry registry;
  registerGeneratorCommands(registry);
  for (const char* caption : {"起名宝典", "姓名评分", "马上起名", "文字五行"})
    EXPECT_NE(registry.find(QString::fromUtf8(caption)), nullptr) << caption;
}

TEST_F(QimingWindow, ReopeningStartsFromTheDefaults) {
  QStringList seen;
  auto closeAfterTyping = [&] {
    auto* w = qobject_cast<TFrmQiming*>(QApplication::activeModalWidget());
    if (!w) return;
    auto* xing = w->findChild<QLineEdit*>("Xing");
    seen << xing->text();
    xing->setText("王");
    w->close();
  };
  for (int i = 0; i < 2; ++i) {
    QTimer::singleShot(50, closeAfterTyping);
    showNamingWindow(nullptr);
  }
  EXPECT_EQ(seen, QStringList({"", ""}));
}

TEST_F(QimingWindow, RecommendedTabListsExplainsAndOpens) {
  auto* tabs = m_window->findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "推荐名字");
  std::vector<NameAnalysisRequest> opened;
  TFrmQiming::setAnalysisOpener([&](QWidget*, const NameAnalysisRequest& r) { opened.push_back(r); });
  typeSurname("王");
  ASSERT_TRUE(runAndWait());
  auto* list = find<QListWidget>("ListRecommend");
  auto* explain = find<QPlainTextEdit>("MemoExplain");
  ASSERT_GT(list->count(), 0);
  EXPECT_LE(list->count(), 50);
  EXPECT_TRUE(list->item(0)->text().startsWith("王"));
  EXPECT_TRUE(explain->toPlainText().isEmpty()) << "nothing selected yet";

  list->setCurrentRow(0);
  QString shown = explain->toPlainText();
  EXPECT_TRUE(shown.startsWith(list->item(0)->text().section(' ', 0, 0) + "（wáng ")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("未填出生时间")) << "the birth fields still hold their defaults";
  EXPECT_TRUE(shown.contains("声调阳平、")) << shown.toStdString();

  m_window->openRecommendedAnalysis();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(QString::fromStdString("王" + opened[0].given), list->item(0)->text().section(' ', 0, 0));

  find<QPushButton>("Button1")->click();  // a new run clears the list until its own is ready
  EXPECT_EQ(list->count(), 0);
  EXPECT_TRUE(explain->toPlainText().isEmpty());
  QSignalSpy finished(m_window.get(), &TFrmQiming::runFinished);
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_GT(list->count(), 0);
}

// 名字来源: with 诗经 the list holds only the run's names found in its lines, each explained
// with its line; back on 不限 the next run lists them all.
TEST_F(QimingWindow, RecommendedNamesFromAClassic) {
  m_db.exec(
      "CREATE TABLE jingdian (id INTEGER PRIMARY KEY, shu TEXT, shou INTEGER, pian TEXT, ti TEXT, ju TEXT);"
      "INSERT INTO jingdian VALUES (1, '诗经', 1, '小雅', '甲篇', '林间明雨，浩润森桐');");
  auto* source = find<QComboBox>("CBLaiyuan");
  EXPECT_EQ(source->currentText(), "不限");
  ASSERT_EQ(source->count(), 3);
  EXPECT_EQ(source->itemText(1), "诗经");
  EXPECT_EQ(source->itemText(2), "楚辞");
  QStringList labels;
  for (auto* label : m_window->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("名字来源"));

  typeSurname("王");
  source->setCurrentIndex(1);
  ASSERT_TRUE(runAndWait());
  auto* list = find<QListWidget>("ListRecommend");
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text().section(' ', 0, 0);
  names.sort();
  // Line 1's names of the 8-10 schemes; 王明桐 and 王林桐 stay on one tone (wáng míng tóng).
  EXPECT_EQ(names, QStringList({"王明浩", "王明润", "王林浩", "王林润"}));
  list->setCurrentRow(0);
  EXPECT_TRUE(find<QPlainTextEdit>("MemoExplain")
                  ->toPlainText()
                  .contains("出处：《诗经·小雅·甲篇》：林间明雨，浩润森桐"));

  source->setCurrentIndex(0);
  ASSERT_TRUE(runAndWait());
  EXPECT_GT(list->count(), names.size());
}

TEST_F(QimingWindow, StartsWithTheSubjectAndItsElements) {
  m_db.copyRealFile("Tgcode.dll");
  NamingStart start{"王", *BirthMoment::of({2024, 5, 1}, 11, 30, BirthSex::Female)};
  m_window->startWith(start);
  EXPECT_EQ(find<QLineEdit>("Xing")->text(), "王");
  EXPECT_EQ(find<QComboBox>("CBsex")->currentText(), "女");
  EXPECT_EQ(find<QComboBox>("SYear")->currentText(), "2024");
  EXPECT_EQ(find<QComboBox>("SMonth")->currentText(), "05");
  EXPECT_EQ(find<QComboBox>("Shour")->currentText(), "午 11");
  EXPECT_EQ(find<QComboBox>("CBFen")->currentText(), "30");
  EXPECT_GT(schemes().size(), 1) << "the scheme list of the surname is filled";
  ASSERT_TRUE(runAndWait());
  auto* list = find<QListWidget>("ListRecommend");
  ASSERT_GT(list->count(), 0);
  list->setCurrentRow(0);
  EXPECT_FALSE(find<QPlainTextEdit>("MemoExplain")->toPlainText().contains("未填出生时间"))
      << "a known birth moment is read as the BaZi tally";
}

}  // namespace
}  // namespace lumo
