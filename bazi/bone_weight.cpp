#include "bazi/bone_weight.h"

#include <cmath>

#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

int weightTenths(const char* sql, const std::string& key) {
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::Dream, sql, {key});
  if (rows.empty()) return 0;
  return static_cast<int>(std::lround(db::valueReal(rows.value(0, 0)) * 10));
}

}  // namespace

int boneWeightTenths(const std::string& lunarYear, const std::string& lunarMonth, const std::string& lunarDay,
                     const std::string& hour) {
  return weightTenths("select weight from chenggu1 where year = ?", lunarYear) +
         weightTenths("select weight from chenggu2 where month2 = ?", lunarMonth) +
         weightTenths("select weight from chenggu3 where day2 = ?", lunarDay) +
         weightTenths("select weight from chenggu4 where time = ?", hour);
}

std::string boneWeightKey(int tenths) {
  return std::to_string(tenths / 10) + std::to_string(tenths % 10);
}

std::string readBoneWeight(const std::string& lunarYear, const std::string& lunarMonth,
                           const std::string& lunarDay, int line, const std::string& hour) {
  int tenths = boneWeightTenths(lunarYear, lunarMonth, lunarDay, hour);
  db::ResultSet rows =
      db::readRows(db::Failure::SilentStop, db::DbFile::Dream,
                   "select content, content2 from chenggu where weight = ?", {boneWeightKey(tenths)});
  if (rows.empty()) return {};
  switch (line) {
    case 0: {
      std::string text = "你的骨重为：" + std::to_string(tenths / 10) + "两";
      return tenths % 10 != 0 ? text + std::to_string(tenths % 10) + "钱" : text;
    }
    case 1:
      return "骨重诗评：" + rows.text(0, "content");
    case 2:
      return "骨重解评：" + rows.text(0, "content2");
    default:
      return {};
  }
}

}  // namespace lumo::bazi
