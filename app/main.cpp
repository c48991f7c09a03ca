// lumo: the desktop program.
#include <QApplication>
#include <QFont>

#include "app/commands.h"
#include "app/database_gate.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "app/regional_settings.h"
#include "app/window_manners.h"
#include "data/unscramble.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Lumo生辰八字取名软件"));
  lumo::loadQtChinese(app);
  lumo::installWindowManners(app);
  lumo::FileLocaleSource locale(lumo::FileLocaleSource::defaultPath());
  lumo::applyRegionalFormats(locale);
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::Serif);
  app.setFont(font);
  lumo::db::setBadPairSignal([] { QApplication::beep(); });
  lumo::registerAllCommands();
  lumo::MainWindow window;
  window.show();
  std::string problems = lumo::checkDatabasesAtStart();
  if (!problems.empty()) lumo::showError(&window, QString::fromStdString(problems));
  return app.exec();
}
