#pragma once
// Stroke counts of characters and the cutting of name parts into characters.
//
// A name part is cut by GBK byte positions, never by the characters' values: a part
// below 3 bytes is one character, otherwise its characters are bytes 1-2 and 3-4. The
// stroke count of a character comes from table `word`: its simplified form (`zi`) first,
// then its traditional form (`ft`); 0 means unknown, and a database error also reads 0.
// Counts are cached per database file and character, as the dictionary never changes
// while the program runs; failed reads are not cached.

#include <string>

#include "naming/grid_math.h"

namespace lumo::naming {

// Stroke count of one character (the text is used as it is, not trimmed).
int StrokeCount(const std::string& character);

// The k-th character (k = 1 or 2) of a name part: GBK bytes 2k-1 and 2k, or "" when the
// part is shorter. A cut through a character yields U+FFFD, which counts 0.
std::string CharacterAt(const std::string& part, int k);

// Bytes 3..6 of a part as one key: the second character as 总格 looks it up.
std::string WideSecondKey(const std::string& part);

// True when the part counts as two characters (3 or more GBK bytes).
bool IsTwoCharacterPart(const std::string& part);

// The stroke counts of a surname and a given name for the grids.
NameStrokes StrokesOfName(const std::string& surname, const std::string& given);

// Benchmarks and tests: turn the per-character cache off, or empty it.
void SetStrokeCacheEnabled(bool enabled);
void ClearStrokeCache();

}  // namespace lumo::naming
