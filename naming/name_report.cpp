// Birth header and report body of the name analysis.
#include "naming/name_report.h"

#include "calendar/clock.h"
#include "calendar/date_serial.h"
#include "core/report.h"
#include "data/query.h"
#include "data/read_failure.h"
#include "naming/character_facts.h"
#include "naming/character_info.h"
#include "naming/grids.h"

namespace lumo::naming {

const char* const kNameSeparator = "<-----------------------名字分析内容分隔线----------------------------->";
const char* const kWindowClosingLine =
    "<-----------------------以上分析内容只作参考----------------------------->";
const char* const kMainClosingLine =
    "<-----------------------姓名详解到此结束，名字好坏还须结合八字命理----------------------------->";

void BirthHeader(const Subject& s, const BirthMoment& moment, Report& report) {
  std::string formatted = formatDate(moment.date());
  int age = today().year - moment.date().year;
  report.add(s.surname + s.given + ",您今年:" + std::to_string(age) + "岁");
  report.add("您出生公历: " + formatted.substr(0, 4) + "年" + formatted.substr(5, 2) + "月" +
             formatted.substr(8, 2) + "日" + hourNumberText(s.hourText) + "点" + s.minuteText + "分");
  report.add("农历:" + s.lunarText);
  report.add("生肖:" + s.zodiac);
  report.add("星座:" + s.starSign);
}

namespace {

struct GridLine {
  Grid grid;
  const char* name;
  const char* heading;  // the text after "【<name>n的解析】"
};

const GridLine kGridLines[5] = {
    {kTian, "天格", "：天格数是先祖留传下来的，其数理对人影响不大。"},
    {kRen, "人格", "：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {kDi, "地格", "：地格数又称前运，影响人生（49岁）以前的命运。"},
    {kZong, "总格", "：总格又称后运，影响人生（50岁）以后的命运。 "},
    {kWai, "外格", "：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
};

void sancaiSection(const std::string& sancai, Report& report) {
  db::ResultSet rows = db::readRows(db::Failure::Reported, db::DbFile::KelFile,
                                    "Select * from sancai2009 where title = ? LIMIT 1", {sancai});
  if (rows.empty()) return;
  auto field = [&](const char* column) { return rows.text(0, column); };
  report.add(kNameSeparator);
  report.add("【三才数理分析】：您的姓名三才配置为：" + sancai +
             "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
  report.add(field("yy"));
  report.add("【对基础运的影响】：" + field("jcy") + field("jx1"));
  report.add("【对成功运的影响】：" + field("cgy") + field("jx2"));
  report.add("【对人际关系的影响】：" + field("rjgx") + field("jx3"));
  report.add("【对性格的影响】：" + field("xg"));
}

// One line per character after the closing line: what a parent asks first about a name.
void characterSection(const std::string& surname, const std::string& given, Report& report) {
  report.add("");
  report.add("【名字用字】");
  for (CharFacts f : surnameFacts(surname)) {
    f.gloss = "姓氏";  // in a name the surname is read as the surname, whatever else it means
    report.add(characterMeaningLine(f));
  }
  for (const std::string& c : charactersOf(given)) report.add(characterMeaningLine(readCharFacts(c)));
}

}  // namespace

void NameReport(const std::string& surname, const std::string& given, const std::string& closingLine,
                Report& report) {
  Grids grids = GridNumbers(surname, given);
  std::string sancai = SancaiOf(grids);
  double value = NameScore(surname, given);
  std::string score = ScoreText(value);
  report.add("综合评分: " + score + "分");
  report.add(kNameSeparator);
  for (const GridLine& g : kGridLines) {
    int n = grids[g.grid];
    report.add(std::string("【") + g.name + std::to_string(n) + "的解析】" + g.heading);
    report.add(NumberText(n, 0) + NumberText(n, 1));
  }
  sancaiSection(sancai, report);
  report.add(kNameSeparator);
  for (const GridLine& g : kGridLines) {
    int n = grids[g.grid];
    report.add(std::string("【") + g.name + std::to_string(n) + "数理暗示】：");
    report.add(NumberText(n, 2));
  }
  report.add(kNameSeparator);
  report.add(Verdict(value));
  report.add("【系统综合评分】: " + score + "分");
  report.add("");
  report.add(closingLine);
  characterSection(surname, given, report);
}

void AnalyseName(const PanelInput& input, Subject& record, const std::string& closingLine, Report& report) {
  BirthMoment moment = captureSubject(input, record, true);
  BirthHeader(record, moment, report);
  NameReport(record.surname, record.given, closingLine, report);
}

}  // namespace lumo::naming
