#include "app/database_needs.h"

#include <initializer_list>

namespace lumo {
namespace {

using db::DbFile;

struct Need {
  std::string_view name;
  std::initializer_list<DbFile> files;
};

constexpr std::initializer_list<DbFile> kNone = {};
constexpr std::initializer_list<DbFile> kNameFiles = {DbFile::Voduzid, DbFile::KelFile};
// The naming window ranks its recommended names by the child's BaZi elements.
constexpr std::initializer_list<DbFile> kNamingFiles = {DbFile::Voduzid, DbFile::KelFile, DbFile::Tgcode};
constexpr std::initializer_list<DbFile> kBaziFiles = {DbFile::Tgcode, DbFile::Dream};
constexpr std::initializer_list<DbFile> kBirthFile = {DbFile::KelBirth};
constexpr std::initializer_list<DbFile> kDreamFile = {DbFile::Dream};
constexpr std::initializer_list<DbFile> kWordFile = {DbFile::Voduzid};

// The note captions read KelBirth's Noter; the omen, number, net-name and chart windows
// read tables held in the program.
const Need kCommands[] = {
    {"新建测算", kNone},
    {"打开记录...", kNone},
    {"保存", kNone},
    {"退出系统", kNone},
    {"退出", kNone},
    {"软件升级", kNone},
    {"关于系统", kNone},
    {"万年历法", kNone},
    {"生男生女", kNone},
    {"QQ号码分析", kNone},
    {"更多数字分析", kNone},
    {"数字分析", kNone},
    {"网名分析", kNone},
    {"打喷嚏占卜", kNone},
    {"面热测占卜", kNone},
    {"心惊测占卜", kNone},
    {"犬吠测占卜", kNone},
    {"眼跳测占卜", kNone},
    {"耳热测占卜", kNone},
    {"耳鸣测占卜", kNone},
    {"八字分析", kBaziFiles},
    {"姓名详解", kNameFiles},
    {"姓名分析", kNameFiles},
    {"三才吉凶", kNameFiles},
    {"起名宝典", kNamingFiles},
    {"姓名评分", kNamingFiles},
    {"马上起名", kNamingFiles},
    {"文字五行", kWordFile},
    {"姓氏起源", kBirthFile},
    {"QQ缘分配对", kBirthFile},
    {"黄道吉日", kBirthFile},
    {"本日吉日", kBirthFile},
    {"姓名原理", kBirthFile},
    {"吉祥名字重要性", kBirthFile},
    {"姓名学知识与取名", kBirthFile},
    {"取名规则", kBirthFile},
    {"企业取名规则", kBirthFile},
    {"取笔名规则", kBirthFile},
    {"取艺名规则", kBirthFile},
    {"手机号码分析", kDreamFile},
    {"手机分析", kDreamFile},
    {"择吉日", kBirthFile},
};

const Need kSubcommands[] = {
    {"month", kNone},       {"calendar", kNone},     {"subject", kNone},      {"qq", kNone},
    {"number", kNone},      {"netname", kNone},      {"omen", kNone},         {"name", kNameFiles},
    {"sancai", kNameFiles}, {"generate", kWordFile}, {"strokes", kWordFile},  {"wuxing", kWordFile},
    {"bazi", kBaziFiles},   {"origin", kBirthFile},  {"almanac", kBirthFile}, {"pair", kBirthFile},
    {"note", kBirthFile},   {"phone", kDreamFile},   {"explain", kWordFile},  {"zeri", kBirthFile},
};

std::string_view trimmedView(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

template <std::size_t N>
std::vector<DbFile> lookUp(const Need (&table)[N], std::string_view name) {
  name = trimmedView(name);
  for (const Need& need : table)
    if (need.name == name) return std::vector<DbFile>(need.files);
  return {DbFile::Voduzid, DbFile::KelFile, DbFile::KelBirth, DbFile::Dream, DbFile::Tgcode};
}

}  // namespace

std::vector<db::DbFile> filesNeededByCommand(std::string_view caption) {
  return lookUp(kCommands, caption);
}
std::vector<db::DbFile> filesNeededBySubcommand(std::string_view name) {
  return lookUp(kSubcommands, name);
}

}  // namespace lumo
