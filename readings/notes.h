#pragma once
// Articles of the note table (Noter): title and text by article code.
//
// The code is bound as a parameter, so a code with a quote simply finds nothing. A code
// without a row gives the default title and an empty text; a table that cannot be read
// stops the command silently (CommandStopped).

#include <array>
#include <string>
#include <string_view>

namespace lumo::readings {

inline constexpr std::string_view kNoteDefaultTitle = "算命";

struct NoteArticle {
  bool found = false;
  std::string title{kNoteDefaultTitle};
  std::string content;
};

NoteArticle readNote(std::string_view code);

struct NoteCommand {
  std::string_view caption;  // main window command
  std::string_view code;
};

// The seven note commands of the main window with their article codes.
inline constexpr std::array<NoteCommand, 7> kNoteCommands{{
    {"姓名原理", "a1"},
    {"吉祥名字重要性", "XM012"},
    {"姓名学知识与取名 ", "XM001"},
    {"取名规则", "XM011"},
    {"企业取名规则", "XM013"},
    {"取笔名规则", "XM014"},
    {"取艺名规则", "XM015"},
}};

}  // namespace lumo::readings
