#pragma once
// Which database files each command reads, so that a command whose file is missing or
// damaged is refused before it starts instead of writing a report without its data.
// A command that is not listed is taken to need all five files.

#include <string_view>
#include <vector>

#include "data/database_files.h"

namespace lumo {

// A main-window command by its caption (menu, button or left-column text).
std::vector<db::DbFile> filesNeededByCommand(std::string_view caption);
// A lumo-cli subcommand by its name.
std::vector<db::DbFile> filesNeededBySubcommand(std::string_view name);

}  // namespace lumo
