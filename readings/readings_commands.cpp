// The main window's reading commands: number, pairing, phone and net-name windows
// (fresh or new modal), note and omen windows (modeless) and the boy-or-girl chart.
#include "core/commands_window.h"
#include "core/main_host_window.h"
#include "readings/gender_window.h"
#include "readings/netname_window.h"
#include "readings/note_window.h"
#include "readings/notes.h"
#include "readings/number_window.h"
#include "readings/omen_window.h"
#include "readings/omens.h"
#include "readings/open_window.h"
#include "readings/pair_window.h"
#include "readings/phone_window.h"
#include "readings/result_group_window.h"

namespace lumo {

void registerReadingsCommands(CommandRegistry& r) {
  using namespace readings;
  r.add("QQ缘分配对", [](MainHost& host) { openNewModal<TFormQQpeidui>(host.window()); });
  r.add("QQ号码分析", [](MainHost& host) { openFreshModal<TFrmQQhm>(host.window()); });
  for (const char* caption : {"更多数字分析", "数字分析"})
    r.add(caption, [](MainHost& host) { openFreshModal<TFrm_onther>(host.window()); });
  for (const char* caption : {"手机号码分析", "手机分析"})
    r.add(caption, [](MainHost& host) { openFreshModal<TFrm_SJcs>(host.window()); });
  r.add("网名分析", [](MainHost& host) { openFreshModal<TFrmWangming>(host.window()); });
  r.add("生男生女", [](MainHost& host) { openFreshModal<TFrm_NanNv>(host.window()); });
  for (const NoteCommand& note : kNoteCommands) {
    QString code = qs(note.code);
    r.add(qs(note.caption), [code](MainHost& host) { ShowNote(code, host.window()); });
  }
  for (const OmenCommand& omen : kOmenCommands) {
    QString caption = qs(omen.caption);
    int page = omen.page;
    r.add(qs(omen.command), [caption, page](MainHost& host) { ShowOmen(caption, page, host.window()); });
  }
}

}  // namespace lumo
