// lumo-cli: every report and reading of the program on standard output, line for line
// what the window shows, for scripts and tests.
#include <CLI/CLI.hpp>
#include <iostream>

#include "app/database_needs.h"
#include "calendar/clock.h"
#include "calendar/date_serial.h"
#include "core/cli_support.h"
#include "data/database_check.h"

namespace {

// Exit status when a database file that the subcommand reads is missing or damaged.
constexpr int kDamagedDataExit = 3;

// Refuses the chosen subcommand before it runs when a file it reads fails the check.
void checkDatabasesFor(const CLI::App& app) {
  for (const CLI::App* sub : app.get_subcommands()) {
    auto problems = lumo::db::checkDatabaseFiles(lumo::filesNeededBySubcommand(sub->get_name()));
    if (problems.empty()) continue;
    for (const auto& problem : problems) std::cerr << lumo::db::describe(problem) << '\n';
    throw CLI::RuntimeError(kDamagedDataExit);
  }
}

}  // namespace
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
    checkDatabasesFor(app);
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
