#include "DstYearStripView.h"

#include "Strings.h"
#include "Translations.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A change's day, "28 Mar", in the user's language: the strip names the
// day of the month and the month's short name in English.
QString DayText(const std::string& day)
{
    const size_t space = day.find(' ');
    if (space == std::string::npos)
        return QString::fromStdString(day);
    return Tr(kStrStripDay).arg(QString::fromStdString(day.substr(0, space)), TrShort(day.c_str() + space + 1));
}

}  // namespace

CDstYearStripView::CDstYearStripView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("yearStrip"));
    setAccessibleName(Tr(kStrDstYearStrip));
    setFocusPolicy(Qt::NoFocus);
}

void CDstYearStripView::SetStrip(DstYearStrip strip, const QString& description)
{
    strip_ = std::move(strip);
    setAccessibleDescription(description);
    update();
}

int CDstYearStripView::NeededHeight() const
{
    return 3 * fontMetrics().height() + 2 * fontMetrics().lineWidth();
}

void CDstYearStripView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int row = metrics.height();
    const qreal line = std::max(1, metrics.lineWidth());
    // Room at the ends for half a day's name, so the first and last changes
    // can be read too.
    const qreal margin = std::ceil(line);
    const QRectF bar(margin, row, width() - 2 * margin, row);
    const auto x = [&](double share) { return bar.left() + share * bar.width(); };
    const QPalette& colours = palette();
    const bool live = strip_.complete && !strip_.off && isEnabled();

    painter.fillRect(bar, colours.color(QPalette::Base));
    QColor shade = colours.color(QPalette::Highlight);
    if (!live)
        shade.setAlphaF(0.35f);
    for (const DstStripSpan& span : strip_.daylight)
        painter.fillRect(QRectF(x(span.from), bar.top(), x(span.to) - x(span.from), bar.height()), shade);

    // Months: a tick where each begins, its name under it where it fits.
    const QColor text = colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    QColor tick = text;
    tick.setAlphaF(0.45f);
    painter.setPen(QPen(tick, line));
    for (const DstStripMonth& month : strip_.months) {
        if (month.from > 0)
            painter.drawLine(QPointF(x(month.from), bar.top()), QPointF(x(month.from), bar.bottom()));
    }
    painter.setPen(text);
    for (const DstStripMonth& month : strip_.months) {
        const QString name = TrShort(month.name.c_str());
        const QRectF room(x(month.from), bar.bottom(), x(month.to) - x(month.from), row);
        if (metrics.horizontalAdvance(name) < room.width())
            painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop, name);
    }
    painter.setPen(QPen(colours.color(QPalette::Mid), line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);

    // Changes: a line across the bar, the day above it; a day that would
    // run into the one before moves right of it.
    qreal free = 0;
    for (const DstStripMarker& change : strip_.changes) {
        const qreal at = x(change.at);
        painter.setPen(QPen(text, 2 * line));
        painter.drawLine(QPointF(at, bar.top() - line), QPointF(at, bar.bottom() + line));
        const QString day = DayText(change.day);
        const qreal wide = metrics.horizontalAdvance(day);
        const qreal left = std::min(std::max({at - wide / 2, free, qreal{0}}), std::max<qreal>(0, width() - wide));
        painter.setPen(text);
        painter.drawText(QRectF(left, 0, wide + 1, row), Qt::AlignLeft | Qt::AlignTop, day);
        free = left + wide + metrics.averageCharWidth();
    }
}
