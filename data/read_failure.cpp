#include "data/read_failure.h"

#include "core/report.h"

namespace lumo::db {
namespace {

// `file` names the database in the message of a damaged one ("" for a window's connection).
template <class Run>
ResultSet guarded(Failure mode, const char* file, Run&& run) {
  try {
    return run();
  } catch (const DbError& error) {
    if (error.damagedData()) throw ReportedFailure(damagedDataMessage(file, error.what()));
    switch (mode) {
      case Failure::Zero:
      case Failure::Empty:
        return {};
      case Failure::SilentStop:
        throw CommandStopped{};
      case Failure::Reported:
        throw ReportedFailure(error.what());
    }
    throw;
  }
}

}  // namespace

std::string damagedDataMessage(const std::string& file, const std::string& reason) {
  std::string name = file.empty() ? std::string("数据库文件") : "数据库文件 " + file + " ";
  return name + "缺失或已损坏：" + reason;
}

void reportIfDamaged(DbFile file, const DbError& error) {
  if (error.damagedData()) throw ReportedFailure(damagedDataMessage(fileName(file), error.what()));
}

ResultSet readRows(Failure mode, DbFile file, std::string_view sql, const std::vector<Param>& params) {
  return guarded(mode, fileName(file), [&] { return runQuery(file, sql, params); });
}

ResultSet readRows(Failure mode, Connection& connection, std::string_view sql,
                   const std::vector<Param>& params) {
  return guarded(mode, "", [&] { return connection.run(sql, params); });
}

}  // namespace lumo::db
