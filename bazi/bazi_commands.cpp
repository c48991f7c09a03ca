// The main window's "八字分析" command: capture the subject without the given-name check,
// then write the BaZi report into the report pane.
#include "app/commands.h"
#include "app/main_host.h"
#include "bazi/bazi_report.h"

namespace lumo {

void registerBaziCommands(CommandRegistry& r) {
  r.add("八字分析", [](MainHost& host) {
    if (!host.captureSubject(false)) return;
    db::Report report;
    db::CommandResult result = db::runCommand(report, [&](db::Report& lines) {
      Subject& subject = host.subject();  // a capture that passed has left its moment
      bazi::writeBaziReport(*subject.moment, subject, lines, host.chartOptions());
    });
    host.showReport(report, result);
  });
}

}  // namespace lumo
