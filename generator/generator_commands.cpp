// The main window's commands of automatic naming and the element lookup.
#include "core/commands_window.h"
#include "core/main_host_window.h"
#include "core/text.h"
#include "generator/qiming_window.h"
#include "generator/wuxing_window.h"

namespace lumo {
namespace {

// The subject of the last analysis that passed its checks, or nothing before any.
std::optional<NamingStart> startOf(MainHost& host) {
  const Subject& s = host.subject();
  if (trimmed(s.surname).empty() || !s.moment) return std::nullopt;
  return NamingStart{QString::fromStdString(s.surname), *s.moment};
}

}  // namespace

void registerGeneratorCommands(CommandRegistry& r) {
  for (const char* caption : {"起名宝典", "姓名评分", "马上起名"})
    r.add(QString::fromUtf8(caption), [](MainHost& host) { showNamingWindow(host.window(), startOf(host)); });
  r.add(QStringLiteral("文字五行"), [](MainHost& host) { showElementWindow(host.window()); });
}

}  // namespace lumo
