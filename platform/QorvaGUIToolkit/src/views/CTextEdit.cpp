#include <QorvaGUIToolkit/CTextEdit.h>

#include <QTextCursor>

namespace QorvaGUIToolkit {

CTextEdit::CTextEdit(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("CTextEdit"));
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, &CTextEdit::enforceLimit);
}

void CTextEdit::SetMaxLength(int maxLength)
{
    m_maxLength = qMax(0, maxLength);
    enforceLimit();
}

QString CTextEdit::GetText() const
{
    return toPlainText();
}

void CTextEdit::enforceLimit()
{
    if (m_enforcing || m_maxLength <= 0)
        return;
    const QString text = toPlainText();
    if (text.size() <= m_maxLength)
        return;
    m_enforcing = true;
    setPlainText(text.left(m_maxLength));
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    m_enforcing = false;
}

} // namespace QorvaGUIToolkit
