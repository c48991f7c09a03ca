#pragma once
// The naming window's options as a run reads them.
//
// A run reads the options when it builds a statement (the chosen scheme once at its
// start, each automatic group just before it is opened) and the high-score rule at each
// name, as the window's controls stand at that moment. The GUI thread publishes a fresh
// copy whenever a control changes; the worker takes copies under the lock, so it never
// touches a widget.

#include <mutex>
#include <string>
#include <vector>

#include "generator/name_lines.h"
#include "generator/name_quality.h"
#include "generator/naming_options.h"
#include "generator/scheme_entry.h"

namespace lumo::generator {

struct RunSettings {
  NamingOptions options;
  std::string schemeText = kAutomaticScheme;  // CBCode's current text
  std::vector<std::string> schemes;           // CBCode's items after "电脑全自动"
  HighScoreRule high;
  ElementNeed need;                // the child's elements for the recommended list; empty when unknown
  Classic classic = Classic::Any;  // the work the recommended names come from

  bool automatic() const;
};

class LiveSettings {
 public:
  LiveSettings() = default;
  explicit LiveSettings(RunSettings settings) : m_settings(std::move(settings)) {}

  void publish(RunSettings settings);
  RunSettings snapshot() const;
  HighScoreRule highScoreRule() const;

 private:
  mutable std::mutex m_mutex;
  RunSettings m_settings;
};

}  // namespace lumo::generator
