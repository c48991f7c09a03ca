#include "data/unscramble.h"

#include <cmath>
#include <vector>

namespace lumo::db {
namespace {

std::function<void()> g_badPairSignal;

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A pair may be one digit long at the end of an odd-length text; it still reads as hex.
int pairValue(std::string_view pair) {
  if (pair.empty()) return -1;
  int value = 0;
  for (char c : pair) {
    int d = hexDigit(c);
    if (d < 0) return -1;
    value = value * 16 + d;
  }
  return value;
}

}  // namespace

void SetBadPairSignal(std::function<void()> signal) {
  g_badPairSignal = std::move(signal);
}

std::string UnscrambleStoredText(std::string_view stored, unsigned key, int rounds) {
  // Half the length, halves rounded to the even neighbour.
  auto pairs = static_cast<std::size_t>(std::nearbyint(static_cast<double>(stored.size()) / 2.0));
  std::vector<unsigned char> b;
  for (std::size_t i = 0; i < pairs; ++i) {
    std::size_t at = 2 * i;
    int v = at < stored.size() ? pairValue(stored.substr(at, 2)) : -1;
    if (v < 0) {
      if (g_badPairSignal) g_badPairSignal();
      continue;
    }
    b.push_back(static_cast<unsigned char>(v));
  }
  if (b.empty()) return {};
  const unsigned char kh = (key >> 8) & 0xFF, kl = key & 0xFF;
  const std::size_t n = b.size();
  for (int r = 0; r < rounds; ++r) {
    for (std::size_t i = 1; i < n; ++i) b[i] = static_cast<unsigned char>(((b[i - 1] + b[i]) & 0xFF) ^ kh);
    for (std::size_t i = n - 1; i-- > 0;) b[i] = static_cast<unsigned char>(((b[i + 1] + b[i]) & 0xFF) ^ kl);
  }
  return std::string(b.begin(), b.end());
}

std::string ScrambleStoredText(std::string_view bytes, unsigned key, int rounds) {
  std::vector<unsigned char> b(bytes.begin(), bytes.end());
  const unsigned char kh = (key >> 8) & 0xFF, kl = key & 0xFF;
  const std::size_t n = b.size();
  for (int r = 0; r < rounds && n > 0; ++r) {
    // Undo the backward pass: each byte was mixed with its already final right neighbour.
    for (std::size_t i = 0; i + 1 < n; ++i)
      b[i] = static_cast<unsigned char>(((b[i] ^ kl) - b[i + 1]) & 0xFF);
    // Undo the forward pass, right to left, so the left neighbour is still the mixed one.
    for (std::size_t i = n - 1; i >= 1; --i)
      b[i] = static_cast<unsigned char>(((b[i] ^ kh) - b[i - 1]) & 0xFF);
  }
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : b) {
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 15]);
  }
  return out;
}

}  // namespace lumo::db
