#pragma once
// Plain multi-line text field with a length limit.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QTextEdit>

namespace QorvaGUIToolkit {

/// QTextEdit for plain text (rich text is pasted as plain) with an optional maximum
/// length in characters; longer input, typed or pasted, is cut at the limit.
class QORVAGUITOOLKIT_EXPORT CTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit CTextEdit(QWidget *parent = nullptr);

    /// 0 (default) means no limit.
    void SetMaxLength(int maxLength);
    int MaxLength() const { return m_maxLength; }
    QString GetText() const;

private:
    void enforceLimit();

    int m_maxLength = 0;
    bool m_enforcing = false;
};

} // namespace QorvaGUIToolkit
