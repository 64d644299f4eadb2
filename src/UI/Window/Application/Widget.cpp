#include "Widget.h"

#include "COverlayFrame.h"
#include "WindowPointers.h"

#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/InformationMgr.h>

#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CWarningDlg.h>

#include <Base/Error.h>

#include <QHBoxLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleOption>
#include <QVBoxLayout>

namespace visitorclient {

Widget::Widget(QWidget *parent) : QWidget(parent, Qt::WindowFlags())
{
    connect(this, &Widget::signalResult, this, &Widget::onResultShow);
}

void Widget::activatePage()
{
}

void Widget::setPageEnabled(bool enabled)
{
    const QList<QWidget *> children = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children)
        child->setEnabled(enabled);
    setEnabled(enabled);
    m_bPageEnabled = enabled;
}

void Widget::updatePage()
{
}

void Widget::initFramePointers()
{
    m_pMainWindow = g_pMainWindow;
    m_pShadeFrame = g_pShadeFrame;
    m_pOverlayFrame = g_pOverlayFrame;
}

void Widget::setOverlayContent(const QString &title, QWidget *widget, int width)
{
    if (!m_pOverlayFrame)
        return;
    m_pOverlayFrame->setFixedWidth(width);
    m_pOverlayFrame->setContent(title, widget);
}

void Widget::onResultShow(bool bSaved)
{
    if (bSaved) {
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(tr("Saved"), this, false, false, false);
        return;
    }
    const Base::Error::ErrorCode error = Base::Error::GetLastError();
    const int module = static_cast<int>(error.module);
    const int code = static_cast<int>(error.code);
    const QString text = UiDataController::CErrorInfoMgr::GetErrorInfoByCode(module, code);
    if (code == 6900 || code == 6901) {
        QorvaGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Error"), text, this);
        return;
    }
    UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(tr("SaveFailed") + text, this, false, false,
                                                                          false);
}

void Widget::onShowFrame()
{
    if (m_pOverlayFrame)
        m_pOverlayFrame->onShowFrame();
}

void Widget::onHideFrame()
{
    if (m_pOverlayFrame)
        m_pOverlayFrame->onHideFrame();
}

QPushButton *Widget::newPageButton(ButtonKind kind, const QString &text, const QString &objectName)
{
    QPushButton *button = nullptr;
    if (kind == ButtonKind::Primary)
        button = new QorvaGUIToolkit::CPushButton(text, this);
    else
        button = new QorvaGUIToolkit::CSecondaryButton(text, this);
    button->setObjectName(objectName);
    if (kind == ButtonKind::Destructive)
        button->setProperty("buttonRole", QStringLiteral("destructive"));
    return button;
}

QPushButton *Widget::newPageButton(ButtonKind kind, const QString &text, const QString &objectName,
                                   const std::function<void()> &onClick)
{
    QPushButton *button = newPageButton(kind, text, objectName);
    connect(button, &QPushButton::clicked, this, [onClick] { onClick(); });
    return button;
}

QVBoxLayout *Widget::pageLayout(const QList<QWidget *> &leading, const QList<QWidget *> &trailing)
{
    auto *bar = new QHBoxLayout;
    bar->setSpacing(8);
    for (QWidget *widget : leading)
        bar->addWidget(widget);
    bar->addStretch(1);
    for (QWidget *widget : trailing)
        bar->addWidget(widget);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addLayout(bar);
    return layout;
}

void Widget::layOutPage(const QList<QWidget *> &leading, const QList<QWidget *> &trailing,
                        QWidget *body)
{
    pageLayout(leading, trailing)->addWidget(body, 1);
}

void Widget::layOutPage(const QList<QWidget *> &leading, const QList<QWidget *> &trailing,
                        QLayout *body)
{
    pageLayout(leading, trailing)->addLayout(body, 1);
}

bool Widget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit signalMouseClicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit signalDoubleClicked();
        break;
    case QEvent::Enter:
        emit signalMouseEnter();
        break;
    case QEvent::Leave:
        emit signalMouseLeave();
        break;
    case QEvent::Resize: {
        const QSize size = static_cast<QResizeEvent *>(event)->size();
        if (size.height() == 0)
            emit signalHeightIsZero();
        if (size.width() == 0)
            emit signalWidthIsZero();
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void Widget::paintEvent(QPaintEvent *event)
{
    // Lets style sheets paint the page's background and border.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}

} // namespace visitorclient
