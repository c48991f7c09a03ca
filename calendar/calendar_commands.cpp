#include "app/commands.h"

namespace lumo {

void registerCalendarCommands(CommandRegistry&) {}

}  // namespace lumo
