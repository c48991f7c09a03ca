// Grids, 三才 grade, score and number texts over tables word, zh, sancai and 81.
#include "naming/grids.h"

#include "core/report.h"
#include "data/query.h"
#include "data/read_failure.h"
#include "naming/strokes.h"

namespace lumo::naming {

Grids GridNumbers(const std::string& surname, const std::string& given) {
  return GridsOfStrokes(StrokesOfName(surname, given));
}

double SancaiGrade(const std::string& sancai) {
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::KelFile,
                                    "Select djc from sancai where title = ?", {sancai});
  if (rows.empty()) return kNoSancaiPoints;
  return SancaiPointsOfGrade(rows.integer(0, "djc"));
}

namespace {

// The stored score of a stroke combination; 0 for no row, an empty value or an error.
int storedScore(const std::string& surname, const std::string& given) {
  auto slot = [](const std::string& part, int k) {
    return k == 2 && !IsTwoCharacterPart(part) ? 0 : StrokeCount(CharacterAt(part, k));
  };
  std::vector<db::Param> keys{std::int64_t{slot(surname, 1)}, std::int64_t{slot(surname, 2)},
                              std::int64_t{slot(given, 1)}, std::int64_t{slot(given, 2)}};
  db::ResultSet rows = db::readRows(db::Failure::Zero, db::DbFile::Voduzid,
                                    "select zf from zh where bh11 = ? and bh12 = ? and bh21 = ? and bh22 = ? "
                                    "LIMIT 1",
                                    keys);
  return rows.empty() ? 0 : static_cast<int>(rows.integer(0, "zf"));
}

}  // namespace

double NameScore(const std::string& surname, const std::string& given) {
  if (int stored = storedScore(surname, given); stored != 0) return stored;
  Grids grids = GridNumbers(surname, given);
  return ScoreOfGrids(grids, SancaiGrade(SancaiOf(grids)));
}

std::string NumberText(int number, int field) {
  static const char* const kFields[4] = {"yy", "jx", "as", "content"};
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::KelFile,
                                    "Select * from \"81\" where num = ?", {std::int64_t{number}});
  if (rows.empty()) return " ";
  if (field < 0 || field > 3) return "";
  // A table without the column fails like the read itself.
  if (rows.columnIndex(kFields[field]) < 0) throw CommandStopped{};
  return rows.rawText(0, kFields[field]);
}

}  // namespace lumo::naming
