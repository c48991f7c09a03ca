#pragma once
// Reports on paper. One renderer lays out a report's lines on A4 pages for the PDF export
// of the windows and of lumo-cli and for the print dialog, so every copy looks the same:
// the program's name as a heading, the lines in the program's serif CJK font (long lines
// wrap, leading blanks stay), and "第 n 页，共 m 页" under each page.
//
// Needs a QGuiApplication (fonts); lumo-cli makes an offscreen one before it renders.

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace lumo {

// Paints the report on the device, one page after another. Returns the number of pages,
// or 0 when the device could not be painted on.
int renderReport(const std::vector<std::string>& lines, QPagedPaintDevice& device);

// Writes the report as an A4 PDF with its fonts embedded, completely or not at all.
// Returns false when the file could not be written.
bool writeReportPdf(const std::vector<std::string>& lines, const std::string& path);

// The file name to export under: ".pdf" appended unless the name already ends in it.
std::string withPdfExtension(const std::string& name);

}  // namespace lumo
