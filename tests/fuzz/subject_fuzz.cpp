// The subject capture with its date checks and conversions, and the date parser. Input
// lines: surname, given name, calendar (0 or 1), year, month, day, hour item, minute.
#include "calendar/date_serial.h"
#include "core/report.h"
#include "core/subject.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  std::string_view text = fuzz::textOf(data, size);
  if (auto date = parseDate(text)) fuzz::require(isValidDate(date->year, date->month, date->day));
  auto f = fuzz::fieldsOf(text, '\n', 8);
  PanelInput in;
  in.surname = f[0], in.given = f[1], in.calendarIndex = f[2] == "1" ? 1 : 0;
  in.year = f[3], in.month = f[4], in.day = f[5], in.hour = f[6], in.minute = f[7];
  Subject record;
  try {
    BirthMoment moment = captureSubject(in, record, true);
    // An accepted subject always has its lunar date and animal, and a moment the factory
    // would make too.
    fuzz::require(!record.lunarText.empty() && !record.zodiac.empty());
    fuzz::require(record.moment == moment && withinLunarTable(moment.date()) && moment.lunar().year != 0);
  } catch (const Notice&) {
    fuzz::require(!record.moment);
  } catch (const ReportedFailure&) {
    fuzz::require(!record.moment);
  }
  return 0;
}
