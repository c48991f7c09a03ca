#include "app/command_layout.h"

#include <cstring>

namespace lumo {

const std::vector<MenuSpec>& menuLayout() {
  static const std::vector<MenuSpec> menus = {
      {"系统(&S)", {"新建测算", "打开记录...", "导出PDF", "退出系统"}},
      {"取名(&Q)",
       {"姓名原理", "姓氏起源", "起名宝典", "姓名分析", "姓名评分", "三才吉凶", "吉祥名字重要性",
        "姓名学知识与取名 ", "取名规则", "企业取名规则", "取笔名规则", "取艺名规则"}},
      {"缘分(&P)", {"QQ缘分配对"}},
      {"黄道(&D)", {"黄道吉日", "择吉日"}},
      {"民俗(&B)",
       {"打喷嚏占卜", "面热测占卜", "心惊测占卜", "犬吠测占卜", "眼跳测占卜", "耳热测占卜", "耳鸣测占卜"}},
      {"工具(&G)", {"手机号码分析", "QQ号码分析", "更多数字分析", "网名分析", "生男生女", "万年历法"}},
      {"帮助(&H)", {"关于系统", "软件升级"}},
  };
  return menus;
}

const std::vector<const char*>& headerRow1() {
  static const std::vector<const char*> row = {"八字分析", "姓名详解", "文字五行"};
  return row;
}

const std::vector<const char*>& headerRow2() {
  static const std::vector<const char*> row = {"马上起名"};
  return row;
}

const std::vector<const char*>& leftColumn() {
  static const std::vector<const char*> column = {"黄道吉日",   "本日吉日",   "打喷嚏占卜", "面热测占卜",
                                                  "心惊测占卜", "犬吠测占卜", "眼跳测占卜", "耳热测占卜",
                                                  "耳鸣测占卜", "手机分析",   "QQ号码分析", "数字分析",
                                                  "网名分析",   "生男生女",   "万年历法"};
  return column;
}

const char* noteCodeOf(const char* caption) {
  static const struct {
    const char* caption;
    const char* code;
  } kCodes[] = {{"吉祥名字重要性", "XM012"}, {"姓名学知识与取名 ", "XM001"}, {"取名规则", "XM011"},
                {"企业取名规则", "XM013"},   {"取笔名规则", "XM014"},        {"取艺名规则", "XM015"}};
  for (const auto& c : kCodes)
    if (!std::strcmp(c.caption, caption)) return c.code;
  return nullptr;
}

}  // namespace lumo
