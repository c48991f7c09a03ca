#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef LUMO_VERSION
#define LUMO_VERSION "1.0"
#endif

namespace lumo {
namespace {

const char* const kDescription =
    "Lumo 根据出生的年、月、日、时排出四柱八字，写出五行旺衰、大运流年、称骨和生日性格；"
    "按笔画算出姓名的五格与三才并给出评分；可按姓氏、性别、五行和字形自动起名；"
    "另有万年历、黄道吉日，以及QQ号码、手机号码、网名等小测算。"
    "这些都是传统命理的说法，结果仅供参考和消遣，请勿当作人生决定的依据。";

const char* const kLicences =
    "<b>随附软件与数据的许可：</b><br>"
    "Qt 6 — GNU LGPL-3.0<br>"
    "SQLite — 公有领域（Public Domain）<br>"
    "Unicode 字符数据（Unihan）— Unicode 许可协议（Unicode License v3）<br>"
    "libnova — GNU LGPL，仅在构建时用于计算节气与历表<br>"
    "Noto CJK 字体 — SIL Open Font License 1.1（OFL）<br>"
    "npm 包 chinese-poetry（古典诗文）— MIT 许可";

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAbout");
  setWindowTitle(QStringLiteral("关于系统"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(
      QStringLiteral("<b>Lumo生辰八字取名软件</b>　版本 %1").arg(QStringLiteral(LUMO_VERSION)), this);
  title->setObjectName("lblTitle");
  layout->addWidget(title);
  auto* description = wrappedLabel(QString::fromUtf8(kDescription), this);
  description->setObjectName("lblDescription");
  layout->addWidget(description);
  auto* licences = wrappedLabel(QString::fromUtf8(kLicences), this);
  licences->setObjectName("lblLicences");
  layout->addWidget(licences);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(460);
}

}  // namespace lumo
