#include <iostream>

#include "core/cli_support.h"

namespace lumo {

void addSubjectCli(CLI::App& app) {
  auto* cmd = app.add_subcommand("subject", "capture the subject and print its record");
  static std::string surname, given;
  static cli::BirthOptions birth;
  cmd->add_option("--surname", surname, "surname");
  cmd->add_option("--given", given, "given name");
  cli::addBirthOptions(*cmd, birth, true);
  cmd->callback([cmd] {
    (void)cmd;
    cli::setExitCode(cli::runAndPrint([](Report& report) {
      Subject subject;
      captureSubject(cli::panelInputOf(surname, given, birth), subject, true);
      report.add("surname: " + subject.surname);
      report.add("given: " + subject.given);
      report.add("gregorian: " + subject.gregorianDate);
      report.add("lunar: " + subject.lunarText);
      report.add("zodiac: " + subject.zodiac);
      report.add("star sign: " + subject.starSign);
    }));
  });
}

}  // namespace lumo
