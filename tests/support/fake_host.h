#pragma once
// A main window stand-in for running commands: it owns a plain widget as the parent of
// the windows the commands open.
#include <QWidget>

#include "core/main_host_window.h"

namespace lumo::testing {

class FakeHost final : public MainHost {
 public:
  QWidget* window() override { return &m_main; }
  PanelInput panelInput() const override { return {}; }
  bool captureSubject(bool) override { return false; }
  Subject& subject() override { return m_subject; }
  void showReport(const Report&, const CommandResult&) override {}
  void focusSurname() override {}

  QWidget m_main;
  Subject m_subject;
};

}  // namespace lumo::testing
