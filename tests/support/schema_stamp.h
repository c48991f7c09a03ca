#pragma once
// The `meta` row that marks a fixture database as being of the schema this program reads,
// so that the start-up check of lumo-cli accepts the fixture folder.

#include <string>

#include "tools/dbbuild/builder.h"

namespace lumo::testing {

inline std::string schemaStampSql() {
  return "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT);"
         "INSERT OR REPLACE INTO meta VALUES ('schema_version', '" +
         std::to_string(dbbuild::kSchemaVersion) + "');";
}

}  // namespace lumo::testing
