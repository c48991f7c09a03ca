#include "core/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/pdf_text_map.h"

namespace lumo {
namespace {

const QString kHeading = QStringLiteral("Lumo生辰八字取名软件");

QFont reportFont(double points) {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  return font;
}

// The heading, an empty line, then one block per report line.
void fillDocument(QTextDocument& doc, const std::vector<std::string>& lines) {
  QTextCursor cursor(&doc);
  QTextCharFormat heading;
  heading.setFont(reportFont(14));
  heading.setFontWeight(QFont::Bold);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setBottomMargin(12);
  cursor.setBlockFormat(centred);
  cursor.insertText(kHeading, heading);
  QTextCharFormat body;
  body.setFont(reportFont(10.5));
  QTextBlockFormat plain;
  for (const auto& line : lines) {
    cursor.insertBlock(plain, body);
    cursor.insertText(QString::fromStdString(line));
  }
}

}  // namespace

int renderReport(const std::vector<std::string>& lines, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(&device);
  doc.setDocumentMargin(0);
  doc.setDefaultFont(reportFont(10.5));
  QTextOption wrap = doc.defaultTextOption();
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  doc.setDefaultTextOption(wrap);
  fillDocument(doc, lines);

  const QFont footerFont = reportFont(9);
  const double footerHeight = QFontMetricsF(footerFont, &device).height() * 2;
  const double width = device.width();
  const double bodyHeight = device.height() - footerHeight;
  doc.setPageSize(QSizeF(width, bodyHeight));
  const int pages = doc.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    const QRectF slice(0, page * bodyHeight, width, bodyHeight);
    painter.save();
    painter.translate(0, -slice.top());
    painter.setClipRect(slice);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = slice;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(footerFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, bodyHeight, width, footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
  }
  painter.end();
  return pages;
}

bool writeReportPdf(const std::vector<std::string>& lines, const std::string& path) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(kHeading);
    writer.setCreator(kHeading);
    if (renderReport(lines, writer) == 0) return false;
  }
  // The text layer must read as the page shows it (copy, search, pdftotext).
  static const auto radicals = radicalIdeographs(reportFont(10.5));
  mendToUnicode(pdf, radicals);
  // QSaveFile writes beside the target and renames on commit: a failed export leaves no file.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return false;
  return file.commit();
}

std::string withPdfExtension(const std::string& name) {
  auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  if (name.size() >= 4) {
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = lower(c);
    if (tail == ".pdf") return name;
  }
  return name + ".pdf";
}

}  // namespace lumo
