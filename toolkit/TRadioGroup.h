// A titled group of radio buttons with one selected index, like a radio group box of older
// toolkits.
#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// The items are the QRadioButton children placed in the box (in the Designer file), in the order
// they were created. Exactly one item is selected at a time, or none (index −1).
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TRadioGroup(QWidget* parent = nullptr);

  int Count() const;
  // The selected item, or −1 when none is.
  int ItemIndex() const;
  // Selects an item; −1 (or any index outside the items) clears the selection.
  void SetItemIndex(int index);

  QString ItemCaption(int index) const;
  void SetItemCaption(int index, const QString& caption);
  QRadioButton* Item(int index) const;

 signals:
  // A user's click on an item (not emitted for SetItemIndex).
  void ItemClicked(int index);

 protected:
  void childEvent(QChildEvent* event) override;
  // Up and Down move through the items as Left and Right do: a row of items has nothing above or
  // below, and a player who hears a list tries both.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CollectItems() const;

  mutable QButtonGroup* FGroup = nullptr;
  mutable QList<QRadioButton*> FItems;
  mutable bool FDirty = true;
};
