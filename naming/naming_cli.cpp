#include "app/cli_support.h"

namespace lumo {

void addNamingCli(CLI::App&) {}

}  // namespace lumo
