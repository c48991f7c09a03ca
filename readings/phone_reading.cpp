#include "readings/phone_reading.h"

#include "core/report.h"
#include "core/text.h"
#include "data/query.h"
#include "data/read_failure.h"

namespace lumo::readings {

std::string shoujiinfostr(std::string_view number) {
  std::string digits = trimmed(number);
  if (digits.empty()) throw Notice(std::string(kPhoneEmpty));
  if (!isDigitText(digits, kPhoneFieldLength)) throw Notice(std::string(kPhoneNotDigits));
  if (digits.size() < 8) throw Notice(std::string(kPhoneTooShort));
  int value = 0;
  for (char c : std::string_view(digits).substr(7)) value = value * 10 + (c - '0');
  return std::to_string(value % 80);
}

std::string phoneTooShortMessage(std::size_t digits) {
  return "手机号码是11位，您只输入了" + std::to_string(digits) + "位：请输入完整的11位手机号码。";
}

std::vector<ResultLine> readPhone(std::string_view fieldText) {
  std::string number = trimmed(fieldText);
  // From eight digits on a key could be formed, but it would read a number that is not a phone's.
  if (isDigitText(number, kPhoneFieldLength) && number.size() < static_cast<std::size_t>(kPhoneFieldLength))
    throw Notice(phoneTooShortMessage(number.size()));
  std::string key = shoujiinfostr(number);
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::Dream,
                                    "select title,jx,content from shouji where num = ?", {key});
  std::vector<ResultLine> lines{{std::string(kPhoneNumberCaption), number},
                                {std::string(kStateCaption), {}},
                                {std::string(kLuckCaption), {}},
                                {std::string(kDetailCaption), {}}};
  if (!rows.empty())
    for (std::size_t column = 0; column < 3; ++column) lines[column + 1].value = rows.text(0, column);
  return lines;
}

}  // namespace lumo::readings
