#include "app/database_gate.h"

#include <algorithm>

#include "app/database_needs.h"

namespace lumo {
namespace {

std::vector<db::FileProblem> g_problems;

}  // namespace

std::string checkDatabasesAtStart() {
  g_problems = db::checkDatabaseFiles(db::allDatabaseFiles());
  if (g_problems.empty()) return {};
  std::string text;
  for (const auto& problem : g_problems) text += db::describe(problem) + "\n";
  return text + "\n需要这些文件的功能将无法使用，请重新安装本软件。";
}

const std::vector<db::FileProblem>& databaseProblems() {
  return g_problems;
}
void setDatabaseProblems(std::vector<db::FileProblem> problems) {
  g_problems = std::move(problems);
}

std::optional<std::string> refusalFor(const std::string& caption) {
  std::vector<db::DbFile> needed = filesNeededByCommand(caption);
  for (const auto& problem : g_problems)
    if (std::find(needed.begin(), needed.end(), problem.file) != needed.end())
      return db::describe(problem) + "\n此功能无法使用。";
  return std::nullopt;
}

}  // namespace lumo
