#include "BaseWidget.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace visitorclient {

BaseWidget::BaseWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("basewidget"));
    resize(447, 355);

    m_pContent = new QWidget(this);
    m_pContent->setObjectName(QStringLiteral("BaseContent"));
    m_pText = new QLabel(this);
    m_pText->setObjectName(QStringLiteral("BaseText"));
    m_pExtra = new QWidget(this);
    m_pExtra->setObjectName(QStringLiteral("BaseExtra"));
    m_pExtra->hide();
    m_pConfirm = new QPushButton(QCoreApplication::translate("BaseWidget", "Confirm"), this);
    m_pConfirm->setObjectName(QStringLiteral("BaseConfirmButton"));
    m_pConfirm->setProperty("buttonRole", QStringLiteral("primary"));
    m_pCancel = new QPushButton(QCoreApplication::translate("BaseWidget", "UndoMerge"), this);
    m_pCancel->setObjectName(QStringLiteral("BaseCancelButton"));
    m_pCancel->setProperty("buttonRole", QStringLiteral("secondary"));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_pExtra);
    buttons->addStretch(1);
    buttons->addWidget(m_pConfirm);
    buttons->addWidget(m_pCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(m_pContent, 1);
    layout->addWidget(m_pText);
    layout->addLayout(buttons);
}

} // namespace visitorclient
