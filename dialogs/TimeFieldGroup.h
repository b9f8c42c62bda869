// The time field group: a row of short digit fields (hours, minutes,
// seconds, and in one dialog month, day and year) sharing one narrow spin.
// The rules it follows are in FieldRules.h; this is their wiring to the
// widgets.
//
// The owning dialog places the fields and the spin in its template and
// hands them to the group. From then on the group:
// - lets the fields take digits only (up to a length, if the dialog sets
//   one; program writes are never cut),
// - corrects a value over range at every change of a field's text,
// - binds the spin to the field that last gained focus (setting the spin's
//   range to the field's kind), and
// - steps the bound field when an arrow of the spin is clicked or the Up or
//   Down key is pressed in the field.
// Reading the values is left to the dialog; the group also keeps a copy of
// each field's value as of its last event, for a dialog that needs it.
//
// The hand position variant adds: the minute and second fields bind the
// spin at each change of their text too; a field that gains focus is
// rewritten without leading zeros and selected whole; a field that loses
// focus is rewritten the same way.
//
// User-interface thread only.
#pragma once

#include "FieldRules.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <vector>

class CDigitsValidator;
class QLineEdit;
class QToolButton;

// Two small arrow buttons, one above the other: the group's up/down spin.
// The arrows never take focus, so the field the user works in keeps it. The
// widget only reports clicks (held down, they repeat); the group decides.
class CNarrowSpin : public QWidget {
    Q_OBJECT

public:
    explicit CNarrowSpin(QWidget* parent = nullptr);

    // spinName: the spin's accessible name; arrowName: what the arrows step
    // ("bias" gives "bias up" and "bias down").
    void SetNames(const QString& spinName, const QString& arrowName);

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

signals:
    // +1 for up, -1 for down.
    void StepRequested(int direction);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

class CTimeFieldGroup : public QObject {
    Q_OBJECT

public:
    CTimeFieldGroup(FieldVariant variant, QObject* parent);

    // Takes a placed edit into the group as its next field.
    void AddField(QLineEdit* edit, FieldKind kind);
    void SetSpin(CNarrowSpin* spin);

    // Typing stops at this many characters in every field; 0 for no limit.
    void LimitLength(int characters);
    // Leaves the spin bound to no field.
    void ClearBinding();
    // Enables or disables every field and the spin.
    void SetEnabled(bool enabled);

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    QLineEdit* Field(int index) const { return fields_.at(static_cast<size_t>(index)).edit; }
    // The field the spin steps, or null.
    QLineEdit* BoundField() const;
    const CSpinRule& Spin() const { return spin_; }
    // A field's value now, from at most maxChars characters of its text.
    unsigned Value(int index, qsizetype maxChars = -1) const;
    // A field's value as of its last event (text change, focus gained or
    // lost); 0 before the first.
    unsigned KeptValue(int index) const { return fields_.at(static_cast<size_t>(index)).kept; }

    // The spin's step on the bound field, as a click on an arrow does.
    void Step(int direction);

signals:
    // A field's text changed, or it gained or lost focus; value is what it
    // holds afterwards.
    void FieldEvent(int index, unsigned value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        QLineEdit* edit;
        FieldKind kind;
        CDigitsValidator* validator;  // owned by the edit
        unsigned kept = 0;
    };

    int IndexOf(const QObject* watched) const;
    void Bind(int index);
    void OnTextChanged(int index);
    void OnFocusIn(int index);
    void OnFocusOut(int index);
    // The hand position variant's rewrite: the value without leading zeros.
    void RewritePlain(int index);
    void Keep(int index);

    FieldVariant variant_;
    std::vector<Slot> fields_;
    CNarrowSpin* spinWidget_ = nullptr;
    CSpinRule spin_;
    int bound_ = -1;
    int maxLength_ = 0;
};
