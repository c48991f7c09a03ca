#include "bazi/places.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "core/text.h"

namespace lumo::embedded {
extern const std::string_view place_list;
}

namespace lumo::bazi {
namespace {

constexpr std::string_view kCitySuffix = "市";

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> out;
  while (true) {
    std::size_t tab = line.find('\t');
    out.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return out;
    line.remove_prefix(tab + 1);
  }
}

double degrees(std::string_view text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::vector<Place> parsedList() {
  std::vector<Place> places;
  std::string_view text = embedded::place_list;
  bool header = true;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto f = fields(line);
    if (std::exchange(header, false) || f.size() < 4) continue;
    places.push_back({std::string(f[0]), std::string(f[1]), degrees(f[2]), degrees(f[3])});
  }
  return places;
}

std::string_view withoutSuffix(std::string_view city) {
  if (city.size() > kCitySuffix.size() && city.ends_with(kCitySuffix)) city.remove_suffix(kCitySuffix.size());
  return city;
}

bool cityMatches(const Place& p, std::string_view city) {
  return p.city == city || withoutSuffix(p.city) == withoutSuffix(city);
}

// Splits "province city" or "province/city"; a text without a separator is a city, unless
// it begins with a province name ("新疆乌鲁木齐").
std::pair<std::string, std::string> splitPlaceText(const std::string& text) {
  std::size_t cut = text.find_first_of(" /");
  if (cut != std::string::npos) return {trimmed(text.substr(0, cut)), trimmed(text.substr(cut + 1))};
  for (const std::string& province : provinceNames())
    if (text.size() > province.size() && text.starts_with(province))
      return {province, text.substr(province.size())};
  return {"", text};
}

}  // namespace

const std::vector<Place>& allPlaces() {
  static const std::vector<Place> places = parsedList();
  return places;
}

std::vector<std::string> provinceNames() {
  std::vector<std::string> names;
  for (const Place& p : allPlaces())
    if (names.empty() || names.back() != p.province) names.push_back(p.province);
  return names;
}

std::vector<std::string> cityNames(const std::string& province) {
  std::vector<std::string> names;
  for (const Place& p : allPlaces())
    if (p.province == province) names.push_back(p.city);
  return names;
}

std::optional<Place> findPlace(const std::string& text) {
  auto [province, city] = splitPlaceText(trimmed(text));
  if (city.empty()) return std::nullopt;
  std::optional<Place> found;
  for (const Place& p : allPlaces()) {
    if (!province.empty() && p.province != province) continue;
    if (!cityMatches(p, city)) continue;
    if (found) return std::nullopt;
    found = p;
  }
  return found;
}

}  // namespace lumo::bazi
