// Dialog units: the font-relative measure that dialog layouts are given in.
// A horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its character height, so a layout written in
// dialog units grows with the user's font and the screen's scale.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

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

// Keeps a dialog at its template's size in the current font, unless the user
// has resized it since it was last fitted; never smaller than its controls
// need. Call Fit after the layout has taken the new metrics.
class CTemplateSize {
public:
    CTemplateSize(int widthUnits, int heightUnits) : width_(widthUnits), height_(heightUnits) { }

    // Whether the user has sized the window since the last fit; ask before
    // the metrics change.
    bool UserSized(const QWidget& dialog) const;
    void Fit(QWidget& dialog, bool userSized);

private:
    int width_;
    int height_;
    QSize fitted_;
};
