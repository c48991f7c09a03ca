#pragma once
// GBK, the byte encoding in which the program counts name parts, slices and padding.
//
// Text is UTF-8 everywhere inside the program. Where a rule counts bytes (a name part
// below 3 bytes is one character, names are padded to 16 bytes, the element lookup cuts
// 2-byte slices), the text is converted to GBK, cut there, and converted back. A slice
// that cuts a character in half comes back with U+FFFD in place of each stray byte, so
// it finds nothing in the dictionary, as half a character should.

#include <string>
#include <string_view>
#include <vector>

namespace lumo::gbk {

// UTF-8 -> GBK bytes. Characters GBK cannot encode become "?".
std::string fromUtf8(std::string_view utf8);
// The characters of the text that GBK cannot encode, each once, in order of appearance
// (a byte that is not valid UTF-8 counts as one such character, shown as U+FFFD).
std::vector<std::string> unencodable(std::string_view utf8);
// GBK bytes -> UTF-8. Bytes that do not form a GBK character become U+FFFD each.
std::string toUtf8(std::string_view gbkBytes);

// Length of the text in GBK bytes.
std::size_t byteLength(std::string_view utf8);
// Bytes [start, start + count) of the GBK form (0-based), back as UTF-8.
std::string slice(std::string_view utf8, std::size_t start, std::size_t count);

}  // namespace lumo::gbk
