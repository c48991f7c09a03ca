#pragma once
// Loading what the guards of a naming run know from the naming database: the name
// readings and flags of the name set (table word), the surname readings and the common
// surnames (xingdu), the unlucky words (xieyin) and the doubled characters (diezi).

#include <string>

#include "data/query.h"
#include "generator/name_guard.h"

namespace lumo::generator {

// The data of the whole name set. Throws db::DbError like the run's statements.
GuardData LoadGuardData(db::Connection& connection);

// Adds the characters of `text` (a surname, a fixed character) that the data does not
// hold yet, with their common readings.
void AddCharacters(db::Connection& connection, const std::string& text, GuardData& data);

}  // namespace lumo::generator
