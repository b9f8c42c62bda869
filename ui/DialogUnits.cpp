#include "DialogUnits.h"

#include <QWidget>

#include <QFontMetricsF>

#include <cmath>

namespace {

// The average character width is taken over the 52 Latin letters, which
// weighs narrow and wide letters the way running text does.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr double kAlphabetLength = 52.0;
constexpr double kUnitsPerCharWidth = 4.0;
constexpr double kUnitsPerCharHeight = 8.0;

int Scale(int units, double pixelsPerChar, double unitsPerChar)
{
    return static_cast<int>(std::lround(units * pixelsPerChar / unitsPerChar));
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    charWidth_ = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)) / kAlphabetLength;
    charHeight_ = metrics.height();
}

int CDialogUnits::x(int units) const
{
    return Scale(units, charWidth_, kUnitsPerCharWidth);
}

int CDialogUnits::y(int units) const
{
    return Scale(units, charHeight_, kUnitsPerCharHeight);
}

QPoint CDialogUnits::point(int px, int py) const
{
    return {x(px), y(py)};
}

QSize CDialogUnits::size(int width, int height) const
{
    return {x(width), y(height)};
}

QRect CDialogUnits::rect(int px, int py, int width, int height) const
{
    return {point(px, py), size(width, height)};
}

bool CTemplateSize::UserSized(const QWidget& dialog) const
{
    return !fitted_.isEmpty() && dialog.size() != fitted_;
}

void CTemplateSize::Fit(QWidget& dialog, bool userSized)
{
    const QSize needed = dialog.minimumSizeHint();
    const QSize templateSize = CDialogUnits(dialog.font()).size(width_, height_).expandedTo(needed);
    dialog.resize(userSized ? dialog.size().expandedTo(needed) : templateSize);
    fitted_ = dialog.size();
}
