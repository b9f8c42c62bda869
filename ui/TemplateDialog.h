// The base of the settings dialogs: a dialog laid out from its template.
// Every control stands at its template position in dialog units and the
// dialog has its template size, so the layout grows with the user's font
// and the screen's scale; a font change places everything again.
//
// Controls are placed in template order, which is also their tab order.
// Each carries its control id and a name (ControlIds.h), and an accessible
// name: its text, or for a control without text the role it is given.
#pragma once

#include "ControlIds.h"
#include "DialogUnits.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QString>

#include <vector>

class QGroupBox;
class QLabel;

class CTemplateDialog : public QDialog {
    Q_OBJECT

public:
    // widthUnits, heightUnits: the template's size in dialog units.
    CTemplateDialog(QWidget* parent, int widthUnits, int heightUnits, const QString& title);

    // The control with a template id, or null.
    QWidget* Control(int id) const;
    // A control's template position, in dialog units (an empty rectangle for
    // a widget that was not placed).
    QRect TemplateRect(const QWidget* widget) const;

protected:
    // Places a control at x, y, width, height (dialog units). id 0 marks a
    // control without template id; name is its object name. accessibleRole
    // names a control without text for screen readers; for a control with
    // text it may be empty and the text serves.
    template <class Widget>
    Widget* Place(Widget* widget, int id, const char* name, QRect units, const QString& accessibleRole = {})
    {
        PlaceWidget(widget, id, name, units, accessibleRole);
        return widget;
    }
    // A static text (no id), left-aligned and word-wrapped unless told
    // otherwise.
    QLabel* AddLabel(const QString& text, QRect units, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    // A group box; an empty title draws a plain frame. Frames stand behind
    // the controls placed inside them.
    QGroupBox* AddGroupBox(int id, const char* name, const QString& title, QRect units);

    // Places every control again and sizes the dialog for the current font.
    void Relayout();
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceWidget(QWidget* widget, int id, const char* name, QRect units, const QString& accessibleRole);

    struct Placed {
        QPointer<QWidget> widget;
        QRect units;
    };
    int widthUnits_;
    int heightUnits_;
    std::vector<Placed> placed_;
};

// The controls of a window that a screen reader could not name: neither
// text nor accessible name. Labels and frames without title are exempt.
QStringList UnnamedControls(const QWidget& window);
