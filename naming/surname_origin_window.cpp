// The surname origin window: list, search, text pane.
#include "naming/surname_origin_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/notice_box_window.h"
#include "data/read_failure.h"
#include "naming/surname_origin.h"

namespace lumo {

TFrmNameCome::TFrmNameCome(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TFrmNameCome");
  setWindowTitle(QStringLiteral("姓氏起源"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("请输入姓氏或选择："), this));
  m_surnames = new QComboBox(this);
  m_surnames->setObjectName("ComboBox1");
  m_surnames->setEditable(true);
  m_surnames->setMinimumWidth(120);
  row->addWidget(m_surnames);
  auto* searchButton = new QPushButton(QStringLiteral("开始搜索"), this);
  auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
  connect(searchButton, &QPushButton::clicked, this, [this] { search(); });
  connect(closeButton, &QPushButton::clicked, this, [this] { close(); });
  row->addWidget(searchButton);
  row->addWidget(closeButton);
  row->addStretch();
  layout->addLayout(row);
  m_pane = new QPlainTextEdit(this);
  m_pane->setObjectName("Memo1");
  m_pane->setReadOnly(true);
  m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(m_pane, 1);
  resize(520, 420);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  fillList();
}

TFrmNameCome::~TFrmNameCome() = default;

db::Connection& TFrmNameCome::connection() {
  if (!m_connection) m_connection = std::make_unique<db::Connection>(db::DbFile::KelBirth);
  return *m_connection;
}

void TFrmNameCome::fillList() {
  try {
    std::vector<std::string> names = naming::SurnameList(connection());
    if (names.empty()) return;
    m_surnames->clear();
    for (const auto& name : names) m_surnames->addItem(QString::fromStdString(name));
    m_surnames->setCurrentIndex(-1);
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void TFrmNameCome::search() {
  try {
    QString typed = m_surnames->currentText().trimmed();
    naming::OriginSearch found = naming::SearchOrigin(connection(), typed.toStdString());
    if (found.action == naming::OriginSearch::Clear) {
      m_pane->clear();
      showNotice(this, QStringLiteral("请在框中输入一个姓氏，或从下拉列表中选择，再点“开始搜索”。"));
    } else if (found.action == naming::OriginSearch::Keep) {
      showNotice(
          this,
          QStringLiteral("没有找到“%1”姓的起源：请从下拉列表中选择一个姓氏，例如“李”或“欧阳”。").arg(typed));
    } else {
      m_pane->setPlainText(QString::fromStdString(found.text));
    }
  } catch (const std::exception& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

TFrmNameCome* ShowSurnameOrigin(QWidget* parent) {
  auto* window = new TFrmNameCome(parent);
  window->show();
  return window;
}

}  // namespace lumo
