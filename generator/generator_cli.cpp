#include "app/cli_support.h"

namespace lumo {

void addGeneratorCli(CLI::App&) {}

}  // namespace lumo
