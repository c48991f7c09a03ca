#pragma once
// The four ways a reader absorbs a failing query.
//
// Each reader names its way once, at the call:
//   Failure::Zero        the value becomes 0 (or "") and the caller goes on;
//   Failure::Empty       the error is ignored and the result stays empty;
//   Failure::SilentStop  the whole command stops without a message, keeping the lines
//                        its report already holds (throws CommandStopped);
//   Failure::Reported    the command ends and the database's own message is shown to the
//                        user (throws ReportedFailure).
// Zero and Empty both hand back an empty ResultSet: the reader then takes its "no row"
// value, which is 0 for numbers and "" for texts. A key without a row is no failure.
//
// A missing, unreadable or damaged database file, or a missing table, is always
// Reported, whatever the reader's way: a 0 or an empty text in its place would give a
// complete-looking report that is wrong.

#include <string>
#include <vector>

#include "core/report.h"
#include "data/query.h"

namespace lumo::db {

enum class Failure { Zero, Empty, SilentStop, Reported };

// The text shown for a missing or damaged database file (or table): names the file.
std::string damagedDataMessage(const std::string& file, const std::string& reason);
// For readers that catch DbError themselves: throws ReportedFailure when the error is a
// missing or damaged file or table, and returns otherwise.
void reportIfDamaged(DbFile file, const DbError& error);

ResultSet readRows(Failure mode, DbFile file, std::string_view sql, const std::vector<Param>& params = {});
// The same over a connection that a window holds.
ResultSet readRows(Failure mode, Connection& connection, std::string_view sql,
                   const std::vector<Param>& params = {});

}  // namespace lumo::db
