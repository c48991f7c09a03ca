// lumo: the desktop program.
#include <QApplication>
#include <QFont>
#include <cstring>
#include <iostream>

#include "app/database_gate.h"
#include "app/main_window.h"
#include "app/regional_settings.h"
#include "app/shell_commands.h"
#include "core/manners_window.h"
#include "core/notice_box_window.h"
#include "data/unscramble.h"

namespace {

// --version and --help are answered before Qt starts, so they work without a display.
bool answeredOnTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "lumo " LUMO_VERSION "\n";
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout
          << "Usage: lumo [Qt options]\n"
             "Lumo生辰八字取名软件: the desktop program. lumo-cli prints the same reports on a terminal.\n"
             "  --version  print the version\n"
             "  --help     print this help\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredOnTerminal(argc, argv)) return 0;
  QApplication app(argc, argv);
  app.setApplicationVersion(QStringLiteral(LUMO_VERSION));
  app.setDesktopFileName(QStringLiteral(LUMO_APP_ID));
  app.setApplicationName(QStringLiteral("Lumo生辰八字取名软件"));
  lumo::loadQtChinese(app);
  lumo::installWindowManners(app);
  lumo::FileLocaleSource locale(lumo::FileLocaleSource::defaultPath());
  lumo::applyRegionalFormats(locale);
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::Serif);
  app.setFont(font);
  lumo::db::SetBadPairSignal([] { QApplication::beep(); });
  lumo::registerAllCommands();
  lumo::MainWindow window;
  window.show();
  std::string problems = lumo::checkDatabasesAtStart();
  if (!problems.empty()) lumo::showError(&window, QString::fromStdString(problems));
  return app.exec();
}
