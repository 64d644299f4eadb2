#include "InputTip.h"

#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace QorvaGUIToolkit {

CValidateLineEditEx::CValidateLineEditEx(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CValidateLineEditEx"));
    m_refusedTip = tr("Invalid character or text too long");
}

void CValidateLineEditEx::SetRefusedTipText(const QString &text)
{
    m_refusedTip = text;
    m_customTip = true;
}

QString CValidateLineEditEx::RefusedTipText() const
{
    return m_refusedTip;
}

void CValidateLineEditEx::keyPressEvent(QKeyEvent *event)
{
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    const bool paste =
        event->matches(QKeySequence::Paste) && !QGuiApplication::clipboard()->text().isEmpty();
    if (validator() && (printable || paste) && !isReadOnly() && text() == before) {
        detail::ShowInputTip(this, m_refusedTip);
        emit SignalInputRefused();
    }
}

void CValidateLineEditEx::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && !m_customTip)
        m_refusedTip = tr("Invalid character or text too long");
    QLineEdit::changeEvent(event);
}

} // namespace QorvaGUIToolkit
