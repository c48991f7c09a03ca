#include "tools/dbbuild/zh_table.h"

namespace lumo::dbbuild {

void buildZhTable(sqlite3*, const char*) {}

}  // namespace lumo::dbbuild
