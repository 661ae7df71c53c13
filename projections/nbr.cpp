#include "projections/nbr.h"

#include <QKeyEvent>
#include <QTimer>

namespace korvex {

Nbr::Nbr(const QString& objectName, FieldRule rule, const Fmt& fmt, const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
    , rule_(std::move(rule))
    , fmt_(fmt)
{
    setObjectName(objectName);
    setAccessibleName(QString::fromStdString(rule_.label));
    setFocusPolicy(Qt::StrongFocus);
}

double Nbr::getValue()
{
    const double value = rule_.read(text().toStdString(), fmt_);
    const QString normalised = QString::fromStdString(rule_.text(value, fmt_));
    if (normalised != text())
        setText(normalised);
    if (hasFocus())
        textOnEntry_ = normalised; // already calculated: leaving is no change
    return value;
}

void Nbr::setValue(double value)
{
    setText(QString::fromStdString(rule_.text(value, fmt_)));
    getValue();
}

void Nbr::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT valueEntered();
        event->accept(); // Enter belongs to this field, not to a default button
        return;
    }
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut) {
        for (const char32_t c : event->text().toUcs4())
            if (rule_.refuses(c, fmt_)) {
                event->accept();
                return;
            }
    }
    QLineEdit::keyPressEvent(event);
}

void Nbr::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    textOnEntry_ = text();
    // A mouse press places the cursor after focusing, so select once it is done.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void Nbr::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && text() != textOnEntry_) {
        textOnEntry_ = text();
        Q_EMIT valueEntered();
    }
}

} // namespace korvex
