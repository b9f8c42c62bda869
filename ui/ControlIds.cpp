#include "ControlIds.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kControlIdProperty = "controlId";

}  // namespace

void SetControlId(QWidget* widget, int id, const char* name)
{
    widget->setProperty(kControlIdProperty, id);
    widget->setObjectName(QString::fromLatin1(name));
}

QWidget* FindControl(const QWidget& dialog, int id)
{
    const auto widgets = dialog.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant value = widget->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id)
            return widget;
    }
    return nullptr;
}
