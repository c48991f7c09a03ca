#include "core/pdf_text_map.h"

#include <QFont>
#include <QRawFont>
#include <QString>

namespace lumo {
namespace {

// The four hex digits of `<XXXX>` starting at `at`, or -1.
int hexToken(const QByteArray& pdf, qsizetype at) {
  if (at + 6 > pdf.size() || pdf[at] != '<' || pdf[at + 5] != '>') return -1;
  bool ok = false;
  int value = pdf.mid(at + 1, 4).toInt(&ok, 16);
  return ok ? value : -1;
}

// Mends one section (between begin and end keyword); `sources` hex tokens open each line.
void mendSection(QByteArray& pdf, qsizetype from, qsizetype to, int sources,
                 const std::map<char16_t, char16_t>& table) {
  int seenOnLine = 0;
  for (qsizetype i = from; i < to; ++i) {
    if (pdf[i] == '\n') seenOnLine = 0;
    if (pdf[i] != '<') continue;
    int value = hexToken(pdf, i);
    if (value < 0) continue;
    if (seenOnLine++ >= sources) {
      auto found = table.find(static_cast<char16_t>(value));
      if (found != table.end())
        pdf.replace(i + 1, 4, QByteArray::number(found->second, 16).rightJustified(4, '0').toUpper());
    }
    i += 5;
  }
}

void mendSections(QByteArray& pdf, const char* begin, const char* end, int sources,
                  const std::map<char16_t, char16_t>& table) {
  for (qsizetype at = pdf.indexOf(begin); at >= 0; at = pdf.indexOf(begin, at + 1)) {
    qsizetype stop = pdf.indexOf(end, at);
    if (stop < 0) return;
    mendSection(pdf, at, stop, sources, table);
  }
}

}  // namespace

std::map<char16_t, char16_t> radicalIdeographs(const QFont& font) {
  QRawFont raw = QRawFont::fromFont(font);
  std::map<char16_t, char16_t> table;
  if (!raw.isValid()) return table;
  QString ideographs;
  for (char16_t u = 0x4E00; u <= 0x9FFF; ++u) ideographs += QChar(u);
  QList<quint32> glyphs = raw.glyphIndexesForString(ideographs);
  std::map<quint32, char16_t> byGlyph;
  for (qsizetype i = 0; i < glyphs.size(); ++i)
    if (glyphs[i] != 0) byGlyph.emplace(glyphs[i], ideographs[i].unicode());
  // CJK Radicals Supplement and Kangxi Radicals.
  QString radicals;
  for (char16_t r = 0x2E80; r <= 0x2FDF; ++r) radicals += QChar(r);
  QList<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
  for (qsizetype i = 0; i < radicalGlyphs.size(); ++i) {
    auto found = byGlyph.find(radicalGlyphs[i]);
    if (radicalGlyphs[i] != 0 && found != byGlyph.end()) table.emplace(radicals[i].unicode(), found->second);
  }
  return table;
}

void mendToUnicode(QByteArray& pdf, const std::map<char16_t, char16_t>& table) {
  mendSections(pdf, "beginbfchar", "endbfchar", 1, table);
  mendSections(pdf, "beginbfrange", "endbfrange", 2, table);
}

}  // namespace lumo
