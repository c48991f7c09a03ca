// lumo-cli: every report and reading of the program on standard output, line for line
// what the window shows, for scripts and tests.
#include <CLI/CLI.hpp>

#include <iostream>

#include "app/cli_support.h"
#include "calendar/clock.h"
#include "calendar/date_serial.h"
#ifdef LUMO_WITH_PDF
#include "app/cli_pdf.h"
#endif

int main(int argc, char** argv) {
  CLI::App app{"Lumo生辰八字取名软件 — command line"};
  app.set_version_flag("--version", "lumo-cli " LUMO_VERSION);
  app.require_subcommand(1);
  std::string todayText;
  app.add_option("--today", todayText, "fix the current date (YYYY-MM-DD)");
  app.parse_complete_callback([&] {
    if (todayText.empty()) return;
    auto date = lumo::parseDate(todayText);
    if (!date) throw CLI::ValidationError("--today", "not a date: " + todayText);
    lumo::setToday(*date);
  });
  lumo::addCalendarCli(app);
  lumo::addSubjectCli(app);
  lumo::addNamingCli(app);
  lumo::addBaziCli(app);
  lumo::addGeneratorCli(app);
  lumo::addReadingsCli(app);
  lumo::addAlmanacCli(app);
#ifdef LUMO_WITH_PDF
  lumo::cli::setPdfWriter(lumo::cli::writePdfOffscreen);
#endif
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  return lumo::cli::exitCode();
}
