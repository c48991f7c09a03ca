#pragma once
// TFrmQiming, the automatic naming window ("起名宝典").
//
// It keeps the scheme list (CBCode) of the typed surname, runs one naming run at a time
// on a worker thread (TMythread) and shows its names: all of them six to a line in
// MemoSuccess, the high scorers in ListBox1. The worker never touches a widget: it reads
// the options from a copy the window publishes on every change, and its names come back
// through a queue that a timer drains in batches on the GUI thread, in the run's order.
// Closing the window (or destroying it) stops, interrupts and joins the worker first.

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "data/query.h"
#include "generator/naming_worker.h"
#include "generator/stroke_schemes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace lumo {

// What a double-click on a high-score name passes to the name analysis.
struct NameAnalysisRequest {
  QString surname, sex, year, given;
  int calendarIndex = 0;
  QString minute, hour, day, month;
};

class TFrmQiming final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmQiming(QWidget* parent = nullptr);
  ~TFrmQiming() override;

  void fillStrokeSchemes();  // FillStrokeSchemes, when the surname is not empty
  void startRun();           // "马上起名"
  void stopRun();            // "停止起名"
  void copyHighScores();     // "复制高分名字"
  void openAnalysis();       // double-click on ListBox1
  bool running() const;

  // Tests: replaces the opening of the name analysis window.
  using AnalysisOpener = std::function<void(QWidget* parent, const NameAnalysisRequest&)>;
  static void setAnalysisOpener(AnalysisOpener opener);

 signals:
  // A run has ended and everything it produced is on the screen.
  void runFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public slots:
  void done(int result) override;

 private:
  QWidget* buildBirthRow();
  QWidget* buildOptionRow();
  QWidget* buildSchemeRow();
  QWidget* buildButtonRow();
  QWidget* buildResults();
  void connectTriggers();
  void leftField(QObject* field);
  void formChanged();
  generator::SchemeListOptions listOptions() const;
  generator::NamingOptions namingOptions() const;
  void publishSettings();
  db::Connection& connection();
  void drainQueue();
  void applyEvents(std::vector<generator::RunEvent> events);
  void endWorker(bool showPending);
  bool checkSurname();
  void reportEnd(generator::RunEnd end);

  QLineEdit* m_xing = nullptr;
  QComboBox* m_sex = nullptr;
  QComboBox* m_comDate = nullptr;
  QComboBox* m_year = nullptr;
  QComboBox* m_month = nullptr;
  QComboBox* m_day = nullptr;
  QComboBox* m_hour = nullptr;
  QComboBox* m_minute = nullptr;
  QComboBox* m_form = nullptr;
  QCheckBox* m_fixedBox = nullptr;
  QComboBox* m_fixedPlace = nullptr;
  QLineEdit* m_fixedChar = nullptr;
  std::array<QCheckBox*, 5> m_elements{};
  QComboBox* m_schemes = nullptr;
  QCheckBox* m_minBox = nullptr;
  QLineEdit* m_minScore = nullptr;
  QCheckBox* m_highBox = nullptr;
  QLineEdit* m_threshold = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_stop = nullptr;
  QPushButton* m_close = nullptr;
  QPushButton* m_copy = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_status = nullptr;  // how the last run ended
  std::size_t m_namesShown = 0;
  bool m_stopAsked = false;
  QPlainTextEdit* m_memo = nullptr;
  QListWidget* m_list = nullptr;
  QTimer m_drainTimer;

  std::unique_ptr<db::Connection> m_connection;  // strokes and schemes, GUI thread only
  std::shared_ptr<generator::LiveSettings> m_settings;
  std::shared_ptr<generator::RunQueue> m_queue;
  std::unique_ptr<generator::TMythread> m_worker;
};

// Opens the naming window modally; one instance lives while it is open, and closing it
// drops it, so the next opening starts from the defaults.
void showNamingWindow(QWidget* parent);

}  // namespace lumo
