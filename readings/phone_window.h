#pragma once
// TFrm_SJcs ("手机号码测算"): the reading window of mobile numbers (11 digits at most),
// with a note on the length above the results and a fixed note below them. Shown with a
// number already in the field, the window reads it at once.

#include "readings/reading_window.h"

namespace lumo::readings {

class TFrm_SJcs final : public ReadingWindow {
  Q_OBJECT
 public:
  explicit TFrm_SJcs(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<ResultLine> read(std::string_view fieldText) const override;

  bool m_shownOnce = false;
};

}  // namespace lumo::readings
