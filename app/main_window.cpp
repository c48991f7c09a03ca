#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "app/birthplace_panel.h"
#include "app/command_layout.h"
#include "app/database_gate.h"
#include "app/input_panel.h"
#include "core/commands_window.h"
#include "core/notice_box_window.h"
#include "data/database_files.h"

namespace lumo {
namespace {

std::function<void()> g_afterClose = [] { QApplication::quit(); };

// A band painted in place of a picture: a soft vertical gradient.
class Band final : public QWidget {
 public:
  Band(QColor top, QColor bottom, QWidget* parent) : QWidget(parent), m_top(top), m_bottom(bottom) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_top);
    g.setColorAt(1, m_bottom);
    p.fillRect(rect(), g);
  }

 private:
  QColor m_top, m_bottom;
};

const QString kTitle = QStringLiteral("Lumo生辰八字取名软件");
const QString kMarqueeText =
    QStringLiteral("欢迎使用Lumo生辰八字取名软件　　输入姓名与出生时间，即可批八字、析姓名、起好名　　");

}  // namespace

void setAfterCloseHook(std::function<void()> hook) {
  g_afterClose = std::move(hook);
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TFrmmain");
  setWindowTitle(kTitle);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(800, 600);
  buildMenus();
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(buildHeader());
  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  body->addWidget(buildLeftColumn());
  body->addWidget(buildReportArea(), 1);
  column->addLayout(body, 1);
  setCentralWidget(central);
  startMarquee();
  if (auto* screen = QApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(400, 300));
}

bazi::ChartOptions MainWindow::chartOptions() const {
  return m_birthplace->chartOptions();
}

void MainWindow::buildMenus() {
  for (const auto& menu : menuLayout()) {
    auto* m = menuBar()->addMenu(QString::fromUtf8(menu.title));
    for (const char* item : menu.items) {
      QString caption = QString::fromUtf8(item);
      auto* action = m->addAction(caption.trimmed());
      if (const char* code = noteCodeOf(item)) action->setStatusTip(QString::fromUtf8(code));
      action->setEnabled(commandEnabled(caption));
      connect(action, &QAction::triggered, this, [this, caption] { runCommand(caption); });
    }
  }
}

QPushButton* MainWindow::commandButton(const char* caption, QWidget* parent) {
  QString text = QString::fromUtf8(caption);
  auto* button = new QPushButton(text, parent);
  button->setEnabled(commandEnabled(text));
  connect(button, &QPushButton::clicked, this, [this, text] { runCommand(text); });
  return button;
}

QWidget* MainWindow::buildHeader() {
  auto* band = new Band(QColor(255, 236, 200), QColor(232, 190, 120), this);
  band->setFixedHeight(81);
  auto* layout = new QVBoxLayout(band);
  layout->setContentsMargins(0, 0, 6, 2);
  layout->setSpacing(2);
  layout->addWidget(m_panel = new InputPanel(band));
  auto addRow = [&](const std::vector<const char*>& captions, const char* colour, QWidget* lead = nullptr) {
    auto* row = new QHBoxLayout;
    if (lead) row->addWidget(lead);
    row->addStretch();
    for (const char* caption : captions) {
      auto* button = commandButton(caption, band);
      button->setFixedSize(70, 20);
      button->setStyleSheet(
          QString("QPushButton { font-weight: bold; } QPushButton:enabled { color: %1; }").arg(colour));
      row->addWidget(button);
    }
    layout->addLayout(row);
  };
  addRow(headerRow1(), "navy");
  addRow(headerRow2(), "red", m_birthplace = new BirthplacePanel(band));
  return band;
}

QWidget* MainWindow::buildLeftColumn() {
  auto* scroll = new QScrollArea(this);
  scroll->setFixedWidth(176);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  auto* inner = new Band(QColor(250, 244, 228), QColor(236, 222, 190), scroll);
  auto* grid = new QGridLayout(inner);
  grid->setContentsMargins(6, 8, 6, 8);
  grid->setSpacing(4);
  int i = 0;
  for (const char* caption : leftColumn()) {
    auto* button = commandButton(caption, inner);
    button->setFixedSize(80, 22);
    grid->addWidget(button, i / 2, i % 2);
    ++i;
  }
  grid->setRowStretch(i / 2 + 1, 1);
  scroll->setWidget(inner);
  return scroll;
}

QWidget* MainWindow::buildReportArea() {
  auto* area = new Band(QColor(246, 250, 240), QColor(214, 232, 206), this);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_pane = new QPlainTextEdit(area);
  m_pane->setObjectName("ReportPane");
  m_pane->setReadOnly(true);
  m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_pane->setStyleSheet("QPlainTextEdit { background: rgb(246, 255, 238); }");
  m_pane->hide();
  layout->addWidget(m_pane, 1);
  auto* strip = new QWidget(area);
  strip->setFixedHeight(30);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(4, 2, 8, 2);
  row->addStretch();
  for (const char* caption : {"打印", "保存", "导出PDF"}) row->addWidget(commandButton(caption, strip));
  row->addWidget(commandButton("退出", strip));
  layout->addWidget(strip, 0, Qt::AlignBottom);
  return area;
}

void MainWindow::startMarquee() {
  m_marquee = new QLabel(kMarqueeText, this);
  statusBar()->setFixedHeight(20);
  statusBar()->addWidget(m_marquee, 1);
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] {
    QString t = m_marquee->text();
    m_marquee->setText(t.mid(1) + t.left(1));
  });
  timer->start(300);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  m_panel->focusSurname();
}

PanelInput MainWindow::panelInput() const {
  return m_panel->input();
}

bool MainWindow::captureSubject(bool requireGivenName) {
  Report none;
  CommandResult result = lumo::runCommand(
      none, [&](Report&) { lumo::captureSubject(m_panel->input(), m_subject, requireGivenName); });
  if (result.outcome == Outcome::Notice) {
    showNotice(this, QString::fromStdString(result.message));
    if (result.message == "姓不能为空!") m_panel->focusSurname();
  } else if (result.outcome == Outcome::Failed) {
    showError(this, QString::fromStdString(result.message));
  }
  return result.outcome == Outcome::Done;
}

void MainWindow::setReportLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << QString::fromStdString(line);
  m_pane->setPlainText(text.join('\n'));
  m_pane->show();
  m_pane->moveCursor(QTextCursor::Start);
  m_pane->verticalScrollBar()->setValue(0);
}

void MainWindow::showReport(const Report& report, const CommandResult& result) {
  if (result.outcome == Outcome::Notice) return showNotice(this, QString::fromStdString(result.message));
  setReportLines(report.lines);
  if (result.outcome == Outcome::Failed) showError(this, QString::fromStdString(result.message));
}

void MainWindow::focusSurname() {
  m_panel->focusSurname();
}

void MainWindow::newReading() {
  m_pane->clear();
  m_panel->clearNames();
  m_panel->focusSurname();
}

bool MainWindow::commandEnabled(const QString& caption) const {
  return CommandRegistry::instance().find(caption) != nullptr;
}

void MainWindow::runCommand(const QString& caption) {
  if (auto refusal = refusalFor(caption.toStdString()))
    return showError(this, QString::fromStdString(*refusal));
  if (const CommandAction* action = CommandRegistry::instance().find(caption)) (*action)(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  std::error_code ignored;
  std::filesystem::remove(db::dataFolder() + "/Voduzid.ldb", ignored);
  g_afterClose();
}

}  // namespace lumo
