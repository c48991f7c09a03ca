#include "calendar/clock.h"

#include <atomic>
#include <ctime>
#include <mutex>

namespace lumo {
namespace {
std::mutex g_mutex;
std::optional<Date> g_fixed;
}  // namespace

Date today() {
  {
    std::lock_guard lock(g_mutex);
    if (g_fixed) return *g_fixed;
  }
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void setToday(std::optional<Date> fixed) {
  std::lock_guard lock(g_mutex);
  g_fixed = fixed;
}

}  // namespace lumo
