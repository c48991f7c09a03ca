#pragma once
// Record files: reports kept as GBK text, one pane line a line.

#include <optional>
#include <string>
#include <vector>

namespace lumo {

// The lines of a GBK text file; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readRecordFile(const std::string& path);

// How a saved report is encoded: GBK with CRLF as the system keeps its records, or UTF-8
// with LF for the editors of Linux desktops.
enum class TextEncoding { Gbk, Utf8 };

struct WriteResult {
  bool ok = false;
  std::string reason;  // why nothing was written, for the error box
};

// Writes the lines as text, completely or not at all. The text goes into a new, uniquely
// named file in the target's folder (created exclusively, so a planted link is never
// followed), is flushed to disk with the folder, and is renamed over the target, which
// keeps its permission bits. In GBK, a line holding a character that GBK cannot encode
// is refused with the characters named; a read-only target and every failing system
// call are refused with the reason; nothing is left behind then.
WriteResult saveRecordFile(const std::string& path, const std::vector<std::string>& lines,
                           TextEncoding encoding = TextEncoding::Gbk);
// The same, true when written.
bool writeRecordFile(const std::string& path, const std::vector<std::string>& lines,
                     TextEncoding encoding = TextEncoding::Gbk);

// The file name to save under: ".txt" appended unless the name already ends in it.
std::string withTxtExtension(const std::string& name);

}  // namespace lumo
