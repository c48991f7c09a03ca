// lumo-almanac OUTPUT.tsv
//
// Computes the almanac day of every Gregorian date from 1901-01-01 to 2100-12-31 and
// writes them as the huangdao table source (UTF-8 TSV with a header line).

#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>

#include "tools/almanac/writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lumo-almanac OUTPUT.tsv\n";
    return 2;
  }
  try {
    auto start = std::chrono::steady_clock::now();
    auto rows = lumo::almanac::almanacRows();
    std::string tmp = std::string(argv[1]) + ".part";
    {
      std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
      if (!out) {
        std::cerr << "lumo-almanac: cannot write " << tmp << "\n";
        return 1;
      }
      lumo::almanac::writeTsv(out, rows);
      out.close();
      if (!out) {
        std::cerr << "lumo-almanac: writing " << tmp << " failed\n";
        return 1;
      }
    }
    if (std::rename(tmp.c_str(), argv[1]) != 0) {
      std::cerr << "lumo-almanac: cannot replace " << argv[1] << "\n";
      return 1;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "lumo-almanac: " << rows.size() << " days in " << seconds << " s\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "lumo-almanac: " << e.what() << "\n";
    return 1;
  }
}
