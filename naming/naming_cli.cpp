// lumo-cli name / sancai / origin / strokes: the naming commands' lines on standard output.
#include <iostream>

#include "core/cli_support.h"
#include "core/text.h"
#include "naming/character_info.h"
#include "naming/name_report.h"
#include "naming/sancai_reading.h"
#include "naming/surname_origin.h"

namespace lumo {
namespace {

void addNameCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("name", "the name analysis report of the main window");
  static std::string surname, given, pdf;
  static cli::BirthOptions birth;
  cmd->fallthrough();  // --today may follow the subcommand
  cmd->add_option("SURNAME", surname, "surname")->required();
  cmd->add_option("GIVEN", given, "given name")->required();
  cli::addBirthOptions(*cmd, birth, false);
  cli::addPdfOption(*cmd, pdf);
  cmd->callback([] {
    cli::setExitCode(cli::runPrintAndExport(
        [](Report& report) {
          Subject record;
          naming::AnalyseName(cli::panelInputOf(surname, given, birth), record, naming::kMainClosingLine,
                              report);
        },
        pdf));
  });
}

void addSancaiCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("sancai", "the 三才吉凶 reading of a name");
  static std::string surname, given;
  cmd->fallthrough();  // --today may follow the subcommand
  cmd->add_option("SURNAME", surname, "surname")->required();
  cmd->add_option("GIVEN", given, "given name")->required();
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint(
        [](Report& report) { naming::ShowSancaiReading(trimmed(surname), trimmed(given), report); }));
  });
}

void addOriginCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("origin", "the origin text of a surname");
  static std::string surname;
  cmd->fallthrough();  // --today may follow the subcommand
  cmd->add_option("SURNAME", surname, "surname")->required();
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint([](Report& report) {
      db::Connection connection(db::DbFile::KelBirth);
      naming::OriginSearch found = naming::SearchOrigin(connection, surname);
      for (auto& line : naming::OriginLines(found.text)) report.add(line);
    }));
  });
}

void addStrokesCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand(
      "strokes", "character, strokes, ft, wuhang, pinyin, initial, tone-marked reading per character");
  static std::string text;
  static bool surname = false;
  cmd->fallthrough();
  cmd->add_option("TEXT", text, "characters to look up")->required();
  cmd->add_flag("--surname", surname, "read the characters as a surname (单 shàn, 尉迟 yùchí)");
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint([](Report& report) {
      auto reading = surname ? naming::ReadingOf::Surname : naming::ReadingOf::Name;
      for (auto& line : naming::strokeLines(text, reading)) report.add(line);
    }));
  });
}

}  // namespace

void addNamingCli(CLI::App& app) {
  addNameCommand(app);
  addSancaiCommand(app);
  addOriginCommand(app);
  addStrokesCommand(app);
}

}  // namespace lumo
