#pragma once
// The main window's birthplace and chart options: province and city drop-downs (出生地)
// and a menu of check items for the BaZi chart. Nothing chosen and nothing checked leaves
// the BaZi report as it always was.

#include <QWidget>

#include "core/chart_options.h"

class QAction;
class QComboBox;

namespace lumo {

class BirthplacePanel final : public QWidget {
  Q_OBJECT
 public:
  explicit BirthplacePanel(QWidget* parent = nullptr);
  // The chosen place ("province city", or "" for none) and the checked options.
  bazi::ChartOptions chartOptions() const;

 private:
  void fillCities();

  QComboBox* m_province;
  QComboBox* m_city;
  QAction* m_solarTime;
  QAction* m_preciseTerms;
  QAction* m_ziMidnight;
};

}  // namespace lumo
