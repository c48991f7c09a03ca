// "黄道吉日" and "本日吉日": each opens a new, empty almanac window beside the main
// window without waiting. The slot holds the newest window; it clears itself when that
// window closes and frees itself. "择吉日" opens the good-day search with the animal of
// the main window's subject, when one was captured.
#include <QPointer>

#include "almanac/almanac_search_window.h"
#include "almanac/almanac_window.h"
#include "core/commands_window.h"
#include "core/main_host_window.h"

namespace lumo {
namespace {

QPointer<TFormHuangdao> g_almanacWindow;

void openAlmanacWindow(MainHost& host) {
  g_almanacWindow = new TFormHuangdao(host.window(), host.subject().zodiac);
  g_almanacWindow->show();
}

void openSearchWindow(MainHost& host) {
  (new TFormZeri(host.window(), host.subject().zodiac))->show();
}

}  // namespace

void registerAlmanacCommands(CommandRegistry& r) {
  r.add("黄道吉日", openAlmanacWindow);
  r.add("本日吉日", openAlmanacWindow);
  r.add("择吉日", openSearchWindow);
}

}  // namespace lumo
