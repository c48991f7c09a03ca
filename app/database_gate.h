#pragma once
// The program's start-up check of the databases and the refusal of the commands that
// need a file that failed it. Plain C++; the windows show the texts.

#include <optional>
#include <string>
#include <vector>

#include "data/database_check.h"

namespace lumo {

// Checks the five files and keeps the problems for refusalFor. Returns the text of the
// error box to show at start: one line per missing or damaged file, and what stays
// unusable; "" when every file is sound.
std::string checkDatabasesAtStart();

// The problems kept by the last check (tests set them directly).
const std::vector<db::FileProblem>& databaseProblems();
void setDatabaseProblems(std::vector<db::FileProblem> problems);

// The error text that refuses the command, or nullopt when every file it reads passed.
std::optional<std::string> refusalFor(const std::string& caption);

}  // namespace lumo
