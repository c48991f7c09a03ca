#pragma once
// The shell's own commands (新建测算, 打开记录, 关于 …) and the one place that registers
// every folder's commands: the shell sits on top and knows every feature folder.

#include "core/commands_window.h"

namespace lumo {

void registerShellCommands(CommandRegistry& registry);

inline void registerAllCommands() {
  auto& r = CommandRegistry::instance();
  registerShellCommands(r);
  registerCalendarCommands(r);
  registerNamingCommands(r);
  registerBaziCommands(r);
  registerGeneratorCommands(r);
  registerReadingsCommands(r);
  registerAlmanacCommands(r);
}

}  // namespace lumo
