#pragma once
// TFrmNote: one article of the note table in a read-only pane under a strip with
// "打印", "设置.." and "关闭"; the caption is the article's title ("算命" without one).

#include <QDialog>
#include <QString>

class QTextEdit;

namespace lumo::readings {

class TFrmNote final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmNote(QWidget* parent = nullptr);
  // Loads the article of `code`; throws CommandStopped when the table cannot be read.
  void load(const QString& code);
  QString code() const { return m_code; }
  QTextEdit* pane() const { return m_pane; }

 private:
  QString m_code;
  QTextEdit* m_pane = nullptr;
};

// ShowNote: a new note window with the article, centred and shown without blocking.
// When the table cannot be read nothing is shown and nullptr comes back.
TFrmNote* ShowNote(const QString& code, QWidget* parent);

}  // namespace lumo::readings
