#pragma once
// TFrmmain, the one main window: menu bar, header band with the input panel and the
// command buttons, the left column of reading buttons, the report pane and the status
// bar marquee. It holds the subject record; commands reach it through MainHost.

#include <QMainWindow>
#include <functional>

#include "core/main_host_window.h"

class QPlainTextEdit;
class QAction;
class QPushButton;
class QLabel;

namespace lumo {

class InputPanel;
class BirthplacePanel;

class MainWindow final : public QMainWindow, public MainHost {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // MainHost
  QWidget* window() override { return this; }
  PanelInput panelInput() const override;
  bool captureSubject(bool requireGivenName) override;
  Subject& subject() override { return m_subject; }
  bazi::ChartOptions chartOptions() const override;
  void showReport(const Report& report, const CommandResult& result) override;
  void focusSurname() override;

  void newReading();  // "新建测算"
  void setReportLines(const std::vector<std::string>& lines);
  QPlainTextEdit* reportPane() const { return m_pane; }
  // Runs a command by its caption (tests, and every button and menu item).
  void runCommand(const QString& caption);
  bool commandEnabled(const QString& caption) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildHeader();
  QWidget* buildLeftColumn();
  QWidget* buildReportArea();
  void buildMenus();
  void startMarquee();
  QPushButton* commandButton(const char* caption, QWidget* parent);

  InputPanel* m_panel = nullptr;
  BirthplacePanel* m_birthplace = nullptr;
  QPlainTextEdit* m_pane = nullptr;
  QLabel* m_marquee = nullptr;
  Subject m_subject;
};

// The close sequence's last step, after the lock file is removed (tests replace it).
void setAfterCloseHook(std::function<void()> hook);

}  // namespace lumo
