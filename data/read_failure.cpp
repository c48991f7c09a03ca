#include "data/read_failure.h"

namespace lumo::db {
namespace {

template <class Run>
ResultSet guarded(Failure mode, Run&& run) {
  try {
    return run();
  } catch (const DbError& error) {
    switch (mode) {
      case Failure::Zero:
      case Failure::Empty: return {};
      case Failure::SilentStop: throw CommandStopped{};
      case Failure::Reported: throw ReportedFailure(error.what());
    }
    throw;
  }
}

}  // namespace

ResultSet readRows(Failure mode, DbFile file, std::string_view sql, const std::vector<Param>& params) {
  return guarded(mode, [&] { return runQuery(file, sql, params); });
}

ResultSet readRows(Failure mode, Connection& connection, std::string_view sql,
                   const std::vector<Param>& params) {
  return guarded(mode, [&] { return connection.run(sql, params); });
}

CommandResult runCommand(Report& report, const std::function<void(Report&)>& body) {
  try {
    body(report);
    return {};
  } catch (const CommandStopped&) {
    return {Outcome::Stopped, {}};
  } catch (const Notice& notice) {
    return {Outcome::Notice, notice.what()};
  } catch (const ReportedFailure& failure) {
    return {Outcome::Failed, failure.what()};
  } catch (const DbError& error) {
    return {Outcome::Failed, error.what()};
  }
}

}  // namespace lumo::db
