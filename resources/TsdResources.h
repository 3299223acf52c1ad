// Makes the pictures compiled into the static resource library reachable under ":/tessamond/", and
// reads them.
#pragma once

#include <QIcon>
#include <QImage>

// Safe to call more than once; call it before the first picture is loaded.
void TsdInitResources();

// One of the compiled-in pictures ("emblem.png", "help.png", "watermark.png"). Those the first
// window shows come already decoded; the others are read as PNG: naming the format keeps Qt from
// loading every image plugin to ask which one reads it. A null image when there is no such
// picture.
QImage TsdPicture(const QString& name);

// The same picture always read from its PNG, as a check of the decoded ones.
QImage TsdDecodedPicture(const QString& name);

// A picture ("emblem.png", "help.png") for a screen of device-pixel ratio `ratio`, shown at
// `logicalSize`: drawn from the 2× picture ("emblem@2x.png") when the ratio is above 1, scaled
// smoothly (keeping its shape) to the pixels the screen shows when they differ, and marked with
// the ratio.
QImage TsdPictureFor(const QString& name, const QSize& logicalSize, qreal ratio);

// The game's icon in the sizes a task bar or window switcher picks from.
QIcon TsdAppIcon();

// Puts the pictures that Qt's own styles read by file name alone into Qt's pixmap cache, read as
// PNG, so that painting the first window loads no image plugin. Call it once the application
// object exists.
void TsdPreloadStylePictures();
