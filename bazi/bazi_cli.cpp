#include "app/cli_support.h"

namespace lumo {

void addBaziCli(CLI::App&) {}

}  // namespace lumo
