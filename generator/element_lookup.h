#pragma once
// The element (金 木 水 火 土) of typed characters, as table `word` records it.
//
// The lookup window cuts its input into 2-byte GBK slices, whatever the characters are:
// a slice that straddles two characters finds nothing and adds nothing, so the result
// can be shorter than the input. Database errors are reported (ReportedFailure).

#include <optional>
#include <string>

#include "data/query.h"

namespace lumo::generator {

// Element of one character, found by its simplified or its traditional form; "" when
// the table has none. The character is a bound value, used as given.
std::string ElementOf(db::Connection& connection, const std::string& character);

// The "查看" result: the elements of the five 2-byte slices of the trimmed input, side by
// side. Empty (the result field stays as it was) when the trimmed input is empty.
std::optional<std::string> ElementsOfText(db::Connection& connection, const std::string& input);

}  // namespace lumo::generator
