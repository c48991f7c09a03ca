// lumo-cli bazi: the BaZi report of a birth moment, line for line as the report pane shows it.
#include "app/cli_support.h"
#include "bazi/bazi_report.h"

namespace lumo {

void addBaziCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("bazi", "print the BaZi report of a surname and a birth moment");
  static std::string surname, pdf;
  static cli::BirthOptions birth;
  cmd->add_option("surname", surname, "surname")->required();
  cli::addBirthOptions(*cmd, birth, true);
  cli::addPdfOption(*cmd, pdf);
  cmd->callback([] {
    cli::setExitCode(cli::runPrintAndExport([](db::Report& report) {
      Subject subject;
      bazi::showBaziReport(cli::panelInputOf(surname, "", birth), subject, report);
    }, pdf));
  });
}

}  // namespace lumo
