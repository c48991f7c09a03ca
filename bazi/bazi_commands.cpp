#include "app/commands.h"

namespace lumo {

void registerBaziCommands(CommandRegistry&) {}

}  // namespace lumo
