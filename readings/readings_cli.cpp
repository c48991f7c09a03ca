#include "app/cli_support.h"

namespace lumo {

void addReadingsCli(CLI::App&) {}

}  // namespace lumo
