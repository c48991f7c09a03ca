// lumo-cli almanac YYYY-MM-DD: the almanac window's date line and its 17 result lines;
// a refused date prints the window's message on standard error (exit status 2).
// lumo-cli zeri ACTIVITY --from Y-M-D --to Y-M-D [--zodiac 生肖]: one line per day that
// suits the affair; a refused request prints its message (exit status 2).
#include "almanac/almanac_day.h"
#include "almanac/almanac_search.h"
#include "core/cli_support.h"

namespace lumo {
namespace {

void addZeriCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("zeri", "the good days for an affair (择日)");
  static almanac::SearchRequest request;
  cmd->add_option("activity", request.activity, "the affair, as the almanac names it (嫁娶)");
  // Dates are checked by the search itself, so that a missing one is refused like a bad one.
  cmd->add_option("--from", request.from, "the first day Y-M-D");
  cmd->add_option("--to", request.to, "the last day Y-M-D (at most ten years on)");
  cmd->add_option("--zodiac", request.zodiac, "leave out days that clash this animal (鼠 .. 猪)");
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint([](Report& report) { almanac::writeGoodDays(report, request); }));
  });
}

}  // namespace

void addAlmanacCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("almanac", "the almanac entry of a day");
  static std::string date;
  cmd->add_option("date", date, "the day YYYY-MM-DD")->required();
  cmd->callback([] {
    cli::setExitCode(cli::runAndPrint(
        [](Report& report) { almanac::writeAlmanacDay(report, almanac::choiceOfText(date)); }));
  });
  addZeriCli(app);
}

}  // namespace lumo
