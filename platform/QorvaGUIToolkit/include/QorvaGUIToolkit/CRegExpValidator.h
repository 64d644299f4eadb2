#pragma once
// Validator of free-text fields: bounded length, no characters that are invalid in
// file names, optionally a pattern.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QRegExpValidator>

namespace QorvaGUIToolkit {

/// Refuses (Invalid) input longer than the maximum length in characters and input with
/// any of / \ : * ? " < > |. With a pattern, the remaining input is judged by
/// QRegExpValidator; without one it is Acceptable (also when empty: whether a field may
/// stay empty is the page's check). Never fails on empty or huge input.
class QORVAGUITOOLKIT_EXPORT CRegExpValidator : public QRegExpValidator
{
    Q_OBJECT
public:
    explicit CRegExpValidator(int maxLength, QObject *parent = nullptr);
    CRegExpValidator(const QRegExp &pattern, int maxLength, QObject *parent = nullptr);
    CRegExpValidator(const QString &pattern, int maxLength, QObject *parent = nullptr);

    int MaxLength() const { return m_maxLength; }
    /// The characters this validator always refuses.
    static QString InvalidCharacters();

    State validate(QString &input, int &pos) const override;
    /// Drops refused characters and cuts the text to the maximum length.
    void fixup(QString &input) const override;

private:
    int m_maxLength;
};

} // namespace QorvaGUIToolkit
