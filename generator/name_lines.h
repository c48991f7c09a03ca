#pragma once
// What happens to each generated name: the high-score rule, the padding to 16 GBK bytes
// and the lines of six names.
//
// Names are UTF-8; lengths are GBK bytes, as the all-names pane lines them up in GBK.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "generator/run_output.h"

namespace lumo::generator {

// CBInitFee and Sorcss: whether the high-score list is filled, and from which score on.
// An empty or non-numeric threshold admits no name by its score.
struct HighScoreRule {
  bool enabled = true;
  std::optional<int> threshold = 77;
};

// The threshold of a Sorcss text (trimmed integer), empty when it is not a number.
std::optional<int> ThresholdOf(const std::string& text);

// True when the rule puts the name into the high-score list: any name containing "100",
// or a name whose score (the digits of the two bytes after its first "(") reaches the
// threshold. A one-digit score reads as that digit.
bool IsHighScore(std::string_view name, const HighScoreRule& rule);

// Length in GBK bytes; exact for every text (CJK ideographs are counted without a
// conversion, which keeps the run fast).
std::size_t GbkLength(std::string_view utf8);

// A name of 10 to 15 GBK bytes padded with blanks to 16; other lengths unchanged.
std::string PadName(std::string_view name);

// LineCount and LineText: the names of the current, incomplete line.
class NameLines {
 public:
  // Adds a padded name; returns the finished line when it holds six names.
  std::optional<std::string> add(std::string_view padded);
  // The names waiting in the incomplete line (then empty), or nothing.
  std::optional<std::string> takeIncomplete();
  void reset();
  int count() const { return m_count; }

 private:
  int m_count = 0;
  std::string m_text;
};

// AcceptName: one generated name (trimmed first) into the list, the line and the pane.
void AcceptName(std::string_view name, const HighScoreRule& rule, NameLines& lines, RunOutput& out);

}  // namespace lumo::generator
