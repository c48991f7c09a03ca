#include "app/cli_pdf.h"

#include <QGuiApplication>

#include "core/report_pdf.h"

namespace lumo::cli {
namespace {

// The fonts need a QGuiApplication. It is made on the first export and lives until the
// process ends (its destruction among other statics at exit is not worth the risk).
void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");  // lumo-cli never shows a window
  static int argc = 1;
  static char name[] = "lumo-cli";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);
}

}  // namespace

bool writePdfOffscreen(const std::vector<std::string>& lines, const std::string& path) {
  ensureGuiApplication();
  return writeReportPdf(lines, path);
}

}  // namespace lumo::cli
