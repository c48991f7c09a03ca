#include "core/report_output_window.h"

#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/notice_box_window.h"
#include "core/report_pdf.h"

namespace lumo {
namespace {

std::function<QString(QWidget*, const QString&)> g_pdfChooser;
std::function<SaveChoice(QWidget*, const QString&)> g_saveChooser;

const QString kGbkFilter = QStringLiteral("文本文件 (*.txt)");
const QString kUtf8Filter = QStringLiteral("UTF-8 文本 (*.txt)");

}  // namespace

std::vector<std::string> toStdLines(const QStringList& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const QString& line : lines) out.push_back(line.toStdString());
  return out;
}

void printReportLines(QWidget* parent, const QStringList& lines) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(18, 18, 18, 12), QPageLayout::Millimeter);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName("PrintPreview");
  preview.setWindowTitle(QStringLiteral("打印预览"));
  const auto report = toStdLines(lines);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&report](QPrinter* target) { renderReport(report, *target); });
  preview.exec();
}

QString exportReportPdf(QWidget* parent, const QString& proposedName, const QStringList& lines) {
  // A report without a name (or with one a file cannot carry) is proposed as 报告.pdf.
  QString base = proposedName.isEmpty() || proposedName.contains('*') ? QStringLiteral("报告") : proposedName;
  QString chosen = g_pdfChooser
                       ? g_pdfChooser(parent, base)
                       : QFileDialog::getSaveFileName(parent, QStringLiteral("导出PDF"), base + ".pdf",
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
  if (chosen.isEmpty()) return {};
  std::string path = withPdfExtension(chosen.toStdString());
  if (!writeReportPdf(toStdLines(lines), path)) {
    showError(parent, QStringLiteral("导出PDF失败：无法写入文件 ") + QString::fromStdString(path));
    return {};
  }
  return QString::fromStdString(path);
}

SaveChoice chooseTextSave(QWidget* parent, const QString& proposedName) {
  if (g_saveChooser) return g_saveChooser(parent, proposedName);
  QString selected = kGbkFilter;
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("保存"), proposedName,
                                              kGbkFilter + ";;" + kUtf8Filter, &selected);
  return {path, selected == kUtf8Filter ? TextEncoding::Utf8 : TextEncoding::Gbk};
}

void setPdfPathChooser(std::function<QString(QWidget*, const QString&)> chooser) {
  g_pdfChooser = std::move(chooser);
}
void setTextSaveChooser(std::function<SaveChoice(QWidget*, const QString&)> chooser) {
  g_saveChooser = std::move(chooser);
}

}  // namespace lumo
