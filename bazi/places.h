#pragma once
// The birthplaces that the true-solar-time correction knows: province, city, longitude
// and latitude, compiled into the program from resources/places/places.tsv. The list is
// read once, on first use, and never changes. Texts are UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace lumo::bazi {

struct Place {
  std::string province, city;
  double longitude = 0;  // degrees east
  double latitude = 0;   // degrees north
};

// Every place in the order of the list (provinces in the order of their codes).
const std::vector<Place>& allPlaces();
// The provinces in list order, each once.
std::vector<std::string> provinceNames();
// The cities of a province in list order; empty for an unknown province.
std::vector<std::string> cityNames(const std::string& province);

// The place a typed text names: a city with or without its last character 市 ("乌鲁木齐"
// or "乌鲁木齐市"), optionally after its province and a blank or "/" ("新疆 乌鲁木齐").
// nullopt when no place matches, or when a bare city name is found in two provinces.
std::optional<Place> findPlace(const std::string& text);

}  // namespace lumo::bazi
