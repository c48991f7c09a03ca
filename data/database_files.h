#pragma once
// The five reference databases and where they are found.
//
// The files lie in the folder of the running program. LUMO_DATA_DIR, when set, names
// another folder (tests and installed copies use it). Nothing here opens a file.

#include <string>

namespace lumo::db {

enum class DbFile { Voduzid, KelFile, KelBirth, Dream, Tgcode };

// File name as delivered, e.g. "Voduzid.dll".
const char* fileName(DbFile file);

// Folder that holds the databases, ending without a separator.
std::string dataFolder();

// Full path of one database file.
std::string databasePath(DbFile file);

// Overrides the folder for this process (tests); an empty text restores the default.
void setDataFolder(const std::string& folder);

}  // namespace lumo::db
