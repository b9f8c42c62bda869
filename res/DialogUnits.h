// Dialog units: the font-relative measure that dialog layouts are given in.
// A horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its character height, so a layout written in
// dialog units grows with the user's font and the screen's scale.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // Pixels (device-independent) for a length in dialog units.
    int x(int units) const;
    int y(int units) const;
    QPoint point(int x, int y) const;
    QSize size(int width, int height) const;
    QRect rect(int x, int y, int width, int height) const;

    // The font's average character width and character height in pixels.
    double CharWidth() const { return charWidth_; }
    double CharHeight() const { return charHeight_; }

private:
    double charWidth_;
    double charHeight_;
};
