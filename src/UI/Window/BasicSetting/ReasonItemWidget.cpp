#include "ReasonItemWidget.h"

#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CToolPushButton.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QHBoxLayout>

namespace visitorclient {

ReasonItemWidget::ReasonItemWidget(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("ReasonItem"));
    setFixedHeight(kHeight);

    m_pNameEdit = new QorvaGUIToolkit::CValidateLineEditEx(this);
    m_pNameEdit->setObjectName(QStringLiteral("ReasonNameEdit"));
    m_pNameEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(kMaxNameLength, m_pNameEdit));
    m_pNameEdit->setFixedWidth(320);

    const bool first = kind == Kind::First;
    const QString icon = first ? QStringLiteral(":/VisitorManagement/Images/basicsetting/add")
                               : QStringLiteral(":/VisitorManagement/Images/basicsetting/remove");
    auto *button = new QorvaGUIToolkit::CToolPushButton(icon + QStringLiteral(".svg"),
                                                        icon + QStringLiteral("_hover.svg"), this);
    button->setObjectName(first ? QStringLiteral("ReasonAddBtn")
                                : QStringLiteral("ReasonDeleteBtn"));
    button->setToolTip(first ? tr("Add") : tr("Delete"));
    m_pButton = button;

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_pNameEdit);
    layout->addWidget(m_pButton);
    layout->addStretch(1);

    if (first)
        connect(m_pButton, &QPushButton::clicked, this, &ReasonItemWidget::signalAdd);
    else
        connect(m_pButton, &QPushButton::clicked, this, &ReasonItemWidget::signalDelete);
    connect(m_pNameEdit, &QLineEdit::editingFinished, this, &ReasonItemWidget::onReasonChecked);
    connect(m_pNameEdit, &QLineEdit::textChanged, this, &ReasonItemWidget::onTextChanged);
}

void ReasonItemWidget::setReason(const VisitReasonData &reason)
{
    m_strReasonId = reason.strReasonId;
    m_pNameEdit->setText(reason.strReasonName);
    m_pNameEdit->setCursorPosition(0);
}

VisitReasonData ReasonItemWidget::reason() const
{
    return {m_strReasonId, m_pNameEdit->text().trimmed()};
}

void ReasonItemWidget::onReasonChecked()
{
    const QString trimmed = m_pNameEdit->text().trimmed();
    if (trimmed != m_pNameEdit->text())
        m_pNameEdit->setText(trimmed);
}

void ReasonItemWidget::onTextChanged()
{
    if (m_pNameEdit->hasFocus())
        QorvaGUIToolkit::CToolTip::HideText();
}

} // namespace visitorclient
