// Makes the pictures compiled into the static resource library reachable under ":/tessamond/", and
// reads them.
#pragma once

#include <QIcon>
#include <QImage>

// Safe to call more than once; call it before the first picture is loaded.
void TsdInitResources();

// One of the compiled-in PNG pictures ("emblem.png", "help.png", "watermark.png"), read as PNG:
// naming the format keeps Qt from loading every image plugin to ask which one reads it. A null
// image when there is no such picture.
QImage TsdPicture(const QString& name);

// The game's icon in the sizes a task bar or window switcher picks from.
QIcon TsdAppIcon();

// Puts the pictures that Qt's own styles read by file name alone into Qt's pixmap cache, read as
// PNG, so that painting the first window loads no image plugin. Call it once the application
// object exists.
void TsdPreloadStylePictures();
