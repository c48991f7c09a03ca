// Commands that act on the main window itself: new, open record, exit, about, upgrade.
#include <QDialog>
#include <QFileDialog>
#include <QPlainTextEdit>

#include "app/about_box.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "app/record_file.h"

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

// Saves the report pane as a GBK text file; a failed write says so and leaves no file.
void saveReport(MainHost& host) {
  auto* main = dynamic_cast<MainWindow*>(&host);
  if (!main || main->reportPane()->toPlainText().trimmed().isEmpty()) return;
  QString proposed = QString::fromStdString(host.subject().surname + host.subject().given).trimmed();
  QString path = QFileDialog::getSaveFileName(host.window(), QStringLiteral("保存"), proposed,
                                              QStringLiteral("文本文件 (*.txt)"));
  if (path.isEmpty()) return;
  std::vector<std::string> lines;
  for (const QString& line : main->reportPane()->toPlainText().split('\n')) lines.push_back(line.toStdString());
  WriteResult written = saveRecordFile(withTxtExtension(path.toStdString()), lines);
  if (!written.ok)
    showError(host.window(), QStringLiteral("保存失败：") + path + "\n" + QString::fromStdString(written.reason));
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
  auto close = [](MainHost& host) { host.window()->close(); };
  r.add("退出系统", close);
  r.add("退出", close);
  r.add("软件升级", [](MainHost& host) {
    showNotice(host.window(), QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
  });
  r.add("关于系统", showAbout);
}

}  // namespace lumo
