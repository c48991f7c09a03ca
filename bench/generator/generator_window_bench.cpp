// The naming window during the largest run (李, 男, 双字名, 电脑全自动): the window's
// batched hand-over against a straightforward version that sends every name to the
// window by itself, and the longest stall of the GUI thread's event loop meanwhile.
//
// A 1 ms timer measures the stalls: the largest gap between two of its ticks, less 1 ms,
// is the longest time the event loop could not answer the user.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <thread>

#include "generator/naming_run.h"
#include "generator/qiming_window.h"

namespace lumo {
namespace {

class StallMeter {
 public:
  StallMeter() {
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      qint64 now = m_clock.nsecsElapsed();
      m_longest = std::max(m_longest, now - m_last);
      m_last = now;
    });
    m_clock.start();
    m_timer.start(1);
  }
  double longestStallMs() const { return std::max<double>(0, m_longest / 1e6 - 1); }

 private:
  QTimer m_timer;
  QElapsedTimer m_clock;
  qint64 m_last = 0, m_longest = 0;
};

std::unique_ptr<TFrmQiming> preparedWindow() {
  auto window = std::make_unique<TFrmQiming>();
  window->show();
  window->findChild<QLineEdit*>("Xing")->setText("李");
  window->fillStrokeSchemes();
  return window;
}

void report(benchmark::State& state, TFrmQiming& window, double stall) {
  state.counters["names_listed"] = window.findChild<QListWidget*>("ListBox1")->count();
  state.counters["memo_lines"] = window.findChild<QPlainTextEdit*>("MemoSuccess")->blockCount();
  state.counters["max_stall_ms"] = stall;
}

void BM_WindowBatched(benchmark::State& state) {
  for (auto _ : state) {
    auto window = preparedWindow();
    QEventLoop loop;
    QObject::connect(window.get(), &TFrmQiming::runFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    StallMeter meter;
    window->findChild<QPushButton*>("Button1")->click();
    loop.exec();
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    report(state, *window, meter.longestStallMs());
  }
}
BENCHMARK(BM_WindowBatched)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Every name is queued to the GUI thread on its own.
class OneByOne final : public generator::RunOutput {
 public:
  OneByOne(QPlainTextEdit* memo, QListWidget* list) : m_memo(memo), m_list(list) {}
  void clearMemo() override {
    QMetaObject::invokeMethod(
        m_memo, [m = m_memo] { m->clear(); }, Qt::QueuedConnection);
  }
  void clearList() override {
    QMetaObject::invokeMethod(
        m_list, [l = m_list] { l->clear(); }, Qt::QueuedConnection);
  }
  void addMemoLine(std::string line) override {
    QMetaObject::invokeMethod(
        m_memo, [m = m_memo, text = QString::fromStdString(line)] { m->appendPlainText(text); },
        Qt::QueuedConnection);
  }
  void addListItem(std::string name) override {
    QMetaObject::invokeMethod(
        m_list, [l = m_list, text = QString::fromStdString(name)] { l->addItem(text); },
        Qt::QueuedConnection);
  }
  void progress(std::size_t, std::size_t) override {}

 private:
  QPlainTextEdit* m_memo;
  QListWidget* m_list;
};

void BM_WindowOneByOne(benchmark::State& state) {
  for (auto _ : state) {
    auto window = preparedWindow();
    auto* memo = window->findChild<QPlainTextEdit*>("MemoSuccess");
    auto* list = window->findChild<QListWidget*>("ListBox1");
    generator::RunSettings settings;
    settings.options.surname = "李";
    auto* schemes = window->findChild<QComboBox*>("CBCode");
    for (int i = 1; i < schemes->count(); ++i) settings.schemes.push_back(schemes->itemText(i).toStdString());
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    StallMeter meter;
    std::thread worker([&] {
      db::Connection connection(db::DbFile::Voduzid);
      generator::LiveSettings live(settings);
      std::atomic<bool> flag{true};
      OneByOne out(memo, list);
      generator::GenerateNames(connection, live, flag, out);
      QMetaObject::invokeMethod(
          &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    report(state, *window, meter.longestStallMs());
  }
}
BENCHMARK(BM_WindowOneByOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace lumo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
