// lumo-cli qq / number / pair / phone / netname / note / omen: the readings of the
// number, phone, net-name, note and omen windows, one shown line per output line.
#include <memory>

#include "core/cli_support.h"
#include "core/text.h"
#include "readings/letters.h"
#include "readings/notes.h"
#include "readings/number_reading.h"
#include "readings/omens.h"
#include "readings/phone_reading.h"
#include "readings/qq_pair.h"

namespace lumo {
namespace {

using readings::ResultLine;

void addLines(Report& report, const std::vector<ResultLine>& lines) {
  for (const auto& line : lines) report.add(line.joined());
}

// Adds a subcommand with one positional text argument and a body over it.
void addTextCommand(CLI::App& app, const char* name, const char* help, const char* argument,
                    std::function<void(Report&, const std::string&)> body) {
  auto* command = app.add_subcommand(name, help);
  auto value = std::make_shared<std::string>();
  command->add_option(argument, *value, argument)->required();
  command->callback(
      [value, body] { cli::setExitCode(cli::runAndPrint([&](Report& r) { body(r, *value); })); });
}

void addPairCli(CLI::App& app) {
  auto* command = app.add_subcommand("pair", "pairing of two QQ numbers (QQ缘分配对)");
  auto own = std::make_shared<std::string>();
  auto other = std::make_shared<std::string>();
  command->add_option("OWN", *own, "own QQ number")->required();
  command->add_option("OTHER", *other, "the other QQ number")->required();
  command->callback([own, other] {
    cli::setExitCode(cli::runAndPrint([&](Report& r) {
      if (auto refusal = readings::CheckPairInput(*own, *other)) throw Notice(refusal->message);
      r.add(readings::PairQQ(trimmed(*own), trimmed(*other)));
    }));
  });
}

void printNote(Report& r, const std::string& code) {
  readings::NoteArticle article = readings::readNote(code);
  r.add(article.title);
  if (article.content.empty()) return;
  std::string_view text = article.content;
  while (true) {
    auto end = text.find('\n');
    r.add(std::string(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

void printOmen(Report& r, const std::string& pageText) {
  if (!readings::isDigitText(pageText, 1) || pageText[0] > '6') throw Notice("页码只能是0到6！");
  int page = pageText[0] - '0';
  r.add(std::string(readings::kOmenCommands[page].caption));
  std::string_view text = readings::omenPageText(page);
  while (true) {
    auto end = text.find('\n');
    r.add(std::string(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  r.add(std::string(readings::omenNoteText()));
}

}  // namespace

void addReadingsCli(CLI::App& app) {
  addTextCommand(app, "qq", "QQ number reading (QQ号码测试)", "NUMBER", [](Report& r, const std::string& v) {
    addLines(r, readings::readNumberForm(readings::NumberForm::QQ, v));
  });
  addTextCommand(app, "number", "any-number reading (任意号码分析)", "NUMBER",
                 [](Report& r, const std::string& v) {
                   addLines(r, readings::readNumberForm(readings::NumberForm::Any, v));
                 });
  addPairCli(app);
  addTextCommand(app, "phone", "mobile phone number reading (手机号码测算)", "NUMBER",
                 [](Report& r, const std::string& v) { addLines(r, readings::readPhone(v)); });
  addTextCommand(app, "netname", "net-name personality (网名与性格)", "NAME",
                 [](Report& r, const std::string& v) { addLines(r, readings::ReadNetName(v)); });
  addTextCommand(app, "note", "note article by code (a1, XM001, XM011..XM015)", "CODE", printNote);
  addTextCommand(app, "omen", "omen page 0..6 with its note", "PAGE", printOmen);
}

}  // namespace lumo
