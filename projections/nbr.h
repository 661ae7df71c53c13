#pragma once

#include "projections/field_rule.h"

#include <QLineEdit>

namespace korvex {

// A number field of the calculator panel: refuses keys that cannot be part
// of its number, reads its text by its rule and rewrites it normalised, and
// asks for a calculation on Enter or when left with a changed text.
class Nbr : public QLineEdit {
    Q_OBJECT
public:
    Nbr(const QString& objectName, FieldRule rule, const Fmt& fmt, const QString& text, QWidget* parent);

    const FieldRule& rule() const { return rule_; }

    // The value of the text; the text is then shown normalised. Throws
    // InputError, leaving the text as typed.
    double getValue();
    // Shows a value in the field's format, read back once so that it stays normalised.
    void setValue(double value);
    // A value from elsewhere, checked against the field's bounds.
    double checked(double value) const { return rule_.checked(value, fmt_); }

Q_SIGNALS:
    void valueEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FieldRule rule_;
    const Fmt& fmt_;
    QString textOnEntry_;
};

} // namespace korvex
