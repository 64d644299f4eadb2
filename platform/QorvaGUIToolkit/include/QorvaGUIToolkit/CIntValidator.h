#pragma once
// Integer validator for plain decimal input.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QIntValidator>

namespace QorvaGUIToolkit {

/// Accepts only an optional '-' (when the bottom is negative) and ASCII digits, without
/// group separators or spaces. Empty or "-" is Intermediate; a value in range is
/// Acceptable; a value above the top (or below a negative bottom) is Invalid, so the
/// operator cannot type past the range; a value below a positive bottom is Intermediate.
class QORVAGUITOOLKIT_EXPORT CIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    explicit CIntValidator(QObject *parent = nullptr);
    CIntValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    /// Clamps a number to the range; leaves other text alone.
    void fixup(QString &input) const override;
};

} // namespace QorvaGUIToolkit
