#pragma once
// The text layer of a PDF written by Qt, mended for CJK fonts.
//
// Qt's PDF writer records, for each embedded glyph, the lowest code point the font maps to
// that glyph (the ToUnicode map). The Noto CJK fonts draw many ideographs with the same
// glyph as a Kangxi radical or a radical supplement character (生 and ⽣ U+2F63, 页 and ⻚
// U+2EDA), so copying or searching the PDF's text gives radicals instead of the characters
// shown. These functions map such radicals back to the ideograph the font shares the
// glyph with, in place, keeping every byte offset of the file.

#include <QByteArray>
#include <map>

class QFont;

namespace lumo {

// Radical code point -> the CJK unified ideograph drawn with the same glyph in `font`.
std::map<char16_t, char16_t> radicalIdeographs(const QFont& font);

// Rewrites the targets of every ToUnicode map (bfchar and bfrange entries) of the PDF by
// the table. Sources and all other bytes stay as they are; the length does not change.
void mendToUnicode(QByteArray& pdf, const std::map<char16_t, char16_t>& table);

}  // namespace lumo
