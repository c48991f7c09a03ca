// The report renderer as a PDF, read back with poppler's tools: pages, text, fonts.
#include "core/report_pdf.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFont>
#include <filesystem>
#include <regex>
#include <sstream>

#include "core/pdf_text_map.h"
#include "tests/support/pdf_text.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;
using testing::shellQuoted;
using testing::shellRun;

class ReportPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("lumo_pdf_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    ASSERT_EQ(shellRun("command -v pdftotext pdfinfo pdffonts >/dev/null").status, 0)
        << "poppler-utils missing";
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string path(const char* name) const { return (m_dir / name).string(); }
  static std::string text(const std::string& pdf) { return testing::pdfText(pdf); }
  static int pages(const std::string& pdf) {
    std::smatch m;
    std::string info = shellRun("pdfinfo " + shellQuoted(pdf)).out;
    return std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(m[1]) : -1;
  }

  fs::path m_dir;
};

TEST_F(ReportPdf, LongReportRunsOverPagesAndKeepsEveryLine) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 150; ++i) lines.push_back("【第" + std::to_string(i) + "行】天格数理暗示");
  std::string pdf = path("long.pdf");
  ASSERT_TRUE(writeReportPdf(lines, pdf));
  int count = pages(pdf);
  EXPECT_GE(count, 3);
  std::string all = text(pdf);
  EXPECT_NE(all.find("Lumo生辰八字取名软件"), std::string::npos);
  EXPECT_NE(all.find("【第1行】天格数理暗示"), std::string::npos);
  EXPECT_NE(all.find("【第150行】天格数理暗示"), std::string::npos);
  EXPECT_NE(all.find("第 1 页，共 " + std::to_string(count) + " 页"), std::string::npos);
  EXPECT_NE(all.find("第 " + std::to_string(count) + " 页，共 " + std::to_string(count) + " 页"),
            std::string::npos);
}

TEST_F(ReportPdf, ShortReportIsOnePageWithEmbeddedFonts) {
  std::string pdf = path("short.pdf");
  ASSERT_TRUE(writeReportPdf({"姓名：王明", "", "【系统综合评分】: 85分"}, pdf));
  EXPECT_EQ(pages(pdf), 1);
  EXPECT_NE(text(pdf).find("【系统综合评分】: 85分"), std::string::npos);
  // pdffonts: two heading lines, then one row per font whose "emb" column reads yes.
  std::string fonts = shellRun("pdffonts " + shellQuoted(pdf) + " | tail -n +3").out;
  ASSERT_FALSE(fonts.empty());
  std::istringstream rows(fonts);
  for (std::string row; std::getline(rows, row);) EXPECT_NE(row.find(" yes "), std::string::npos) << row;
}

TEST_F(ReportPdf, LongLineWrapsInsteadOfLeavingThePage) {
  std::string line;
  for (int i = 0; i < 12; ++i) line += "甲乙丙丁戊己庚辛壬癸";
  line += "末尾";
  std::string pdf = path("wide.pdf");
  ASSERT_TRUE(writeReportPdf({line}, pdf));
  std::string all = text(pdf);
  EXPECT_NE(all.find("末尾"), std::string::npos);
  EXPECT_EQ(all.find(line), std::string::npos) << "the line was not wrapped";
}

TEST_F(ReportPdf, UnwritableFolderFailsAndLeavesNothing) {
  std::string pdf = path("missing/out.pdf");
  EXPECT_FALSE(writeReportPdf({"一行"}, pdf));
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_TRUE(fs::is_empty(m_dir));
}

TEST(PdfTextMap, RadicalsOfTheFontMapToTheIdeographsSharingTheirGlyphs) {
  auto table = radicalIdeographs(QFont(QStringLiteral("Noto Serif CJK SC")));
  EXPECT_EQ(table[u'\u2F63'], u'生');
  EXPECT_EQ(table[u'\u2EDA'], u'页');
  EXPECT_EQ(table.count(u'生'), 0u);
}

TEST(PdfTextMap, OnlyTargetsOfTheToUnicodeMapsChange) {
  const std::map<char16_t, char16_t> table = {{0x2F63, 0x751F}, {0x2EDA, 0x9875}};
  QByteArray pdf(
      "<2F63> stays outside\n"
      "1 beginbfchar\n<2F63> <2F63>\nendbfchar\n"
      "2 beginbfrange\n<0000> <0000> <0000>\n<2EDA> <2EDB> [<2EDA> <4E00> <2F63> ]\nendbfrange\n");
  const auto length = pdf.size();
  mendToUnicode(pdf, table);
  EXPECT_EQ(pdf.size(), length);
  EXPECT_EQ(pdf.toStdString(),
            "<2F63> stays outside\n"
            "1 beginbfchar\n<2F63> <751F>\nendbfchar\n"
            "2 beginbfrange\n<0000> <0000> <0000>\n<2EDA> <2EDB> [<9875> <4E00> <751F> ]\nendbfrange\n");
}

TEST(PdfName, ExtensionAddedOnlyWhenMissing) {
  EXPECT_EQ(withPdfExtension("王明"), "王明.pdf");
  EXPECT_EQ(withPdfExtension("王明.pdf"), "王明.pdf");
  EXPECT_EQ(withPdfExtension("王明.PDF"), "王明.PDF");
  EXPECT_EQ(withPdfExtension("王明.txt"), "王明.txt.pdf");
}

}  // namespace
}  // namespace lumo
