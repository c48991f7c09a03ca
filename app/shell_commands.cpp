// Commands that act on the main window itself: new, open record, save, print, PDF export,
// exit, about, upgrade.

#include "app/shell_commands.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

#include "app/about_box.h"
#include "app/main_window.h"
#include "core/commands_window.h"
#include "core/notice_box_window.h"
#include "core/record_file.h"
#include "core/report_output_window.h"

namespace lumo {
namespace {

void openRecord(MainHost& host) {
  auto* main = dynamic_cast<MainWindow*>(&host);
  QString path = QFileDialog::getOpenFileName(host.window(), QStringLiteral("打开记录"), QString(),
                                              QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
  if (path.isEmpty() || !main) return;
  auto lines = readRecordFile(path.toStdString());
  main->setReportLines(lines ? *lines : std::vector<std::string>{});
}

// The report pane's lines, or none while the pane holds no text.
QStringList reportLines(MainHost& host) {
  auto* main = dynamic_cast<MainWindow*>(&host);
  if (!main || main->reportPane()->toPlainText().trimmed().isEmpty()) return {};
  return main->reportPane()->toPlainText().split('\n');
}

QString proposedName(MainHost& host) {
  return QString::fromStdString(host.subject().surname + host.subject().given).trimmed();
}

// Saves the report pane as a text file (GBK unless the user picks UTF-8); a failed write
// says so and leaves no file.
void saveReport(MainHost& host) {
  QStringList lines = reportLines(host);
  if (lines.isEmpty()) return;
  SaveChoice choice = chooseTextSave(host.window(), proposedName(host));
  if (choice.path.isEmpty()) return;
  WriteResult written =
      saveRecordFile(withTxtExtension(choice.path.toStdString()), toStdLines(lines), choice.encoding);
  if (!written.ok)
    showError(host.window(),
              QStringLiteral("保存失败：") + choice.path + "\n" + QString::fromStdString(written.reason));
}

void printReport(MainHost& host) {
  QStringList lines = reportLines(host);
  if (!lines.isEmpty()) printReportLines(host.window(), lines);
}

void exportPdf(MainHost& host) {
  QStringList lines = reportLines(host);
  if (!lines.isEmpty()) exportReportPdf(host.window(), proposedName(host), lines);
}

void showAbout(MainHost& host) {
  AboutBox about(host.window());
  about.exec();
}

}  // namespace

void registerShellCommands(CommandRegistry& r) {
  r.add("新建测算", [](MainHost& host) {
    if (auto* main = dynamic_cast<MainWindow*>(&host)) main->newReading();
  });
  r.add("打开记录...", openRecord);
  r.add("保存", saveReport);
  r.add("打印", printReport);
  r.add("导出PDF", exportPdf);
  auto close = [](MainHost& host) { host.window()->close(); };
  r.add("退出系统", close);
  r.add("退出", close);
  r.add("软件升级", [](MainHost& host) {
    showNotice(host.window(), QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
  });
  r.add("关于系统", showAbout);
}

}  // namespace lumo
