// Measures every caption a window shows against the room its control leaves for it, with the
// control's own font and style: buttons (with their icon), check boxes, radio items, labels and
// group titles.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace caption_room {

// The controls fill in their style options themselves; these open that up to the test.
struct TPush : QPushButton {
  static void Init(const QPushButton* b, QStyleOptionButton* o) {
    (b->*&TPush::initStyleOption)(o);
  }
};
struct TCheck : QCheckBox {
  static void Init(const QCheckBox* b, QStyleOptionButton* o) { (b->*&TCheck::initStyleOption)(o); }
};
struct TRadio : QRadioButton {
  static void Init(const QRadioButton* b, QStyleOptionButton* o) {
    (b->*&TRadio::initStyleOption)(o);
  }
};
struct TGroup : QGroupBox {
  static void Init(const QGroupBox* g, QStyleOptionGroupBox* o) {
    (g->*&TGroup::initStyleOption)(o);
  }
};

// The width of the widest line.
inline int TextWidth(const QFontMetrics& metrics, const QString& text) {
  int width = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    width = std::max(width, metrics.horizontalAdvance(line));
  return width;
}

}  // namespace caption_room

// Every control shown in `form` whose caption is wider than the room its control gives it, as
// "name "caption": needs N, has M".
inline QStringList CaptionsThatDoNotFit(const QWidget& form) {
  using namespace caption_room;
  QStringList tooWide;
  for (const QWidget* control : form.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&form)) continue;
    const QStyle* style = control->style();
    QString text;
    int needs = 0;
    int has = 0;
    if (auto* push = qobject_cast<const QPushButton*>(control)) {
      QStyleOptionButton o;
      TPush::Init(push, &o);
      text = push->text();
      needs = TextWidth(push->fontMetrics(), text);
      // The style sets an icon 4 pixels before its text.
      if (!push->icon().isNull()) needs += push->iconSize().width() + 4;
      has = style->subElementRect(QStyle::SE_PushButtonContents, &o, push).width();
    } else if (auto* check = qobject_cast<const QCheckBox*>(control)) {
      QStyleOptionButton o;
      TCheck::Init(check, &o);
      text = check->text();
      needs = TextWidth(check->fontMetrics(), text);
      has = style->subElementRect(QStyle::SE_CheckBoxContents, &o, check).width();
    } else if (auto* radio = qobject_cast<const QRadioButton*>(control)) {
      QStyleOptionButton o;
      TRadio::Init(radio, &o);
      text = radio->text();
      needs = TextWidth(radio->fontMetrics(), text);
      has = style->subElementRect(QStyle::SE_RadioButtonContents, &o, radio).width();
    } else if (auto* label = qobject_cast<const QLabel*>(control)) {
      text = label->text();
      needs = TextWidth(label->fontMetrics(), text);
      has = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    } else if (auto* group = qobject_cast<const QGroupBox*>(control)) {
      QStyleOptionGroupBox o;
      TGroup::Init(group, &o);
      text = group->title();
      // The style places the title by its width; what of it lies outside the box is cut off.
      const QRect title =
          style->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, group);
      needs = title.right() + 1;
      has = group->width();
    }
    if (needs > has)
      tooWide << QStringLiteral("%1 \"%2\": needs %3, has %4")
                     .arg(control->objectName(), text)
                     .arg(needs)
                     .arg(has);
  }
  return tooWide;
}
