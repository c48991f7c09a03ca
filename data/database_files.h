#pragma once
// The five reference databases and where they are found.
//
// One resolver finds the folder, first match wins:
//   1. LUMO_DATA_DIR, when set and not empty, used as it is (tests and relocated data);
//   2. the folder of the running program, when it holds all five files (the build tree);
//   3. ../share/lumo beside the program's folder, when it holds all five (an installed copy);
//   4. otherwise the program's folder, so that a missing file is reported where a build
//      tree would hold it.
// Nothing here opens a database.

#include <string>

namespace lumo::db {

enum class DbFile { Voduzid, KelFile, KelBirth, Dream, Tgcode };

// File name as delivered, e.g. "Voduzid.dll".
const char* fileName(DbFile file);

// Folder that holds the databases, ending without a separator.
std::string dataFolder();

// The resolver's rule above, for a given environment value and program folder.
std::string resolveDataFolder(const std::string& envFolder, const std::string& programFolder);

// Full path of one database file.
std::string databasePath(DbFile file);

// Overrides the folder for this process (tests); an empty text restores the default.
void setDataFolder(const std::string& folder);

}  // namespace lumo::db
