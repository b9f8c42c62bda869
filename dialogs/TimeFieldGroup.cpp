#include "TimeFieldGroup.h"

#include "Strings.h"
#include "Translations.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

// Refuses anything but decimal digits, and text longer than the limit (0:
// none). Validators see what the user types and pastes, never a program's
// setText, so the dialogs' own writes are not cut.
class CDigitsValidator : public QValidator {
public:
    explicit CDigitsValidator(QObject* parent) : QValidator(parent) { }

    void SetMaxLength(int characters) { maxLength_ = characters; }

    State validate(QString& input, int& /*position*/) const override
    {
        if (maxLength_ > 0 && input.size() > maxLength_)
            return Invalid;
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return Acceptable;
    }

private:
    int maxLength_ = 0;
};

CNarrowSpin::CNarrowSpin(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    // Arrows do not take focus, as the field being stepped must keep it; the
    // Up and Down keys in the field are the keyboard's way to the spin.
    setFocusPolicy(Qt::NoFocus);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    connect(up_, &QToolButton::clicked, this, [this] { emit StepRequested(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit StepRequested(-1); });
}

void CNarrowSpin::SetNames(const QString& spinName, const QString& arrowName)
{
    setAccessibleName(spinName);
    up_->setAccessibleName(Tr(kStrArrowUp).arg(arrowName));
    down_->setAccessibleName(Tr(kStrArrowDown).arg(arrowName));
}

void CNarrowSpin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}

CTimeFieldGroup::CTimeFieldGroup(FieldVariant variant, QObject* parent) : QObject(parent), variant_(variant) { }

void CTimeFieldGroup::AddField(QLineEdit* edit, FieldKind kind)
{
    const int index = FieldCount();
    auto* validator = new CDigitsValidator(edit);
    validator->SetMaxLength(maxLength_);
    edit->setValidator(validator);
    fields_.push_back({edit, kind, validator});
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, index] { OnTextChanged(index); });
}

void CTimeFieldGroup::SetSpin(CNarrowSpin* spin)
{
    spinWidget_ = spin;
    connect(spin, &CNarrowSpin::StepRequested, this, &CTimeFieldGroup::Step);
}

void CTimeFieldGroup::LimitLength(int characters)
{
    maxLength_ = characters;
    for (const Slot& field : fields_)
        field.validator->SetMaxLength(characters);
}

void CTimeFieldGroup::ClearBinding()
{
    bound_ = -1;
}

void CTimeFieldGroup::SetEnabled(bool enabled)
{
    for (const Slot& field : fields_)
        field.edit->setEnabled(enabled);
    if (spinWidget_)
        spinWidget_->setEnabled(enabled);
}

QLineEdit* CTimeFieldGroup::BoundField() const
{
    return bound_ < 0 ? nullptr : Field(bound_);
}

unsigned CTimeFieldGroup::Value(int index, qsizetype maxChars) const
{
    return FieldValue(Field(index)->text(), maxChars);
}

void CTimeFieldGroup::Step(int direction)
{
    if (bound_ < 0 || (spinWidget_ && !spinWidget_->isEnabled()))
        return;  // an unbound spin has nowhere to write
    QLineEdit* field = Field(bound_);
    const CSpinRule::Step step = spin_.StepFrom(field->text(), direction);
    // The order matters: the position before the step goes in with two
    // digits first, then the new one; at an end only the first is written.
    field->setText(step.current);
    if (step.next)
        field->setText(*step.next);
}

int CTimeFieldGroup::IndexOf(const QObject* watched) const
{
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].edit == watched)
            return static_cast<int>(i);
    }
    return -1;
}

bool CTimeFieldGroup::eventFilter(QObject* watched, QEvent* event)
{
    const int index = IndexOf(watched);
    if (index < 0)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: OnFocusIn(index); break;
    case QEvent::FocusOut: OnFocusOut(index); break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The keys step the spin where it is bound, which focus has made
        // this field unless a later write bound it elsewhere.
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && index == bound_) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void CTimeFieldGroup::Bind(int index)
{
    spin_.SetRange(RangeOf(fields_[static_cast<size_t>(index)].kind));
    bound_ = index;
}

void CTimeFieldGroup::OnTextChanged(int index)
{
    const Slot& field = fields_[static_cast<size_t>(index)];
    // The replacement is a change of its own and is in range, so the inner
    // call keeps it and reports it; this one has nothing left to do.
    if (const auto replacement = OverRangeReplacement(field.kind, variant_, field.edit->text())) {
        field.edit->setText(*replacement);
        return;
    }
    if (variant_ == FieldVariant::HandPosition && field.kind != FieldKind::Hour)
        Bind(index);
    Keep(index);
}

void CTimeFieldGroup::OnFocusIn(int index)
{
    Bind(index);
    if (variant_ == FieldVariant::HandPosition) {
        RewritePlain(index);
        Field(index)->selectAll();
    }
    Keep(index);
}

void CTimeFieldGroup::OnFocusOut(int index)
{
    if (variant_ == FieldVariant::HandPosition)
        RewritePlain(index);
    Keep(index);
}

void CTimeFieldGroup::RewritePlain(int index)
{
    QLineEdit* edit = Field(index);
    const QString plain = PlainNumber(FieldValue(edit->text()));
    if (edit->text() != plain)
        edit->setText(plain);
}

void CTimeFieldGroup::Keep(int index)
{
    Slot& field = fields_[static_cast<size_t>(index)];
    field.kept = FieldValue(field.edit->text());
    emit FieldEvent(index, field.kept);
}
