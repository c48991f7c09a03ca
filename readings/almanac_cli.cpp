// lumo-cli almanac YYYY-MM-DD: the almanac window's date line and its 17 result lines;
// a refused date prints the window's message on standard error (exit status 2).
#include "app/cli_support.h"
#include "readings/almanac_day.h"

namespace lumo {

void addAlmanacCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("almanac", "the almanac entry of a day");
  static std::string date;
  cmd->add_option("date", date, "the day YYYY-MM-DD")->required();
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint(
        [](db::Report& report) { almanac::writeAlmanacDay(report, almanac::choiceOfText(date)); }));
  });
}

}  // namespace lumo
