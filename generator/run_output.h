#pragma once
// Where a naming run puts what it produces: the all-names pane (MemoSuccess, six names
// to a line), the high-score list (ListBox1) and the progress of an automatic run.
// The window hands these to its GUI thread in order; lumo-cli collects them.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo::generator {

class RunOutput {
 public:
  virtual ~RunOutput() = default;
  virtual void clearMemo() = 0;
  virtual void clearList() = 0;
  virtual void addMemoLine(std::string line) = 0;
  virtual void addListItem(std::string name) = 0;
  // Schemes done out of all schemes of an automatic run.
  virtual void progress(std::size_t done, std::size_t total) = 0;
  // Every generated name, trimmed, before it goes to the pane: the recommended list
  // gathers them here.
  virtual void acceptedName(std::string_view) {}
};

}  // namespace lumo::generator
