#include "TemplateDialog.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>

CTemplateDialog::CTemplateDialog(QWidget* parent, int widthUnits, int heightUnits, const QString& title)
    : QDialog(parent), widthUnits_(widthUnits), heightUnits_(heightUnits)
{
    setWindowTitle(title);
    // A modal frame with caption and window menu, no help button.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Relayout();
}

QWidget* CTemplateDialog::Control(int id) const
{
    return FindControl(*this, id);
}

QRect CTemplateDialog::TemplateRect(const QWidget* widget) const
{
    for (const Placed& placed : placed_) {
        if (placed.widget == widget)
            return placed.units;
    }
    return {};
}

void CTemplateDialog::PlaceWidget(QWidget* widget, int id, const char* name, QRect units, const QString& accessibleRole)
{
    if (widget->parentWidget() != this)
        widget->setParent(this);
    if (id != 0 || name)
        SetControlId(widget, id, name ? name : "");
    if (!accessibleRole.isEmpty())
        widget->setAccessibleName(accessibleRole);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        widget->setAccessibleName(QString(button->text()).remove(QLatin1Char('&')));
    else if (auto* group = qobject_cast<QGroupBox*>(widget); group && !group->title().isEmpty())
        widget->setAccessibleName(group->title());
    placed_.push_back({widget, units});
    widget->setGeometry(CDialogUnits(font()).rect(units.x(), units.y(), units.width(), units.height()));
}

QLabel* CTemplateDialog::AddLabel(const QString& text, QRect units, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(alignment);
    label->setWordWrap(!(alignment & Qt::AlignHCenter) || text.size() > 1);
    return Place(label, 0, nullptr, units);
}

QGroupBox* CTemplateDialog::AddGroupBox(int id, const char* name, const QString& title, QRect units)
{
    auto* box = new QGroupBox(title, this);
    Place(box, id, name, units);
    box->lower();
    return box;
}

void CTemplateDialog::Relayout()
{
    const CDialogUnits du(font());
    for (const Placed& placed : placed_) {
        if (placed.widget)
            placed.widget->setGeometry(
                du.rect(placed.units.x(), placed.units.y(), placed.units.width(), placed.units.height()));
    }
    setFixedSize(du.size(widthUnits_, heightUnits_));
}

void CTemplateDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
}

void CTemplateDialog::showEvent(QShowEvent* event)
{
    Relayout();
    QDialog::showEvent(event);
}

QStringList UnnamedControls(const QWidget& window)
{
    QStringList unnamed;
    // The window's own controls; what they are made of inside (a combo box's
    // edit part, a list's viewport) is theirs to name.
    const auto widgets = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow())
            continue;  // message boxes and dialogs parented to the window
        if (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<const QAbstractButton*>(widget))
            continue;  // labels, frames and other controls the user never reaches
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget))
            continue;
        QString name = widget->accessibleName();
        if (name.isEmpty()) {
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                name = button->text();
        }
        if (name.trimmed().isEmpty())
            unnamed << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                       : widget->objectName());
    }
    return unnamed;
}
