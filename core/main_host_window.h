#pragma once
// What a command may ask of the main window. Feature windows see the main window only
// through this interface, so they do not depend on its layout.

#include <QString>
#include <optional>

#include "core/chart_options.h"
#include "core/report.h"
#include "core/subject.h"

class QWidget;

namespace lumo {

class MainHost {
 public:
  virtual ~MainHost() = default;
  virtual QWidget* window() = 0;
  // The panel's texts as typed.
  virtual PanelInput panelInput() const = 0;
  // Runs capture subject; shows its notice or error and returns false when it stops.
  virtual bool captureSubject(bool requireGivenName) = 0;
  virtual Subject& subject() = 0;
  // The birthplace and chart options of the BaZi report; a host without them has none.
  virtual bazi::ChartOptions chartOptions() const { return {}; }
  // Clears the report pane, writes the report's lines, shows the pane at its first line;
  // an error outcome shows an error box, a notice the notice box.
  virtual void showReport(const Report& report, const CommandResult& result) = 0;
  virtual void focusSurname() = 0;
};

}  // namespace lumo
