#pragma once
// The report pane on its way out of a window: "打印" (print dialog with a preview),
// "导出PDF" and the file types of "保存". The main window and the name analysis window
// share these, and the PDF comes from the same renderer as lumo-cli's --pdf.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/record_file.h"

class QWidget;

namespace lumo {

// Opens the print preview of the lines; its print button leads to the print dialog.
void printReportLines(QWidget* parent, const QStringList& lines);

// Asks for a PDF file name (proposed from `proposedName`) and writes the lines there;
// a failed write shows an error box. Returns the path written, or "" (cancel, failure).
QString exportReportPdf(QWidget* parent, const QString& proposedName, const QStringList& lines);

// The save dialog's choice: the path ("" for cancel) and the file type picked.
struct SaveChoice {
  QString path;
  TextEncoding encoding = TextEncoding::Gbk;
};
// The save dialog with the types "文本文件 (*.txt)" (GBK, the default) and "UTF-8 文本 (*.txt)".
SaveChoice chooseTextSave(QWidget* parent, const QString& proposedName);

// Tests: replace the file dialogs. A chooser returns what the user would have picked.
void setPdfPathChooser(std::function<QString(QWidget*, const QString&)> chooser);
void setTextSaveChooser(std::function<SaveChoice(QWidget*, const QString&)> chooser);

std::vector<std::string> toStdLines(const QStringList& lines);

}  // namespace lumo
