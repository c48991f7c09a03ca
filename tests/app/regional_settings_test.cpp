#include "app/regional_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace lumo {
namespace {

class FakeLocale final : public LocaleSource {
 public:
  std::map<int, std::string> values;
  int writes = 0;
  bool failFirstRead = false;
  std::string read(int id) override {
    if (failFirstRead) {
      failFirstRead = false;
      throw std::runtime_error("unreadable");
    }
    return values[id];
  }
  void write(int id, const std::string& value) override {
    values[id] = value;
    ++writes;
  }
};

TEST(RegionalFormats, AmericanShortDateIsRewrittenOnceInOrder) {
  FakeLocale locale;
  locale.values = {
      {0x20, "dddd, MMMM d, yyyy"}, {0x1F, "M/d/yyyy"}, {0x1003, "h:mm:ss tt"}, {0x1D, "/"}, {0x1E, ":"}};
  EXPECT_EQ(applyRegionalFormats(locale), (std::vector<int>{0x20, 0x1F, 0x1003, 0x1D}));
  EXPECT_EQ(locale.values[0x1F], "yyyy-MM-dd");
  EXPECT_EQ(locale.values[0x20], "yyyy'年'M'月'd'日'");
  EXPECT_TRUE(applyRegionalFormats(locale).empty()) << "a second start writes nothing";
}

TEST(RegionalFormats, ComparesTrimmedAndCaseSensitive) {
  FakeLocale locale;
  locale.values = {
      {0x20, "yyyy'年'M'月'd'日'"}, {0x1F, " yyyy-MM-dd "}, {0x1003, "h:mm:ss"}, {0x1D, "-"}, {0x1E, ":"}};
  EXPECT_EQ(applyRegionalFormats(locale), std::vector<int>{0x1003});
}

TEST(RegionalFormats, FailuresAreSwallowed) {
  FakeLocale locale;
  locale.failFirstRead = true;
  EXPECT_EQ(applyRegionalFormats(locale).size(), 4u);  // the long date could not be read
}

TEST(RegionalFormats, FileStoreOutlastsTheProcess) {
  auto path =
      std::filesystem::temp_directory_path() / ("lumo-regional-" + std::to_string(::getpid())) / "r.conf";
  {
    FileLocaleSource store(path.string());
    applyRegionalFormats(store);
  }
  FileLocaleSource again(path.string());
  EXPECT_TRUE(applyRegionalFormats(again).empty());
  EXPECT_EQ(again.read(0x1F), "yyyy-MM-dd");
  std::filesystem::remove_all(path.parent_path());
}

}  // namespace
}  // namespace lumo
