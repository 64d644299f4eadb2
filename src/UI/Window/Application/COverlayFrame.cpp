#include "COverlayFrame.h"

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CShadeFrame.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace visitorclient {

COverlayFrame::COverlayFrame(QorvaGUIToolkit::CShadeFrame *shadeFrame, QWidget *mainWindow)
    : QFrame(mainWindow)
    , m_pShadeFrame(shadeFrame)
    , m_pMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("OverlayFrame"));
    setAttribute(Qt::WA_StyledBackground);

    auto *titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("OverlayTitleBar"));
    m_pTitle = new QLabel(titleBar);
    m_pTitle->setObjectName(QStringLiteral("OverlayTitle"));
    m_pCloseButton = new QPushButton(QStringLiteral("\u2715"), titleBar);
    m_pCloseButton->setObjectName(QStringLiteral("OverlayCloseButton"));
    m_pCloseButton->setToolTip(tr("Close"));
    m_pCloseButton->setCursor(Qt::PointingHandCursor);
    m_pCloseButton->setFixedSize(28, 28);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(24, 12, 16, 12);
    titleLayout->addWidget(m_pTitle, 1);
    titleLayout->addWidget(m_pCloseButton);

    m_pStack = new QStackedWidget(this);
    m_pStack->setObjectName(QStringLiteral("OverlayContent"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addWidget(m_pStack, 1);

    connect(m_pCloseButton, &QPushButton::clicked, this, &COverlayFrame::onHideFrame);
    onHideFrame();
}

void COverlayFrame::setContent(const QString &title, QWidget *widget)
{
    if (!widget)
        return;
    m_pContent = widget;
    m_pTitle->setText(title);
    if (QWidget *old = m_pStack->widget(0)) {
        if (old != widget) {
            m_pStack->removeWidget(old);
            old->setParent(nullptr);
            old->hide();
        }
    }
    if (m_pStack->indexOf(widget) < 0)
        m_pStack->addWidget(widget);
}

QString COverlayFrame::title() const
{
    return m_pTitle->text();
}

void COverlayFrame::onShowFrame()
{
    if (m_bShown || !m_pContent || !m_pMainWindow)
        return;
    m_pContent->show();
    m_pStack->setCurrentWidget(m_pContent);
    m_pStack->update();
    if (m_pShadeFrame) {
        m_pShadeFrame->show();
        m_pShadeFrame->raise();
        m_pShadeFrame->showShade();
    }
    show();
    raise();
    QorvaGUIToolkit::rightSlideAnimation(this, m_pMainWindow, 300);
    m_bShown = true;
}

void COverlayFrame::onHideFrame()
{
    if (!m_bShown)
        return;
    lower();
    hide();
    if (m_pShadeFrame) {
        m_pShadeFrame->hideShade();
        m_pShadeFrame->lower();
        m_pShadeFrame->hide();
    }
    m_bShown = false;
    emit signalHide();
}

} // namespace visitorclient
