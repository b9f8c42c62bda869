#include "ValueSlider.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The application's style with the slider's sizes scaled to the widget's
// font.
class FontScaledSliderStyle final : public QProxyStyle {
public:
    // A proxy without a base would stand in front of the desktop's default
    // style, not the one the application runs with (-style, or a style
    // set by the program); a fresh copy of that one it owns.
    FontScaledSliderStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) { }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_SliderLength:
        case PM_SliderThickness:
        case PM_SliderControlThickness: {
            // Styles ask for these with the slider's option but often without
            // the widget; the option carries the widget's font.
            const int fontHeight = option ? option->fontMetrics.height() : widget ? widget->fontMetrics().height() : 0;
            return std::max(base,
                            static_cast<int>(std::lround(static_cast<double>(base) * fontHeight /
                                                         CValueSlider::kReferenceFontHeight)));
        }
        default: return base;
        }
    }
};

}  // namespace

CValueSlider::CValueSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    auto* style = new FontScaledSliderStyle;
    // Freed with the slider; a widget does not own the style it is given.
    style->setParent(this);
    setStyle(style);

    // A window of its own, as a tooltip is, so it may stand over the
    // controls above the slider; it takes no focus and no clicks.
    bubble_ = new QLabel(this, Qt::ToolTip);
    bubble_->setObjectName(QStringLiteral("valueBubble"));
    bubble_->setAttribute(Qt::WA_ShowWithoutActivating);
    bubble_->setAttribute(Qt::WA_TransparentForMouseEvents);
    bubble_->setForegroundRole(QPalette::ToolTipText);
    bubble_->setBackgroundRole(QPalette::ToolTipBase);
    bubble_->setAutoFillBackground(true);
    bubble_->setFrameStyle(QFrame::Box | QFrame::Plain);
    bubble_->setAlignment(Qt::AlignCenter);
    bubbleTimer_ = new QTimer(this);
    bubbleTimer_->setSingleShot(true);
    bubbleTimer_->setInterval(kBubbleMs);
    connect(bubbleTimer_, &QTimer::timeout, bubble_, &QWidget::hide);
    // Every move the user makes, before the value follows: the bubble
    // shows the position being moved to.
    connect(this, &QAbstractSlider::actionTriggered, this, [this] { ShowValue(); });
}

QRect CValueSlider::HandleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

void CValueSlider::ShowValue()
{
    // actionTriggered comes before the value is set: the position is the
    // one the user moves to. The bubble is as wide as the widest value, so
    // it does not change size as the digits do.
    const QFontMetrics metrics(font());
    const int margin = metrics.height() / 4;
    bubble_->setFont(font());
    bubble_->setMargin(margin);
    bubble_->setText(QString::number(sliderPosition()));
    const int digitsWidth = metrics.horizontalAdvance(QString::number(maximum())) + metrics.averageCharWidth();
    bubble_->resize(bubble_->sizeHint().expandedTo(QSize(digitsWidth + 2 * margin, 0)));
    // Centred over the handle, clear of it. A window system may give even
    // this window a frame; its size is known once the window exists.
    bubble_->createWinId();
    const QSize outer = bubble_->frameGeometry().size();
    const QRect handle = HandleRect();
    const QPoint top = mapToGlobal(QPoint(handle.center().x(), handle.top()));
    bubble_->move(top.x() - outer.width() / 2, top.y() - outer.height() - margin);
    bubble_->show();
    bubble_->raise();
    bubbleTimer_->start();
}

void CValueSlider::hideEvent(QHideEvent* event)
{
    QSlider::hideEvent(event);
    bubble_->hide();
}
