#pragma once
// TFrmQiming, the automatic naming window ("起名宝典").
//
// It keeps the scheme list (CBCode) of the typed surname, runs one naming run at a time
// on a worker thread (TMythread) and shows its names: all of them six to a line in
// MemoSuccess, the high scorers in ListBox1. The worker never touches a widget: it reads
// the options from a copy the window publishes on every change, and its names come back
// through a queue that a timer drains in batches on the GUI thread, in the run's order.
// Closing the window (or destroying it) stops, interrupts and joins the worker first.
// The tab "推荐名字" shows the run's recommended names, which the worker ranks after the
// run and hands over beside the queue; selecting one explains it under the list. The
// birth fields rank the names by the child's elements once they describe a real birth:
// set from the main window's subject (startWith) or changed by the user.
// With "名字来源" set to 诗经 or 楚辞 the list holds only names drawn from that work.

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/birth_moment.h"
#include "data/query.h"
#include "generator/naming_worker.h"
#include "generator/recommended_name.h"
#include "generator/stroke_schemes.h"
#include "naming/name_analysis_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class QProgressBar;
class QPushButton;

namespace lumo {

class BirthInputRow;

// The subject of the main window's last analysis, which a new naming window starts with.
struct NamingStart {
  QString surname;
  BirthMoment birth;
};

class TFrmQiming final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmQiming(QWidget* parent = nullptr);
  ~TFrmQiming() override;

  // Fills the surname, sex and birth moment; the birth moment then counts as known.
  void startWith(const NamingStart& start);

  void fillStrokeSchemes();        // FillStrokeSchemes, when the surname is not empty
  void startRun();                 // "马上起名"
  void stopRun();                  // "停止起名"
  void copyHighScores();           // "复制高分名字"
  void openAnalysis();             // double-click on ListBox1
  void openRecommendedAnalysis();  // double-click on the recommended list
  void explainRecommended();       // the selected recommended name, under the list
  bool running() const;

  // Tests: replaces the opening of the name analysis window, which a double-click on a
  // high-score or recommended name asks for.
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
  QWidget* buildRecommendedPage(QTabWidget* tabs);
  void openAnalysisOf(const QString& given);
  generator::ElementNeed elementNeed() const;
  void showRecommended(std::vector<generator::RecommendedName> names);
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

  BirthInputRow* m_birth = nullptr;  // the fields below up to m_minute are its own
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
  QComboBox* m_source = nullptr;  // 名字来源: 不限, 诗经, 楚辞
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
  QListWidget* m_recommendList = nullptr;
  QPlainTextEdit* m_explain = nullptr;
  QTimer m_drainTimer;
  bool m_birthKnown = false;         // the birth fields were set from a subject or by the user
  generator::ElementNeed m_runNeed;  // the element need of the run whose names are listed
  std::vector<generator::RecommendedName> m_recommended;

  std::unique_ptr<db::Connection> m_connection;  // strokes and schemes, GUI thread only
  std::shared_ptr<generator::LiveSettings> m_settings;
  std::shared_ptr<generator::RunQueue> m_queue;
  std::unique_ptr<generator::TMythread> m_worker;
};

// Opens the naming window modally; one instance lives while it is open, and closing it
// drops it, so the next opening starts from the defaults, or from `start` when given.
void showNamingWindow(QWidget* parent, const std::optional<NamingStart>& start = std::nullopt);

}  // namespace lumo
