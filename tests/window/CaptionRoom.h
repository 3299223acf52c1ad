// Measures every caption a window shows against the room its control leaves for it, with the
// control's own font and style: buttons (with their icon), check boxes, radio items, labels and
// group titles.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyleOption>
#include <algorithm>
#include <type_traits>

// The rectangle the style gives to a part of a control, from the options the control fills in
// for itself only.
template <typename TControl, typename TOption>
struct TStyleRect : TControl {
  template <typename TPart>
  static QRect Of(const TControl* c, TPart part) {
    TOption o;
    (c->*&TStyleRect::initStyleOption)(&o);
    if constexpr (std::is_same_v<TOption, QStyleOptionGroupBox>)
      return c->style()->subControlRect(QStyle::CC_GroupBox, &o, part, c);
    else
      return c->style()->subElementRect(part, &o, c);
  }
};

// Every control shown in `form` whose caption (its widest line) is wider than the room its control
// gives it, as "name "caption": needs N, has M".
inline QStringList CaptionsThatDoNotFit(const QWidget& form) {
  QStringList tooWide;
  for (const QWidget* c : form.findChildren<QWidget*>()) {
    if (!c->isVisibleTo(&form)) continue;
    QString text;
    int has = 0;
    int needs = -1;  // measured from the text, unless the style measured it
    if (auto* b = qobject_cast<const QPushButton*>(c)) {
      text = b->text();
      has = TStyleRect<QPushButton, QStyleOptionButton>::Of(b, QStyle::SE_PushButtonContents)
                .width() -
            (b->icon().isNull() ? 0 : b->iconSize().width() + 4);  // an icon, 4 pixels before
    } else if (auto* box = qobject_cast<const QCheckBox*>(c)) {
      text = box->text();
      has = TStyleRect<QCheckBox, QStyleOptionButton>::Of(box, QStyle::SE_CheckBoxContents).width();
    } else if (auto* radio = qobject_cast<const QRadioButton*>(c)) {
      text = radio->text();
      has = TStyleRect<QRadioButton, QStyleOptionButton>::Of(radio, QStyle::SE_RadioButtonContents)
                .width();
    } else if (auto* label = qobject_cast<const QLabel*>(c)) {
      text = label->text();
      has = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    } else if (auto* group = qobject_cast<const QGroupBox*>(c)) {
      // The style sizes the title by its own font: what lies beyond the box is cut off.
      text = group->title();
      has = group->width();
      needs =
          TStyleRect<QGroupBox, QStyleOptionGroupBox>::Of(group, QStyle::SC_GroupBoxLabel).right() +
          1;
    }
    if (needs < 0)
      for (const QString& line : text.split(QLatin1Char('\n')))
        needs = std::max(needs, c->fontMetrics().horizontalAdvance(line));
    if (needs > has)
      tooWide << QStringLiteral("%1 \"%2\": needs %3, has %4")
                     .arg(c->objectName(), text)
                     .arg(needs)
                     .arg(has);
  }
  return tooWide;
}
