#include "app/birthplace_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "bazi/places.h"

namespace lumo {
namespace {

const QString kNoPlace = QStringLiteral("不选");
constexpr int kRowHeight = 20;

QComboBox* smallBox(QWidget* parent, const char* name, int width) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setFixedSize(width, kRowHeight);
  return box;
}

QAction* checkItem(QMenu* menu, const char* name, const char* text, const char* tip) {
  QAction* action = menu->addAction(QString::fromUtf8(text));
  action->setObjectName(name);
  action->setCheckable(true);
  action->setToolTip(QString::fromUtf8(tip));
  return action;
}

}  // namespace

BirthplacePanel::BirthplacePanel(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 0, 0);
  row->setSpacing(3);
  row->addWidget(new QLabel(QStringLiteral("出生地"), this));
  row->addWidget(m_province = smallBox(this, "CBProvince", 72));
  row->addWidget(m_city = smallBox(this, "CBCity", 128));
  m_province->addItem(kNoPlace);
  for (const std::string& name : bazi::provinceNames()) m_province->addItem(QString::fromStdString(name));
  connect(m_province, &QComboBox::currentIndexChanged, this, [this] { fillCities(); });
  fillCities();

  auto* options = new QToolButton(this);
  options->setObjectName("BaziOptions");
  options->setText(QStringLiteral("排盘选项"));
  options->setPopupMode(QToolButton::InstantPopup);
  options->setFixedHeight(kRowHeight);
  // Room for the menu arrow, which the style draws over the text's end otherwise.
  options->setMinimumWidth(options->sizeHint().width() + 12);
  auto* menu = new QMenu(options);
  m_solarTime = checkItem(menu, "SolarTime", "真太阳时（按出生地校正）", "按出生地经度和均时差校正出生时刻");
  m_preciseTerms =
      checkItem(menu, "PreciseTerms", "精确节气（按交节时刻）", "年柱、月柱和起运按节气的天文时刻");
  m_ziMidnight = checkItem(menu, "ZiMidnight", "子时0点换日（23点为夜子时）", "日柱在0点更换");
  options->setMenu(menu);
  row->addWidget(options);
}

void BirthplacePanel::fillCities() {
  m_city->clear();
  bool chosen = m_province->currentIndex() > 0;
  if (chosen)
    for (const std::string& name : bazi::cityNames(m_province->currentText().toStdString()))
      m_city->addItem(QString::fromStdString(name));
  m_city->setEnabled(chosen);
}

bazi::ChartOptions BirthplacePanel::chartOptions() const {
  bazi::ChartOptions o;
  if (m_province->currentIndex() > 0 && m_city->currentIndex() >= 0)
    o.place = (m_province->currentText() + " " + m_city->currentText()).toStdString();
  o.solarTime = m_solarTime->isChecked();
  o.preciseTerms = m_preciseTerms->isChecked();
  o.ziMidnight = m_ziMidnight->isChecked();
  return o;
}

}  // namespace lumo
