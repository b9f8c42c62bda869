#include "Images.h"

#include "Strings.h"

#include <QPainter>
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

QIcon ClockIcon()
{
    QIcon icon;
    for (int side : kIconSizes)
        icon.addPixmap(RenderImage(kIconClock, QSize(side, side), 1.0));
    return icon;
}
