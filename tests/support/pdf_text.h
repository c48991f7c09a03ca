#pragma once
// The text of a PDF as pdftotext reads it (poppler-utils).

#include <string>

#include "tests/support/shell_run.h"

namespace lumo::testing {

inline std::string pdfText(const std::string& pdf) {
  return shellRun("pdftotext -enc UTF-8 " + shellQuoted(pdf) + " -").out;
}

}  // namespace lumo::testing
