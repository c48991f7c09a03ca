#include "readings/phone_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "readings/phone_reading.h"
#include "readings/result_group_window.h"

namespace lumo::readings {
namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TFrm_SJcs::TFrm_SJcs(QWidget* parent)
    : ReadingWindow({"TFrm_SJcs", qs(kPhoneWindowCaption), QStringLiteral("输入号码："),
                     qs(kPhoneNumberCaption), kPhoneFieldLength},
                    parent) {
  columns()->insertWidget(1, wrapped(QStringLiteral("请注意：手机号码是11位，请正确输入。"), this));
  columns()->addWidget(
      wrapped(QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运"
                             "势命运的意义是一样的。"
                             "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"),
              this));
}

std::vector<ResultLine> TFrm_SJcs::read(std::string_view fieldText) const {
  return readPhone(fieldText);
}

void TFrm_SJcs::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_shownOnce) return;
  m_shownOnce = true;
  if (!field()->text().trimmed().isEmpty()) runReading();
}

}  // namespace lumo::readings
