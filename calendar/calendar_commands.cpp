// The calendar's command: "万年历法" opens a fresh date picker and waits until it closes.
#include "calendar/date_window.h"
#include "core/commands_window.h"
#include "core/main_host_window.h"

namespace lumo {

void registerCalendarCommands(CommandRegistry& r) {
  r.add("万年历法", [](MainHost& host) {
    TFRM_Date picker(host.window());
    picker.exec();
  });
}

}  // namespace lumo
