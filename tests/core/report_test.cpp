// How a command ends: each way of ending gives its outcome, the database's own errors end
// it with their message, and anything else is not taken for a report's ending.
#include "core/report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "data/query.h"

namespace lumo {
namespace {

TEST(RunCommand, EachEndingGivesItsOutcomeAndKeepsTheLines) {
  Report report;
  auto finished = runCommand(report, [](Report& r) { r.add("一"); });
  EXPECT_EQ(finished.outcome, Outcome::Done);
  EXPECT_EQ(finished.message, "");

  auto stopped = runCommand(report, [](Report& r) {
    r.add("二");
    throw CommandStopped{};
  });
  EXPECT_EQ(stopped.outcome, Outcome::Stopped);
  EXPECT_EQ(stopped.message, "");

  auto notice = runCommand(report, [](Report&) { throw Notice("请输入姓氏!"); });
  EXPECT_EQ(notice.outcome, Outcome::Notice);
  EXPECT_EQ(notice.message, "请输入姓氏!");

  auto failed = runCommand(report, [](Report&) { throw ReportedFailure("读不出"); });
  EXPECT_EQ(failed.outcome, Outcome::Failed);
  EXPECT_EQ(failed.message, "读不出");

  EXPECT_EQ(report.lines, (std::vector<std::string>{"一", "二"}));
}

TEST(RunCommand, DatabaseErrorsFailWithTheirMessage) {
  Report report;
  auto result = runCommand(report, [](Report&) { throw db::DbError("no such column: x"); });
  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_EQ(result.message, "no such column: x");
}

TEST(RunCommand, OtherExceptionsPassThrough) {
  Report report;
  EXPECT_THROW(runCommand(report, [](Report&) { throw std::out_of_range("bug"); }), std::out_of_range);
  EXPECT_THROW(runCommand(report, [](Report&) { throw std::runtime_error("bug"); }), std::runtime_error);
}

}  // namespace
}  // namespace lumo
