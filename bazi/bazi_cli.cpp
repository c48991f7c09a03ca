// lumo-cli bazi: the BaZi report of a birth moment, line for line as the report pane shows it.
#include "bazi/bazi_report.h"
#include "core/cli_support.h"

namespace lumo {

void addBaziCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("bazi", "print the BaZi report of a surname and a birth moment");
  static std::string surname, pdf;
  static cli::BirthOptions birth;
  static bazi::ChartOptions chart;
  cmd->add_option("surname", surname, "surname")->required();
  cli::addBirthOptions(*cmd, birth, true);
  cmd->add_option("--place", chart.place, "birthplace: a city, or province and city (\"新疆 乌鲁木齐\")");
  cmd->add_flag("--solar-time", chart.solarTime,
                "chart the day and hour by the birthplace's true solar time");
  cmd->add_flag("--precise-terms", chart.preciseTerms, "take the 节 at their true moments");
  cmd->add_flag("--zi-midnight", chart.ziMidnight, "the day turns at 0:00; 23:00-23:59 is the late 子 hour");
  cli::addPdfOption(*cmd, pdf);
  cmd->callback([] {
    cli::setExitCode(cli::runPrintAndExport(
        [](Report& report) {
          Subject subject;
          bazi::showBaziReport(cli::panelInputOf(surname, "", birth), subject, report, chart);
        },
        pdf));
  });
}

}  // namespace lumo
