#include "data/query.h"

#include <sqlite3.h>
#include <strings.h>
#include <sys/stat.h>

#include <atomic>
#include <charconv>
#include <cstdio>
#include <map>

#include "core/text.h"

namespace lumo::db {
namespace {

std::atomic<bool> g_freshPerQuery{false};

// The engine opens whatever the path names; a FIFO would block the open for ever and a
// device would be read as a database, so only regular files get that far.
void requireRegularFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    throw DbError("unable to open database file: " + path, DbFault::FileUnusable);
  if (!S_ISREG(info.st_mode)) throw DbError("not a regular file: " + path, DbFault::FileUnusable);
}

sqlite3* openReadOnly(const std::string& path) {
  requireRegularFile(path);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    throw DbError(message + ": " + path, DbFault::FileUnusable);
  }
  return db;
}

// The engine's message, with the fault it stands for.
DbError errorOf(sqlite3* db) {
  std::string message = sqlite3_errmsg(db);
  switch (sqlite3_errcode(db)) {
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_IOERR:
    case SQLITE_PERM:
      return DbError(message, DbFault::FileUnusable);
    case SQLITE_ERROR:
      if (message.rfind("no such table", 0) == 0) return DbError(message, DbFault::TableMissing);
      return DbError(message);
    default:
      return DbError(message);
  }
}

struct CachedConnections {
  std::map<std::string, sqlite3*> byPath;
  ~CachedConnections() { clear(); }
  void clear() {
    for (auto& [path, db] : byPath) sqlite3_close(db);
    byPath.clear();
  }
};

thread_local CachedConnections t_cache;

void bindParams(sqlite3* db, sqlite3_stmt* stmt, const std::vector<Param>& params) {
  for (std::size_t i = 0; i < params.size(); ++i) {
    int index = static_cast<int>(i + 1);
    int rc = std::visit(
        [&](const auto& v) -> int {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::int64_t>)
            return sqlite3_bind_int64(stmt, index, v);
          else if constexpr (std::is_same_v<T, double>)
            return sqlite3_bind_double(stmt, index, v);
          else
            return sqlite3_bind_text(stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        },
        params[i]);
    if (rc != SQLITE_OK) throw DbError(sqlite3_errmsg(db));
  }
}

Value columnValue(sqlite3_stmt* stmt, int col) {
  switch (sqlite3_column_type(stmt, col)) {
    case SQLITE_INTEGER:
      return static_cast<std::int64_t>(sqlite3_column_int64(stmt, col));
    case SQLITE_FLOAT:
      return sqlite3_column_double(stmt, col);
    case SQLITE_NULL:
      return std::monostate{};
    default: {
      auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
      return std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, col)));
    }
  }
}

ResultSet execute(sqlite3* db, std::string_view sql, const std::vector<Param>& params) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
    throw errorOf(db);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
  bindParams(db, stmt, params);
  int count = sqlite3_column_count(stmt);
  std::vector<std::string> columns;
  for (int c = 0; c < count; ++c) columns.emplace_back(sqlite3_column_name(stmt, c));
  std::vector<std::vector<Value>> rows;
  for (;;) {
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) throw errorOf(db);
    std::vector<Value> row;
    row.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) row.push_back(columnValue(stmt, c));
    rows.push_back(std::move(row));
  }
  return ResultSet(std::move(columns), std::move(rows));
}

}  // namespace

std::string valueText(const Value& value) {
  if (auto* s = std::get_if<std::string>(&value)) return *s;
  if (auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
  if (auto* d = std::get_if<double>(&value)) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *d);
    return ec == std::errc() ? std::string(buf, end) : std::string();
  }
  return {};
}

std::int64_t valueInt(const Value& value) {
  if (auto* i = std::get_if<std::int64_t>(&value)) return *i;
  if (auto* d = std::get_if<double>(&value)) return static_cast<std::int64_t>(*d);
  if (auto* s = std::get_if<std::string>(&value)) {
    std::string t = trimmed(*s);
    std::int64_t out = 0;
    std::from_chars(t.data(), t.data() + t.size(), out);
    return out;
  }
  return 0;
}

double valueReal(const Value& value) {
  if (auto* d = std::get_if<double>(&value)) return *d;
  if (auto* i = std::get_if<std::int64_t>(&value)) return static_cast<double>(*i);
  if (auto* s = std::get_if<std::string>(&value)) {
    std::string t = trimmed(*s);
    double out = 0;
    std::from_chars(t.data(), t.data() + t.size(), out);
    return out;
  }
  return 0;
}

ResultSet::ResultSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

int ResultSet::columnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < m_columns.size(); ++i)
    if (m_columns[i].size() == name.size() && strncasecmp(m_columns[i].data(), name.data(), name.size()) == 0)
      return static_cast<int>(i);
  return -1;
}

const Value& ResultSet::value(std::size_t row, std::size_t column) const {
  static const Value kNull;
  if (row >= m_rows.size() || column >= m_rows[row].size()) return kNull;
  return m_rows[row][column];
}

const Value& ResultSet::value(std::size_t row, std::string_view column) const {
  static const Value kNull;
  int index = columnIndex(column);
  if (index < 0) throw DbError("no column named " + std::string(column));
  return value(row, static_cast<std::size_t>(index));
}

std::string ResultSet::text(std::size_t row, std::string_view column) const {
  return trimmed(valueText(value(row, column)));
}
std::string ResultSet::text(std::size_t row, std::size_t column) const {
  return trimmed(valueText(value(row, column)));
}
std::string ResultSet::rawText(std::size_t row, std::string_view column) const {
  return valueText(value(row, column));
}
std::int64_t ResultSet::integer(std::size_t row, std::string_view column) const {
  return valueInt(value(row, column));
}
std::int64_t ResultSet::integer(std::size_t row, std::size_t column) const {
  return valueInt(value(row, column));
}
double ResultSet::real(std::size_t row, std::size_t column) const {
  return valueReal(value(row, column));
}

Connection::Connection(DbFile file) : Connection(databasePath(file)) {}
Connection::Connection(const std::string& path) : m_db(openReadOnly(path)) {}
Connection::~Connection() {
  sqlite3_close(m_db);
}

ResultSet Connection::run(std::string_view sql, const std::vector<Param>& params) {
  return execute(m_db, sql, params);
}

void Connection::interrupt() {
  sqlite3_interrupt(m_db);
}

ResultSet runQuery(DbFile file, std::string_view sql, const std::vector<Param>& params) {
  std::string path = databasePath(file);
  if (g_freshPerQuery.load(std::memory_order_relaxed)) {
    Connection fresh(path);
    return fresh.run(sql, params);
  }
  auto it = t_cache.byPath.find(path);
  if (it == t_cache.byPath.end()) it = t_cache.byPath.emplace(path, openReadOnly(path)).first;
  return execute(it->second, sql, params);
}

void setFreshConnectionPerQuery(bool fresh) {
  g_freshPerQuery.store(fresh);
}
void dropCachedConnections() {
  t_cache.clear();
}

}  // namespace lumo::db
