#include "core/commands_window.h"

namespace lumo {

CommandRegistry& CommandRegistry::instance() {
  static CommandRegistry registry;
  return registry;
}

void CommandRegistry::add(const QString& caption, CommandAction action) {
  m_actions[caption] = std::move(action);
}

const CommandAction* CommandRegistry::find(const QString& caption) const {
  auto it = m_actions.find(caption);
  return it == m_actions.end() ? nullptr : &it->second;
}

}  // namespace lumo
