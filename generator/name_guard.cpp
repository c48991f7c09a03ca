#include "generator/name_guard.h"

#include <algorithm>
#include <array>

#include "generator/pinyin.h"

namespace lumo::generator {
namespace {

// Up to four syllable numbers of 15 bits each, with the count in the top bits.
template <typename Id>
std::uint64_t pack(std::size_t count, Id id) {
  std::uint64_t key = count;
  for (std::size_t i = 0; i < count; ++i) key = (key << 15) | id(i);
  return key;
}

constexpr std::size_t kLongestWord = 4;

// The code point at byte `i` of UTF-8 text; `i` moves past it.
char32_t decodeAt(std::string_view s, std::size_t& i) {
  auto b = static_cast<unsigned char>(s[i]);
  std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
  for (std::size_t k = 1; k < length && i + k < s.size(); ++k)
    c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += length;
  return c;
}

}  // namespace

std::vector<char32_t> codePointsOf(std::string_view s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) out.push_back(decodeAt(s, i));
  return out;
}

NameGuard::NameGuard(const GuardData& data, const NamingOptions& options)
    : m_data(data), m_surname(codePointsOf(options.surname)), m_girl(options.sex == Sex::Female) {
  for (char32_t c : m_surname) m_surnameBytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  if (options.fixedTicked) {
    auto fixed = codePointsOf(options.fixedChar);
    if (!fixed.empty()) m_fixed = fixed.front();
  }
  for (const auto& [c, info] : data.characters) m_characterSounds[c] = soundOf(info.reading);
  // The surname as a whole (尉迟), else character by character (a surname of two
  // single surnames), else the characters' common readings.
  auto whole = data.surnameReadings.find(options.surname);
  std::vector<std::string> readings;
  if (whole != data.surnameReadings.end()) readings = syllablesOf(whole->second);
  if (readings.size() != m_surname.size()) {
    readings.clear();
    for (std::size_t i = 0, at = 0; i < m_surname.size(); ++i) {
      std::size_t length = i + 1 < m_surname.size() ? 3 : options.surname.size() - at;
      std::string one = options.surname.substr(at, length);
      at += length;
      auto own = data.surnameReadings.find(one);
      if (own != data.surnameReadings.end()) {
        readings.push_back(own->second);
      } else {
        auto c = data.characters.find(m_surname[i]);
        readings.push_back(c == data.characters.end() ? "" : c->second.reading);
      }
    }
  }
  for (const auto& r : readings) m_surnameSounds.push_back(soundOf(r));
  for (const auto& word : data.unluckyReadings) {
    auto syllables = syllablesOf(word);
    if (syllables.size() < 2 || syllables.size() > kLongestWord) continue;
    std::vector<Sound> sounds;
    Tones tones;
    for (const auto& s : syllables) sounds.push_back(soundOf(s)), tones.push_back(sounds.back().tone);
    m_unlucky[pack(sounds.size(), [&](std::size_t i) { return sounds[i].id; })].push_back(std::move(tones));
  }
}

NameGuard::Sound NameGuard::soundOf(const std::string& reading) {
  if (reading.empty()) return {};
  auto [it, added] = m_syllableIds.emplace(toneless(reading), 0);
  if (added) it->second = static_cast<std::uint32_t>(m_syllableIds.size());
  return {it->second, toneOf(reading)};
}

NameGuard::Sound NameGuard::characterSound(char32_t c) const {
  auto it = m_characterSounds.find(c);
  return it == m_characterSounds.end() ? Sound{} : it->second;
}

bool NameGuard::soundsUnlucky(const Sound* sounds, std::size_t count, std::size_t surnameLength) const {
  // Every span of two or more syllables that reaches into the given name.
  for (std::size_t end = surnameLength + 1; end <= count; ++end) {
    for (std::size_t start = end >= kLongestWord ? end - kLongestWord : 0; start + 2 <= end; ++start) {
      const Sound* span = sounds + start;
      std::size_t length = end - start;
      if (std::any_of(span, span + length, [](const Sound& s) { return s.id == 0; })) continue;
      auto hit = m_unlucky.find(pack(length, [&](std::size_t i) { return span[i].id; }));
      if (hit == m_unlucky.end()) continue;
      for (const Tones& tones : hit->second) {
        int changed = 0;
        for (std::size_t i = 0; i < length; ++i)
          changed += tones[i] != 0 && span[i].tone != 0 && tones[i] != span[i].tone;
        if (changed <= 1) return true;
      }
    }
  }
  return false;
}

bool NameGuard::admits(std::string_view name) const {
  std::string_view body = name.substr(0, name.find('('));
  if (body.size() < m_surnameBytes) return true;
  // A run's names hold at most two given characters; the buffers leave room to spare
  // and anything longer is checked on its first characters.
  constexpr std::size_t kMostGiven = 6;
  std::array<char32_t, kMostGiven> given{};
  std::size_t count = 0;
  for (std::size_t at = m_surnameBytes; at < body.size() && count < kMostGiven;)
    given[count++] = decodeAt(body, at);
  if (count == 0) return true;

  for (std::size_t i = 0; i < count; ++i) {
    char32_t c = given[i];
    if (std::find(m_surname.begin(), m_surname.end(), c) != m_surname.end()) return false;
    if (c != m_fixed && m_data.commonSurnames.count(c)) {
      auto info = m_data.characters.find(c);
      if (info == m_data.characters.end() || !info->second.nameSet) return false;
    }
  }
  if (count == 2 && given[0] == given[1]) {
    auto info = m_data.characters.find(given[0]);
    if (!m_girl || info == m_data.characters.end() || !info->second.doubled) return false;
  }
  std::array<Sound, kMostGiven + 4> sounds{};
  std::size_t heard = std::min(m_surnameSounds.size(), std::size_t{4});
  std::copy_n(m_surnameSounds.begin(), heard, sounds.begin());
  for (std::size_t i = 0; i < count; ++i) sounds[heard + i] = characterSound(given[i]);
  return !soundsUnlucky(sounds.data(), heard + count, heard);
}

}  // namespace lumo::generator
