#pragma once
// Builds the five reference databases from their text sources.
//
// Each file is written as "<name>.building" in one transaction, with a `meta` table that
// records the schema version, and renamed into place only when complete, so a failed
// build never leaves a half-filled database behind.

#include <string>

namespace lumo::dbbuild {

constexpr int kSchemaVersion = 3;

struct BuildOptions {
  std::string sourceFolder;  // resources/db
  std::string outputFolder;  // where the .dll files go
  std::string huangdaoTsv;   // computed almanac days; empty: the table stays empty
};

// Throws std::runtime_error with the reason when a source is malformed.
void buildAll(const BuildOptions& options);

}  // namespace lumo::dbbuild
