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

// Writes the lines as text, completely or not at all (a temporary file renamed into
// place). Returns false, leaving no file behind, when writing fails.
bool writeRecordFile(const std::string& path, const std::vector<std::string>& lines,
                     TextEncoding encoding = TextEncoding::Gbk);

// The file name to save under: ".txt" appended unless the name already ends in it.
std::string withTxtExtension(const std::string& name);

}  // namespace lumo
