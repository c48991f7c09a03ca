#include "readings/qq_pair.h"

#include "core/text.h"
#include "data/query.h"
#include "data/read_failure.h"
#include "readings/result_line.h"

namespace lumo::readings {
namespace {

bool plausibleQQ(std::string_view number) {
  return number.size() >= 5 && isDigitText(number, 10);
}

}  // namespace

std::optional<PairRefusal> CheckPairInput(std::string_view own, std::string_view other) {
  std::string mine = trimmed(own);
  std::string theirs = trimmed(other);
  if (mine.empty()) return PairRefusal{"请输入自己的QQ号码！", PairField::Own};
  if (!plausibleQQ(mine)) return PairRefusal{"请输入正确的QQ号码！", PairField::Own};
  if (theirs.empty()) return PairRefusal{"请输入对方的QQ号码！", PairField::Other};
  if (!plausibleQQ(theirs)) return PairRefusal{"请输入正确的QQ号码！", PairField::Other};
  return std::nullopt;
}

int DigitSum(std::string_view digits) {
  int sum = 0;
  for (char c : digits)
    if (c >= '0' && c <= '9') sum += c - '0';
  return sum;
}

int PairSum(std::string_view own, std::string_view other) {
  int sum = DigitSum(own) + DigitSum(other);
  return sum > 100 ? sum % 100 : sum;
}

std::string PairQQ(std::string_view own, std::string_view other) {
  std::string pattern = "%," + std::to_string(PairSum(own, other)) + ",%";
  db::ResultSet rows = db::readRows(db::Failure::Reported, db::DbFile::KelBirth,
                                    "select * from QQpd where bihua like ? LIMIT 1", {pattern});
  return rows.empty() ? std::string() : rows.text(0, "intro");
}

}  // namespace lumo::readings
