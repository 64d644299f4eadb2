#include <QorvaGUIToolkit/CSearchLineEdit.h>

#include <QAction>
#include <QEvent>
#include <QIcon>

namespace QorvaGUIToolkit {

CSearchLineEdit::CSearchLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CSearchLineEdit"));
    auto *icon = addAction(QIcon(QStringLiteral(":/QorvaGUIToolkit/Views/images/Search.svg")),
                           QLineEdit::LeadingPosition);
    icon->setObjectName(QStringLiteral("SearchIconAction"));
    setClearButtonEnabled(true);
    setPlaceholderText(tr("Search"));
    connect(this, &QLineEdit::textChanged, this, &CSearchLineEdit::SignalFilterChanged);
}

QString CSearchLineEdit::GetCurrentFilterText() const
{
    return text();
}

void CSearchLineEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setPlaceholderText(tr("Search"));
    QLineEdit::changeEvent(event);
}

} // namespace QorvaGUIToolkit
