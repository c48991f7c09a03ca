#pragma once
// A birth-reading database of a few huangdao rows in a temporary folder, made the
// current data folder for the life of the fixture.
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/database_files.h"
#include "data/query.h"

namespace lumo::testing {

class AlmanacDatabase {
 public:
  // `sql` runs after the schema; the default holds two days.
  explicit AlmanacDatabase(const std::string& sql = defaultRows(), bool withTable = true) {
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("lumo-almanac-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_dir);
    sqlite3* db = nullptr;
    sqlite3_open((m_dir / "KelBirth.dll").c_str(), &db);
    if (withTable) {
      sqlite3_exec(db,
                   "CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT,"
                   " cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);",
                   nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    db::setDataFolder(m_dir.string());
    db::dropCachedConnections();
  }
  ~AlmanacDatabase() {
    db::dropCachedConnections();
    db::setDataFolder("");
    std::filesystem::remove_all(m_dir);
  }
  AlmanacDatabase(const AlmanacDatabase&) = delete;
  AlmanacDatabase& operator=(const AlmanacDatabase&) = delete;

  static std::string defaultRows() {
    return "INSERT INTO huangdao VALUES ('2010-01-05', ' 己丑(牛)年十一月廿一 ', '己丑年 丁丑月 辛丑日',"
           " '占门厕外东南', '壁上土 建执位', '冲羊(乙未)煞东', '辛不合酱主人不尝 丑不冠带主不还乡',"
           " '天恩 母仓 不将', '祭祀 祈福 嫁娶', '月建 小时 土府', '动土 破土 安葬');"
           "INSERT INTO huangdao VALUES ('2030-03-01', '庚戌(狗)年正月廿八', '庚戌年 戊寅月 丙午日',"
           " '厨灶碓外正南', '天河水 除执位', '冲鼠(庚子)煞北', '丙不修灶必见灾殃 午不苫盖屋主更张',"
           " '阴德 相日', '沐浴 扫舍', '劫煞 天贼', '开市 交易');";
  }

 private:
  std::filesystem::path m_dir;
};

}  // namespace lumo::testing
