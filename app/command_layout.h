#pragma once
// Where each command of the main window stands: the menus in order, the header buttons
// and the left column.

#include <vector>

namespace lumo {

struct MenuSpec {
  const char* title;
  std::vector<const char*> items;
};

const std::vector<MenuSpec>& menuLayout();
const std::vector<const char*>& headerRow1();
const std::vector<const char*>& headerRow2();
const std::vector<const char*>& leftColumn();

// Commands whose menu item carries an article code in its hint text.
const char* noteCodeOf(const char* caption);

}  // namespace lumo
