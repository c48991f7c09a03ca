#include "app/commands.h"

namespace lumo {

void registerReadingsCommands(CommandRegistry&) {}

}  // namespace lumo
