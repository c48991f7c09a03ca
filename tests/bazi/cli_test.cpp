// lumo-cli bazi prints the report lines exactly as the pane gets them, and a failed input
// check as its notice on standard error with exit status 2.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bazi/bazi_report.h"
#include "calendar/clock.h"

namespace lumo::bazi {
namespace {

struct Output {
  int status = -1;
  std::string out, err;
};

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Output runCli(const std::string& arguments) {
  auto dir = std::filesystem::temp_directory_path();
  auto out = dir / ("lumo_bazi_cli_out_" + std::to_string(::getpid()));
  auto err = dir / ("lumo_bazi_cli_err_" + std::to_string(::getpid()));
  std::string command =
      std::string("'") + LUMO_CLI + "' " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
  int raw = std::system(command.c_str());
  Output o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return o;
}

TEST(BaziCli, PrintsThePaneLines) {
  Output o = runCli("--today 2024-06-01 bazi 张 --sex 女 --date 1990-5-30 --hour '未 14' --minute 5");
  ASSERT_EQ(o.status, 0) << o.err;
  setToday(Date{2024, 6, 1});
  PanelInput in;
  in.surname = "张", in.sex = "女", in.year = "1990", in.month = "5", in.day = "30";
  in.hour = "未 14", in.minute = "5";
  Subject subject;
  Report report;
  showBaziReport(in, subject, report);
  setToday(std::nullopt);
  std::string expected;
  for (const auto& line : report.lines) expected += line + "\n";
  EXPECT_EQ(o.out, expected);
  EXPECT_EQ(report.lines.size(), 69u);
  EXPECT_EQ(report.lines[1], "年龄：34岁") << "--today fixes the current year";
}

TEST(BaziCli, LunarDateOption) {
  Output o = runCli("--today 2024-06-01 bazi 李 --date 2000-1-1 --hour '子 0' --lunar");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find("您出生公历：2000年02月05日0点0分\n"), std::string::npos);
}

TEST(BaziCli, AFailedCheckPrintsItsNoticeAndExitsTwo) {
  Output o = runCli("bazi '' --date 1990-5-30");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "姓不能为空!\n");
  Output date = runCli("bazi 王 --date 1850-5-30");
  EXPECT_EQ(date.status, 2);
  EXPECT_EQ(date.err, "公历日期只能在1900年1月31日至2100年12月31日之间!\n");
}

TEST(BaziCli, BirthplaceAndChartOptions) {
  Output o = runCli(
      "--today 2024-06-01 bazi 张 --date 2024-4-14 --hour '子 23' --minute 30 --place 乌鲁木齐 --solar-time "
      "--precise-terms --zi-midnight");
  ASSERT_EQ(o.status, 0) << o.err;
  for (const char* line : {"出生地：新疆 乌鲁木齐市（东经87.62度，北纬43.79度）\n",
                           "排盘时间：真太阳时2024年04月14日21点20分（经度时差-129.5分，均时差-0.1分）\n",
                           "排盘规则：节气按天文交节时刻，0点换日，23点为夜子时（时干从次日）\n",
                           "八字：甲辰   戊辰   戊申   癸亥\n", "八字：甲辰   戊辰   戊申   壬戌\n"})
    EXPECT_NE(o.out.find(line), std::string::npos) << line;
  Output unknown = runCli("bazi 张 --date 2024-4-14 --place 纽约");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "找不到出生地“纽约”，请从列表中选择省份和城市。\n");
}

}  // namespace
}  // namespace lumo::bazi
