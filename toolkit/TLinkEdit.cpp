// A read-only address field that reports a click on it.
#include "TLinkEdit.h"

#include <QMouseEvent>

TLinkEdit::TLinkEdit(QWidget* parent) : QLineEdit(parent) {}

void TLinkEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QLineEdit::mouseReleaseEvent(event);
}
