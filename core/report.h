#pragma once
// A report and how the command that writes it ends.
//
// A command body writes its lines into a Report and ends in one of four ways: it returns
// (Done), it throws CommandStopped (Stopped: no message, the lines written so far stay),
// Notice (the notice box "提示" with one fixed text) or a CommandFailure (an error box with
// the failure's message). runCommand turns these into a CommandResult for the window or
// the command line to show.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumo {

// The lines a command writes into its pane, in order.
struct Report {
  std::vector<std::string> lines;
  void add(std::string line) { lines.push_back(std::move(line)); }
};

// Ends a command silently; lines already written stay.
struct CommandStopped {};

// Ends a command with the notice box ("提示") showing one fixed text.
class Notice : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ends a command with an error box showing the message. The database's own errors are
// failures of this kind too, so a command shows them without catching them itself.
class CommandFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failure that a reader or a check raises on purpose with the message to show.
class ReportedFailure : public CommandFailure {
 public:
  using CommandFailure::CommandFailure;
};

enum class Outcome { Done, Stopped, Notice, Failed };

struct CommandResult {
  Outcome outcome = Outcome::Done;
  std::string message;  // the notice or error text
};

// Runs a command body that writes into `report`; translates how it ended. Exceptions of
// other kinds pass through.
CommandResult runCommand(Report& report, const std::function<void(Report&)>& body);

}  // namespace lumo
