#pragma once
// Read-only queries over the reference databases.
//
// Every statement is prepared with its keys bound as parameters, so a key that holds a
// quote, a percent sign or a backslash is a value and never part of the SQL. Results are
// read completely into a ResultSet, which knows its row count and can be read at any row
// (the naming run reads rows in slices). A failing statement throws DbError with
// SQLite's own message; what a reader does with it is chosen in read_failure.h.
//
// Connections are opened read-only and cached per thread and file (the data never
// changes while the program runs); setFreshConnectionPerQuery(true) turns the cache off.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/report.h"
#include "data/database_files.h"

struct sqlite3;

namespace lumo::db {

// Why a statement failed. A file that is missing, not a regular file, not a database or
// damaged, and a table that is missing, are faults of the installation: the readers report
// them whatever their failure mode, since a report computed without the data would look
// complete and be wrong.
enum class DbFault { Statement, FileUnusable, TableMissing };

class DbError : public CommandFailure {
 public:
  explicit DbError(const std::string& message, DbFault fault = DbFault::Statement)
      : CommandFailure(message), m_fault(fault) {}
  DbFault fault() const { return m_fault; }
  bool damagedData() const { return m_fault != DbFault::Statement; }

 private:
  DbFault m_fault;
};

using Param = std::variant<std::int64_t, double, std::string>;
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

// Text of a value: integers in decimal, reals in shortest form, NULL as "".
std::string valueText(const Value& value);
// Integer of a value: reals truncated, texts by their leading number, NULL and others 0.
std::int64_t valueInt(const Value& value);
double valueReal(const Value& value);

class ResultSet {
 public:
  ResultSet() = default;
  ResultSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows);

  std::size_t size() const { return m_rows.size(); }
  bool empty() const { return m_rows.empty(); }
  const std::vector<std::string>& columns() const { return m_columns; }

  // Position of a column by name (case-insensitive, as the statements spell them); -1 if absent.
  int columnIndex(std::string_view name) const;

  const Value& value(std::size_t row, std::size_t column) const;
  const Value& value(std::size_t row, std::string_view column) const;
  // Text trimmed of leading and trailing blanks, as the readers use it.
  std::string text(std::size_t row, std::string_view column) const;
  std::string text(std::size_t row, std::size_t column) const;
  std::string rawText(std::size_t row, std::string_view column) const;
  std::int64_t integer(std::size_t row, std::string_view column) const;
  std::int64_t integer(std::size_t row, std::size_t column) const;
  double real(std::size_t row, std::size_t column) const;

 private:
  std::vector<std::string> m_columns;
  std::vector<std::vector<Value>> m_rows;
};

// One open database; used by windows that hold a connection while they are open.
class Connection {
 public:
  explicit Connection(DbFile file);
  explicit Connection(const std::string& path);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  ResultSet run(std::string_view sql, const std::vector<Param>& params = {});

  // Makes a statement that another thread is running on this connection fail soon with
  // DbError ("interrupted"); callable from any thread while the connection is open.
  void interrupt();

 private:
  sqlite3* m_db = nullptr;
};

// Runs one statement on the database file (cached connection unless turned off).
ResultSet runQuery(DbFile file, std::string_view sql, const std::vector<Param>& params = {});

void setFreshConnectionPerQuery(bool fresh);
// Drops this thread's cached connections (tests that swap database folders call it).
void dropCachedConnections();

}  // namespace lumo::db
