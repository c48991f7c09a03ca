// lumo-dbbuild --source DIR --out DIR [--huangdao FILE]
#include <cstring>
#include <iostream>

#include "tools/dbbuild/builder.h"

int main(int argc, char** argv) {
  lumo::dbbuild::BuildOptions options;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--source"))
      options.sourceFolder = argv[i + 1];
    else if (!std::strcmp(argv[i], "--out"))
      options.outputFolder = argv[i + 1];
    else if (!std::strcmp(argv[i], "--huangdao"))
      options.huangdaoTsv = argv[i + 1];
  }
  if (options.sourceFolder.empty() || options.outputFolder.empty()) {
    std::cerr << "usage: lumo-dbbuild --source DIR --out DIR [--huangdao FILE]\n";
    return 2;
  }
  try {
    lumo::dbbuild::buildAll(options);
  } catch (const std::exception& e) {
    std::cerr << "lumo-dbbuild: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
