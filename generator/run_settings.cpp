#include "generator/run_settings.h"

#include "core/text.h"

namespace lumo::generator {

bool RunSettings::automatic() const {
  return trimmed(schemeText) == kAutomaticScheme;
}

void LiveSettings::publish(RunSettings settings) {
  std::lock_guard lock(m_mutex);
  m_settings = std::move(settings);
}

RunSettings LiveSettings::snapshot() const {
  std::lock_guard lock(m_mutex);
  return m_settings;
}

HighScoreRule LiveSettings::highScoreRule() const {
  std::lock_guard lock(m_mutex);
  return m_settings.high;
}

}  // namespace lumo::generator
