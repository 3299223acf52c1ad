// A read-only field that shows a web address and reports a click on it, so its owner can open it.
#pragma once

#include <QLineEdit>

class TLinkEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TLinkEdit(QWidget* parent = nullptr);

 signals:
  // The left mouse button was released over the field: one click, whatever was selected.
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
