#include "readings/number_reading.h"

#include "core/report.h"
#include "core/text.h"
#include "readings/number_table.h"

namespace lumo::readings {

const NumberFormTexts& numberFormTexts(NumberForm form) {
  static const NumberFormTexts qq{"QQ号码测试", "QQ号码：", "qq号码是：", "请输入你的QQ号码！"};
  static const NumberFormTexts any{"任意号码分析", "任意号码：", "输入号码是：", "请输入你的号码！"};
  return form == NumberForm::QQ ? qq : any;
}

std::vector<ResultLine> readNumberForm(NumberForm form, std::string_view fieldText) {
  const NumberFormTexts& texts = numberFormTexts(form);
  std::string number = trimmed(fieldText);
  if (number.empty()) throw Notice(std::string(texts.emptyMessage));
  NumberEntry entry = SplitEntry(ReadNumber(number));
  return {
      {std::string(texts.numberCaption), number},
      {std::string(kStateCaption), entry.verdict},
      {std::string(kLuckCaption), entry.grade},
      {std::string(kDetailCaption), entry.personality},
  };
}

}  // namespace lumo::readings
