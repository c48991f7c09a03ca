#pragma once
// Table `zh`: the score of every stroke combination, computed from the scoring code.

struct sqlite3;

namespace lumo::dbbuild {

// Fills `zh` of the naming database; the 三才 grades are read from the numerology
// database at kelFilePath, which is built first.
void buildZhTable(sqlite3* voduzid, const char* kelFilePath);

}  // namespace lumo::dbbuild
