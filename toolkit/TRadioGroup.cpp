// A titled group of radio buttons with one selected index.
#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QChildEvent>
#include <QKeyEvent>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {
  FGroup = new QButtonGroup(this);
  FGroup->setExclusive(true);
  connect(FGroup, &QButtonGroup::idClicked, this, &TRadioGroup::ItemClicked);
}

void TRadioGroup::childEvent(QChildEvent* event) {
  // Designer's generated code adds the items after the box exists; recollect lazily.
  if (event->added() || event->removed()) FDirty = true;
  QGroupBox::childEvent(event);
}

void TRadioGroup::CollectItems() const {
  if (!FDirty) return;
  FDirty = false;
  const QList<QRadioButton*> found = findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  if (found == FItems) return;
  for (QRadioButton* b : FItems) FGroup->removeButton(b);
  FItems = found;
  for (int i = 0; i < FItems.size(); ++i) {
    FGroup->addButton(FItems[i], i);
    FItems[i]->installEventFilter(const_cast<TRadioGroup*>(this));
  }
}

bool TRadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & ~Qt::KeypadModifier) return false;
  if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
  CollectItems();
  const int at = static_cast<int>(FItems.indexOf(qobject_cast<QRadioButton*>(watched)));
  if (at < 0) return false;
  const int step = key->key() == Qt::Key_Up ? -1 : 1;
  for (int i = at + step; i >= 0 && i < FItems.size(); i += step) {
    QRadioButton* next = FItems[i];
    if (!next->isEnabled() || next->isHidden()) continue;
    next->setFocus(Qt::TabFocusReason);
    // As the arrows of an exclusive group do: the item reached is chosen, as by a click.
    next->click();
    return true;
  }
  return true;  // at the end of the row, as Left and Right stop there
}

int TRadioGroup::Count() const {
  CollectItems();
  return static_cast<int>(FItems.size());
}

int TRadioGroup::ItemIndex() const {
  CollectItems();
  return FGroup->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
  CollectItems();
  if (index >= 0 && index < FItems.size()) {
    FItems[index]->setChecked(true);
    return;
  }
  // An exclusive group refuses to uncheck its last button; lift exclusivity for the moment.
  FGroup->setExclusive(false);
  for (QRadioButton* b : FItems) b->setChecked(false);
  FGroup->setExclusive(true);
}

QRadioButton* TRadioGroup::Item(int index) const {
  CollectItems();
  return index >= 0 && index < FItems.size() ? FItems[index] : nullptr;
}

QString TRadioGroup::ItemCaption(int index) const {
  QRadioButton* b = Item(index);
  return b ? b->text() : QString();
}

void TRadioGroup::SetItemCaption(int index, const QString& caption) {
  if (QRadioButton* b = Item(index)) b->setText(caption);
}
