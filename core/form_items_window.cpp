#include "core/form_items_window.h"

namespace lumo {

QStringList numberItems(int from, int to, int width) {
  QStringList items;
  for (int i = from; i <= to; ++i) items << QString::number(i).rightJustified(width, '0');
  return items;
}

}  // namespace lumo
