// lumo-cli generate and wuxing: the naming run and the element lookup, printed line for
// line as the windows show them.
#include <memory>

#include "core/cli_support.h"
#include "core/text.h"
#include "generator/classic_names.h"
#include "generator/element_lookup.h"
#include "generator/field_checks.h"
#include "generator/generate_command.h"

namespace lumo {
namespace {

using namespace generator;

struct GenerateFlags {
  std::string surname, sex = "男", form = "双字名", fixed, elements, scheme = kAutomaticScheme;
  std::string min = "70", high = "77", source = "不限";
  std::size_t recommend = 0;
  bool birthGiven = false;
  cli::BirthOptions birth;
};

// The birth moment as the BaZi report reads it: checked and, for a lunar date, converted
// by the same capture as the main window's (a bad date is its notice).
BirthMoment birthMomentOf(const GenerateFlags& f) {
  PanelInput in = cli::panelInputOf(f.surname.empty() ? "-" : f.surname, "", f.birth);
  in.sex = f.sex;
  Subject subject;
  return captureSubject(in, subject, false);
}

std::string validateFixed(const std::string& text) {
  if (text.size() < 2 || (text[0] != '2' && text[0] != '3') || text[1] != ':')
    return "expected 2:CHAR or 3:CHAR";
  return {};
}

std::string validateElements(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); i += 3) {
    bool known = false;
    for (const char* e : kElements) known = known || text.compare(i, 3, e) == 0;
    if (!known) return "only the characters 金木水火土";
  }
  return {};
}

GenerateRequest requestOf(const GenerateFlags& f) {
  GenerateRequest r;
  NamingOptions& o = r.list.naming;
  o.surname = trimmed(clipToGbkBytes(f.surname, 4));
  o.sex = f.sex == "女" ? Sex::Female : Sex::Male;
  o.form = f.form == "单字名" ? NameForm::Single : NameForm::Double;
  if (!f.fixed.empty() && o.form == NameForm::Double) {
    o.fixedTicked = true;
    o.fixedPlace = f.fixed[0] == '3' ? FixedPlace::Third : FixedPlace::Second;
    o.fixedChar = trimmed(clipToGbkBytes(trimmed(f.fixed.substr(2)), 2));
  }
  for (std::size_t i = 0; i < kElements.size(); ++i)
    o.elements[i] = f.elements.find(kElements[i]) != std::string::npos;
  r.list.minTicked = f.min != "none";
  if (r.list.minTicked) r.list.minScore = trimmed(checkedMinScore(f.min));
  r.scheme = f.scheme;
  r.high.enabled = f.high != "none";
  r.high.threshold = ThresholdOf(checkedThreshold(f.high));
  r.recommend = f.recommend;
  r.source = ClassicOf(f.source).value_or(Classic::Any);
  if (f.birthGiven) r.birth = birthMomentOf(f);
  return r;
}

void addGenerate(CLI::App& app) {
  auto flags = std::make_shared<GenerateFlags>();
  auto* cmd = app.add_subcommand("generate", "stroke schemes, generated names and the high scorers");
  cmd->add_option("surname", flags->surname, "the surname")->required();
  cmd->add_option("--sex", flags->sex, "男 or 女")->check(CLI::IsMember({"男", "女"}));
  cmd->add_option("--form", flags->form, "双字名 or 单字名")->check(CLI::IsMember({"双字名", "单字名"}));
  cmd->add_option("--fixed", flags->fixed, "fixed character: 2:CHAR (first given) or 3:CHAR (second)")
      ->check(CLI::Validator(validateFixed, "2|3:CHAR"));
  cmd->add_option("--elements", flags->elements, "element boxes ticked, e.g. 金水")
      ->check(CLI::Validator(validateElements, "金木水火土"));
  cmd->add_option("--scheme", flags->scheme, "a scheme entry such as 12|8-10(85分), or 电脑全自动");
  cmd->add_option("--min", flags->min, "minimum scheme score, or none");
  cmd->add_option("--high", flags->high, "threshold of the high-score list, or none");
  cmd->add_option("--recommend", flags->recommend, "also print the N best names with their explanation");
  cmd->add_option("--source", flags->source, "where the recommended names come from: 不限, 诗经 or 楚辞")
      ->check(CLI::IsMember({"不限", "诗经", "楚辞"}));
  cli::addBirthOptions(*cmd, flags->birth, false);
  cmd->callback([flags, cmd] {
    flags->birthGiven = cmd->count("--date") > 0;
    cli::setExitCode(cli::runAndPrint([&](Report& r) { generateReport(requestOf(*flags), r); }));
  });
}

void addWuxing(CLI::App& app) {
  auto text = std::make_shared<std::string>();
  auto* cmd = app.add_subcommand("wuxing", "the elements of up to five characters");
  cmd->add_option("text", *text, "up to five characters")->required();
  cmd->callback([text] {
    cli::setExitCode(cli::runAndPrint([&](Report& r) {
      db::Connection connection(db::DbFile::Voduzid);
      auto result = ElementsOfText(connection, clipToGbkBytes(*text, 10));
      r.add(clipToGbkBytes(result.value_or(""), 10));
    }));
  });
}

void addExplain(CLI::App& app) {
  auto names = std::make_shared<std::pair<std::string, std::string>>();
  auto* cmd = app.add_subcommand("explain", "the characters, reading and tones of one name");
  cmd->add_option("surname", names->first, "the surname")->required();
  cmd->add_option("given", names->second, "the given name")->required();
  cmd->callback([names] {
    cli::setExitCode(cli::runAndPrint([&](Report& r) { explainReport(names->first, names->second, r); }));
  });
}

}  // namespace

void addGeneratorCli(CLI::App& app) {
  addGenerate(app);
  addExplain(app);
  addWuxing(app);
}

}  // namespace lumo
