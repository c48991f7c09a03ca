#include "app/commands.h"

namespace lumo {

void registerNamingCommands(CommandRegistry&) {}

}  // namespace lumo
