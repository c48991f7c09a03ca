#include "core/report.h"

namespace lumo {

CommandResult runCommand(Report& report, const std::function<void(Report&)>& body) {
  try {
    body(report);
    return {};
  } catch (const CommandStopped&) {
    return {Outcome::Stopped, {}};
  } catch (const Notice& notice) {
    return {Outcome::Notice, notice.what()};
  } catch (const CommandFailure& failure) {
    return {Outcome::Failed, failure.what()};
  }
}

}  // namespace lumo
