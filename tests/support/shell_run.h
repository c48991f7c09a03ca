#pragma once
// Runs a shell command line and collects its standard output and exit status.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace lumo::testing {

struct ShellRun {
  int status = -1;
  std::string out;
};

inline ShellRun shellRun(const std::string& command) {
  ShellRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    run.out.append(buffer.data(), n);
  int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// Single quotes for the shell (none of the tests' paths holds one).
inline std::string shellQuoted(const std::string& text) {
  return "'" + text + "'";
}

}  // namespace lumo::testing
