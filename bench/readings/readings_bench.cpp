// Costs of the readings that run per key press or per click: the number entry, the phone
// key, the letter form of an 18-character net name, and building the pinyin table.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "data/gbk.h"
#include "readings/letters.h"
#include "readings/number_table.h"
#include "readings/phone_reading.h"

namespace {

using namespace lumo::readings;

// Every double-byte code with a reading, 393 syllables: the size of the real table.
const std::string& syntheticCodes() {
  static const std::string codes = [] {
    std::string out;
    char line[16];
    for (int lead = 0x81; lead <= 0xFE; ++lead)
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        std::snprintf(line, sizeof line, "%02X%02X\t%d\n", lead, trail, (lead * 191 + trail) % 393 + 1);
        out += line;
      }
    return out;
  }();
  return codes;
}

const std::string& syntheticSyllables() {
  static const std::string syllables = [] {
    std::string out;
    for (int i = 0; i < 393; ++i) out += std::string(1, static_cast<char>('a' + i % 26)) + "ang\n";
    return out;
  }();
  return syllables;
}

void BM_ReadNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadNumber("123456789012345678"));
}
BENCHMARK(BM_ReadNumber);

void BM_PhoneKey(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(shoujiinfostr("13912345678"));
}
BENCHMARK(BM_PhoneKey);

void BM_PinyinTableParse(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(PinyinTable::parse(syntheticSyllables(), syntheticCodes()));
}
BENCHMARK(BM_PinyinTableParse)->Unit(benchmark::kMillisecond);

void BM_NetNamePersonality(benchmark::State& state) {
  static const PinyinTable table = PinyinTable::parse(syntheticSyllables(), syntheticCodes());
  const std::string name = "王明①Ωabc小小的星星Ａ7王明";
  for (auto _ : state) benchmark::DoNotOptimize(NetNamePersonality(name, table));
}
BENCHMARK(BM_NetNamePersonality);

void BM_ToLettersLongText(benchmark::State& state) {
  static const PinyinTable table = PinyinTable::parse(syntheticSyllables(), syntheticCodes());
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "王明";
  const std::string bytes = lumo::gbk::fromUtf8(text);
  for (auto _ : state) benchmark::DoNotOptimize(ToLetters(bytes, table));
}
BENCHMARK(BM_ToLettersLongText);

}  // namespace

BENCHMARK_MAIN();
