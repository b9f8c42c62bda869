// The program's pictures, drawn from the compiled-in SVG files at the size
// and pixel ratio they are shown at.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The clock face: the main window's big and small icon.
QIcon ClockIcon();

// An image from the resources (see Strings.h), drawn to fit the given size
// in device-independent pixels, keeping its aspect ratio. A null pixmap when
// the resource is missing.
QPixmap RenderImage(const char* resource, QSize size, qreal devicePixelRatio);

// The aspect ratio (width / height) of an image from the resources; 1 when
// missing.
double ImageAspect(const char* resource);
