// TFrmQiming: the controls, their object names, captions and defaults.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/birth_input_window.h"
#include "core/form_items_window.h"
#include "core/subject.h"
#include "generator/classic_names.h"
#include "generator/qiming_window.h"
#include "generator/scheme_entry.h"

namespace lumo {
namespace {

const char* const kElementBoxes[5] = {"CBjin", "CBMu", "CBshui", "CBhuo", "CBTu"};

QComboBox* comboBox(const char* name, const QStringList& items, const QString& current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(items);
  box->setCurrentText(current);
  return box;
}

QLineEdit* lineEdit(const char* name, const QString& text, int width, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setFixedWidth(width);
  return edit;
}

QCheckBox* checkBox(const char* name, const QString& caption, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QHBoxLayout* row(QWidget* band) {
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}

void addLabel(QHBoxLayout* layout, const QString& text, QWidget* parent) {
  layout->addWidget(new QLabel(text, parent));
}

}  // namespace

TFrmQiming::TFrmQiming(QWidget* parent)
    : QDialog(parent), m_settings(std::make_shared<generator::LiveSettings>()) {
  setObjectName("TFrmQiming");
  setWindowTitle(QStringLiteral("起名宝典"));
  resize(900, 580);
  auto* column = new QVBoxLayout(this);
  column->addWidget(buildBirthRow());
  column->addWidget(buildOptionRow());
  column->addWidget(buildSchemeRow());
  column->addWidget(buildButtonRow());
  column->addWidget(buildResults(), 1);
  connectTriggers();
  publishSettings();
}

QWidget* TFrmQiming::buildBirthRow() {
  BirthInputLook look;
  look.surnameCaption = QStringLiteral("姓氏");
  look.surnameName = "Xing";
  look.sexCaption = QStringLiteral("性别");
  look.sexName = "CBsex";
  look.calendarCaption = QStringLiteral("生日");
  look.yearDigits = 4;
  look.monthDigits = look.minuteDigits = 2;
  look.minuteName = "CBFen";
  look.editableNumbers = false;
  look.defaults.year = "2010";
  look.defaults.month = look.defaults.day = look.defaults.minute = "01";
  look.nameEdit = [](QWidget* parent) { return lineEdit("Xing", {}, 60, parent); };
  m_birth = new BirthInputRow(look, this);
  m_xing = m_birth->surname();
  m_sex = m_birth->sex();
  m_comDate = m_birth->calendar();
  m_year = m_birth->year();
  m_month = m_birth->month();
  m_day = m_birth->day();
  m_hour = m_birth->hour();
  m_minute = m_birth->minute();
  return m_birth;
}

QWidget* TFrmQiming::buildOptionRow() {
  auto* band = new QWidget(this);
  auto* layout = row(band);
  addLabel(layout, QStringLiteral("名字形式"), band);
  layout->addWidget(
      m_form = comboBox("CBXingshi", {QStringLiteral("双字名"), QStringLiteral("单字名")}, {}, band));
  layout->addWidget(m_fixedBox = checkBox("CBzhishukongz", QStringLiteral("第"), false, band));
  layout->addWidget(m_fixedPlace =
                        comboBox("CBdijizi", {QStringLiteral("第二字"), QStringLiteral("第三字")}, {}, band));
  addLabel(layout, QStringLiteral("固定为"), band);
  layout->addWidget(m_fixedChar = lineEdit("Gudingzi", {}, 36, band));
  addLabel(layout, QStringLiteral("五行包括"), band);
  for (std::size_t i = 0; i < m_elements.size(); ++i)
    layout->addWidget(
        m_elements[i] = checkBox(kElementBoxes[i], QString::fromUtf8(generator::kElements[i]), false, band));
  layout->addStretch();
  return band;
}

QWidget* TFrmQiming::buildSchemeRow() {
  auto* band = new QWidget(this);
  auto* layout = row(band);
  addLabel(layout, QStringLiteral("优选方案"), band);
  m_schemes = comboBox("CBCode", {QString::fromUtf8(generator::kAutomaticScheme)}, {}, band);
  m_schemes->setMinimumWidth(150);
  layout->addWidget(m_schemes);
  layout->addWidget(m_minBox = checkBox("CBFeeXX", QStringLiteral("只起"), true, band));
  layout->addWidget(m_minScore = lineEdit("ZuidiFee", "70", 36, band));
  addLabel(layout, QStringLiteral("分以上名字"), band);
  layout->addWidget(m_highBox = checkBox("CBInitFee", QStringLiteral("自动挑选"), true, band));
  layout->addWidget(m_threshold = lineEdit("Sorcss", "77", 36, band));
  addLabel(layout, QStringLiteral("分以上名字"), band);
  addLabel(layout, QStringLiteral("名字来源"), band);
  QStringList sources;
  for (auto c : {generator::Classic::Any, generator::Classic::Shijing, generator::Classic::Chuci})
    sources << QString::fromUtf8(generator::ClassicText(c));
  layout->addWidget(m_source = comboBox("CBLaiyuan", sources, sources[0], band));
  layout->addStretch();
  return band;
}

QWidget* TFrmQiming::buildButtonRow() {
  auto* band = new QWidget(this);
  auto* layout = row(band);
  layout->addWidget(m_start = button("Button1", QStringLiteral("马上起名"), band));
  layout->addWidget(m_stop = button("Button3", QStringLiteral("停止起名"), band));
  layout->addWidget(m_copy = button("Button4", QStringLiteral("复制高分名字"), band));
  layout->addWidget(m_close = button("Button2", QStringLiteral("关闭窗口"), band));
  m_progress = new QProgressBar(band);
  m_progress->setObjectName("RunProgress");
  m_progress->setFormat("%v/%m");
  m_progress->setTextVisible(false);  // nothing to count before the first run
  m_progress->setRange(0, 1);
  m_progress->reset();
  layout->addWidget(m_progress, 1);
  m_status = new QLabel(band);
  m_status->setObjectName("RunStatus");
  layout->addWidget(m_status);
  return band;
}

QWidget* TFrmQiming::buildResults() {
  auto* split = new QSplitter(this);
  m_memo = new QPlainTextEdit(split);
  m_memo->setObjectName("MemoSuccess");
  m_memo->setReadOnly(true);
  m_memo->setUndoRedoEnabled(false);
  m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  // One font for both scripts, a Chinese character exactly two digits wide: the names,
  // padded to 16 GBK bytes, stand in columns.
  QFont mono(QStringLiteral("Noto Sans Mono CJK SC"));
  mono.setStyleHint(QFont::TypeWriter);
  m_memo->setFont(mono);
  auto* tabs = new QTabWidget(split);
  auto* page = new QWidget(tabs);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("高分名字列表"), page));
  m_list = new QListWidget(page);
  m_list->setObjectName("ListBox1");
  // A list of 200,000 names is laid out in steps, not all over again at each batch.
  m_list->setUniformItemSizes(true);
  m_list->setLayoutMode(QListView::Batched);
  m_list->setBatchSize(2000);
  m_list->setStyleSheet(QStringLiteral("QListWidget { color: red; font-weight: bold; }"));
  column->addWidget(m_list);
  tabs->addTab(page, QStringLiteral("高分名字(双击看详细分析)"));
  tabs->addTab(buildRecommendedPage(tabs), QStringLiteral("推荐名字"));
  split->addWidget(m_memo);
  split->addWidget(tabs);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  return split;
}

QWidget* TFrmQiming::buildRecommendedPage(QTabWidget* tabs) {
  auto* page = new QWidget(tabs);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("最佳50个名字（单击看解释，双击看详细分析）"), page));
  auto* split = new QSplitter(Qt::Vertical, page);
  m_recommendList = new QListWidget(split);
  m_recommendList->setObjectName("ListRecommend");
  m_explain = new QPlainTextEdit(split);
  m_explain->setObjectName("MemoExplain");
  m_explain->setReadOnly(true);
  split->addWidget(m_recommendList);
  split->addWidget(m_explain);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  column->addWidget(split, 1);
  return page;
}

}  // namespace lumo
