// The main window's commands of automatic naming and the element lookup.
#include "core/commands.h"
#include "core/main_host.h"
#include "calendar/date_serial.h"
#include "generator/qiming_window.h"
#include "generator/wuxing_window.h"
#include "core/text.h"

namespace lumo {
namespace {

QString padded(const std::string& number) {
  return QString::fromStdString(number).rightJustified(2, '0');
}

// The subject of the last analysis that passed its checks, or nothing before any.
std::optional<NamingStart> startOf(MainHost& host) {
  const Subject& s = host.subject();
  auto date = parseDate(s.gregorianDate);
  if (trimmed(s.surname).empty() || !date) return std::nullopt;
  PanelInput panel = host.panelInput();
  NamingStart start;
  start.surname = QString::fromStdString(s.surname);
  start.sex = QString::fromStdString(trimmed(panel.sex));
  start.year = QString::number(date->year);
  start.month = padded(std::to_string(date->month));
  start.day = padded(std::to_string(date->day));
  start.hour = QString::fromStdString(s.hourText);
  start.minute = padded(trimmed(panel.minute));
  return start;
}

}  // namespace

void registerGeneratorCommands(CommandRegistry& r) {
  for (const char* caption : {"起名宝典", "姓名评分", "马上起名"})
    r.add(QString::fromUtf8(caption), [](MainHost& host) { showNamingWindow(host.window(), startOf(host)); });
  r.add(QStringLiteral("文字五行"), [](MainHost& host) { showElementWindow(host.window()); });
}

}  // namespace lumo
