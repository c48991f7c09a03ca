// "黄道吉日" and "本日吉日": each opens a new, empty almanac window beside the main
// window without waiting. The slot holds the newest window; it clears itself when that
// window closes and frees itself.
#include <QPointer>

#include "app/commands.h"
#include "app/main_host.h"
#include "readings/almanac_window.h"

namespace lumo {
namespace {

QPointer<TFormHuangdao> g_almanacWindow;

void openAlmanacWindow(MainHost& host) {
  g_almanacWindow = new TFormHuangdao(host.window());
  g_almanacWindow->show();
}

}  // namespace

void registerAlmanacCommands(CommandRegistry& r) {
  r.add("黄道吉日", openAlmanacWindow);
  r.add("本日吉日", openAlmanacWindow);
}

}  // namespace lumo
