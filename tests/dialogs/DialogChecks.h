// Checks the settings dialogs' tests share: what a font size clips, and
// where the Tab key goes.
#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

// The texts of a window that do not fit their control: labels (wrapped ones
// in their height), push buttons and line edits (their text), check boxes
// and radio buttons (indicator and text), and any control reaching past the
// window's edge.
inline QStringList ClippedTexts(const QWidget& window)
{
    QStringList clipped;
    const QRect inside = window.rect();
    const auto widgets = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow() || !widget->isVisible())
            continue;
        const QFontMetrics metrics(widget->font());
        QString text;
        bool fits = inside.contains(widget->geometry());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            fits = fits &&
                (label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                   : label->width() >= metrics.horizontalAdvance(text));
        } else if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
            text = push->text();
            fits = fits && push->width() > metrics.horizontalAdvance(text) + 8 && push->height() >= metrics.height();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            // Check boxes and radio buttons: indicator, gap and text.
            text = button->text();
            fits = fits && button->width() >= button->sizeHint().width() && button->height() >= metrics.height();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
            fits = fits && edit->width() > metrics.horizontalAdvance(text) + 4 && edit->height() >= metrics.height();
        } else {
            text = widget->objectName();
        }
        if (!fits)
            clipped << text;
    }
    return clipped;
}

// The control the Tab key moves to from widget: the next one in the focus
// chain that takes focus by Tab.
inline QWidget* NextTabStop(const QWidget* widget)
{
    for (QWidget* next = widget->nextInFocusChain(); next && next != widget; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled())
            return next;
    }
    return nullptr;
}
