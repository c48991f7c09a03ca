#pragma once
// Surname origins from table `xing`: the list of surnames and the search of one.
//
// Both reads are reported failures (ReportedFailure): the window shows the error and
// stays open. The list comes in GBK byte order of the surnames, the order the Chinese
// collation of the original store gives (pinyin order for the common characters), not
// SQLite's code point order.

#include <string>
#include <vector>

#include "data/query.h"

namespace lumo::naming {

// Every surname of `xing`, trimmed, in GBK order.
std::vector<std::string> SurnameList(db::Connection& connection);

// What a search does to the text pane.
struct OriginSearch {
  enum Action { Clear, Show, Keep } action = Keep;
  std::string text;  // for Show: the origin text, trimmed
};

// The search for a typed surname: an empty (trimmed) text clears the pane; a surname
// without a row leaves the pane as it is; otherwise the first row's `intro` is shown.
OriginSearch SearchOrigin(db::Connection& connection, const std::string& typed);

// The origin text as pane lines (its line breaks split it).
std::vector<std::string> OriginLines(const std::string& text);

}  // namespace lumo::naming
