#include "app/commands.h"

namespace lumo {

void registerGeneratorCommands(CommandRegistry&) {}

}  // namespace lumo
