// lumo-cli and lumo as programs: --version, --help, and --pdf over the built databases.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "tests/support/pdf_text.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;
using testing::shellQuoted;
using testing::shellRun;

const std::string kCli = shellQuoted(LUMO_CLI_PATH);

// The first `count` characters of a UTF-8 line.
std::string head(const std::string& line, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count && end < line.size(); ++i) {
    ++end;
    while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) ++end;
  }
  return line.substr(0, end);
}

TEST(ProgramVersion, BothProgramsPrintTheVersion) {
  auto cli = shellRun(kCli + " --version");
  EXPECT_EQ(cli.status, 0);
  EXPECT_EQ(cli.out, "lumo-cli " LUMO_VERSION "\n");
  // No display is needed: the answer comes before Qt starts.
  auto gui = shellRun("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= " + shellQuoted(LUMO_GUI_PATH) +
                      " --version");
  EXPECT_EQ(gui.status, 0);
  EXPECT_EQ(gui.out, "lumo " LUMO_VERSION "\n");
}

TEST(CliHelp, ListsEverySubcommandWithAOneLineDescription) {
  auto help = shellRun(kCli + " --help");
  EXPECT_EQ(help.status, 0);
  for (const char* name :
       {"calendar", "subject", "strokes", "name", "sancai", "origin", "bazi", "generate", "wuxing", "month",
        "almanac", "qq", "number", "pair", "phone", "netname", "note", "omen"}) {
    std::regex row("\\n +" + std::string(name) + " +\\S[^\\n]*\\n");
    EXPECT_TRUE(std::regex_search(help.out, row)) << name << " missing from:\n" << help.out;
  }
}

class CliPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("lumo_cli_pdf_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // Runs lumo-cli with the arguments and --pdf; returns its output lines and the PDF's text.
  std::pair<std::vector<std::string>, std::string> exportPdf(const std::string& arguments,
                                                             int expectedStatus = 0) {
    std::string pdf = (m_dir / "report.pdf").string();
    auto run =
        shellRun(kCli + " --today 2026-06-01 " + arguments + " --pdf " + shellQuoted(pdf) + " 2>/dev/null");
    EXPECT_EQ(run.status, expectedStatus);
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);)
      if (line.find_first_not_of(' ') != std::string::npos) lines.push_back(line);
    std::string text = fs::exists(pdf) ? testing::pdfText(pdf) : "";
    return {lines, text};
  }

  fs::path m_dir;
};

TEST_F(CliPdf, NameReportPdfHoldsThePrintedLines) {
  auto [lines, text] = exportPdf("name 王 明 --date 1980-1-1 --hour '子 0'");
  ASSERT_GT(lines.size(), 10u);
  EXPECT_NE(text.find("Lumo生辰八字取名软件"), std::string::npos);
  // Long lines may wrap in the PDF: look for the first part of the first and last lines.
  EXPECT_NE(text.find(head(lines.front(), 8)), std::string::npos) << lines.front();
  EXPECT_NE(text.find("系统综合评分"), std::string::npos);
}

TEST_F(CliPdf, BaziReportPdfRunsOverSeveralPages) {
  auto [lines, text] = exportPdf("bazi 王 --sex 女 --date 1990-6-15 --hour '午 12'");
  ASSERT_GT(lines.size(), 20u);
  EXPECT_NE(text.find("第 2 页"), std::string::npos);
  EXPECT_NE(text.find(head(lines.front(), 8)), std::string::npos) << lines.front();
}

TEST_F(CliPdf, RefusedInputWritesNoPdf) {
  auto [lines, text] = exportPdf("name 王 '' --date 1980-1-1 --hour '子 0'", 2);
  EXPECT_FALSE(fs::exists(m_dir / "report.pdf"));
}

}  // namespace
}  // namespace lumo
