#pragma once
// The naming runs the generator benchmarks measure: the largest realistic ones (双字名,
// 电脑全自动, every listed stroke scheme) of the commonest and the longest surnames.
#include <string>
#include <vector>

#include "generator/generate_command.h"
#include "generator/stroke_schemes.h"

namespace lumo::generator::bench {

struct RunCase {
  const char* surname;
  Sex sex;
};
inline const RunCase kLargestRuns[] = {
    {"李", Sex::Male}, {"李", Sex::Female}, {"王", Sex::Male}, {"欧阳", Sex::Male}};

// The settings of a run over every stroke scheme the list offers for the case; the
// high-score list is left as RunSettings has it, for the caller to set.
inline RunSettings wholeRunOf(db::Connection& connection, const RunCase& c) {
  SchemeListOptions list;
  list.naming.surname = c.surname;
  list.naming.sex = c.sex;
  std::vector<std::string> items = FillStrokeSchemes(connection, list);
  RunSettings s;
  s.options = list.naming;
  s.schemes.assign(items.begin() + 1, items.end());  // item 0 is 电脑全自动 itself
  return s;
}

// The candidate pool that the worker keeps from the whole run, as the recommended list
// starts from it.
inline CandidatePool poolOfRun(db::Connection& connection, const RunCase& c) {
  RunSettings s = wholeRunOf(connection, c);
  s.high.enabled = false;
  CandidatePool pool(c.surname);
  runToLines(connection, s, &pool);
  return pool;
}

}  // namespace lumo::generator::bench
