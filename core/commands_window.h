#pragma once
// The command table of the main window: every menu, header, left-column and bottom-strip
// caption maps to at most one action. Feature folders add their actions at startup; the
// main window shows a caption without an action disabled, never as a silent button.

#include <QString>
#include <functional>
#include <map>

namespace lumo {

class MainHost;
using CommandAction = std::function<void(MainHost&)>;

class CommandRegistry {
 public:
  static CommandRegistry& instance();
  void add(const QString& caption, CommandAction action);
  const CommandAction* find(const QString& caption) const;

 private:
  std::map<QString, CommandAction> m_actions;
};

// Each feature folder's window library registers its commands here; the shell calls them
// all at startup (app/shell_commands.h).
void registerCalendarCommands(CommandRegistry& registry);
void registerNamingCommands(CommandRegistry& registry);
void registerBaziCommands(CommandRegistry& registry);
void registerGeneratorCommands(CommandRegistry& registry);
void registerReadingsCommands(CommandRegistry& registry);
void registerAlmanacCommands(CommandRegistry& registry);

}  // namespace lumo
