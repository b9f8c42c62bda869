#include "Images.h"

#include "Strings.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <mutex>

// The resources live in a static library; referencing them here keeps the
// linker from dropping them.
static void InitResources()
{
    Q_INIT_RESOURCE(kerovant);
}

namespace {

// Sizes the desktop asks for: title bars, task bars, launchers.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void EnsureResources()
{
    static std::once_flag once;
    std::call_once(once, InitResources);
}

}  // namespace

QPixmap RenderImage(const char* resource, QSize size, qreal devicePixelRatio)
{
    EnsureResources();
    QSvgRenderer renderer{QString::fromLatin1(resource)};
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(size, Qt::KeepAspectRatio);
    const QSize pixels = (drawn * devicePixelRatio).toSize();
    QPixmap pixmap(pixels.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

double ImageAspect(const char* resource)
{
    EnsureResources();
    const QSvgRenderer renderer{QString::fromLatin1(resource)};
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty())
        return 1.0;
    return static_cast<double>(size.width()) / size.height();
}

namespace {

// An icon drawn from its SVG for every size and pixel ratio it is asked for,
// so it stays sharp in a title bar at any scale. Pixmaps of fixed sizes would
// be scaled down from the next larger one, and blur.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const char* resource) : resource_(resource) { }

    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }
    QString key() const override { return QStringLiteral("kerovant-svg"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // size is in pixels of the device: QIcon asks for the size it shows
    // times the screen's pixel ratio, and marks the ratio on the result.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap = RenderImage(resource_, size, 1.0);
        if (mode != QIcon::Normal && !pixmap.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            // Disabled and selected looks come from the style, as for any
            // other icon.
            const QStyleOption option;
            const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!styled.isNull())
                pixmap = styled;
        }
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // Drawn to fit, keeping the picture's aspect ratio.
        QSizeF fitted(ImageAspect(resource_), 1.0);
        fitted.scale(size, Qt::KeepAspectRatio);
        return fitted.toSize();
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // What a window system that takes a list of icons (X11's
        // _NET_WM_ICON) gets.
        QList<QSize> sizes;
        for (int side : kIconSizes)
            sizes << QSize(side, side);
        return sizes;
    }

private:
    const char* resource_;
};

}  // namespace

QIcon ClockIcon()
{
    return QIcon(new SvgIconEngine(kIconClock));
}
