#include "bazi/stem_lookup.h"

#include "core/text.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

std::string firstText(std::string_view sql, std::string key) {
  db::ResultSet rows = db::readRows(db::Failure::Empty, db::DbFile::Tgcode, sql, {std::move(key)});
  return rows.empty() ? std::string() : rows.text(0, 0);
}

}  // namespace

std::string lookupTenGod(std::string_view key) {
  return firstText("select ShiShen from Shishen where jiazi = ? limit 1", std::string(key));
}

std::string lookupNayin(std::string_view pillar) {
  return firstText("select layin from jiazi where jiazi = ? limit 1", trimmed(pillar));
}

std::string lookupElement(std::string_view character) {
  std::string c = trimmed(character);
  if (c.empty()) return {};
  // The character is matched literally: a '%' or '_' in it is no wildcard.
  std::string pattern = "%";
  for (char ch : c) {
    if (ch == '%' || ch == '_' || ch == '\\') pattern += '\\';
    pattern += ch;
  }
  pattern += '%';
  return firstText("select wh from hzwh where hz like ? escape '\\' limit 1", pattern);
}

}  // namespace lumo::bazi
