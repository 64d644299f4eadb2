#pragma once
// The right-hand drawer of the main window: a title bar with a close button above one
// content widget; it slides in over the shade.

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace QorvaGUIToolkit {
class CShadeFrame;
}

namespace visitorclient {

class COverlayFrame : public QFrame
{
    Q_OBJECT
public:
    /// The drawer is a child of the main window; the slide runs relative to it.
    COverlayFrame(QorvaGUIToolkit::CShadeFrame *shadeFrame, QWidget *mainWindow);

    /// Replaces the content and the title. A null widget changes nothing. The previous
    /// content is taken out, left without parent and hidden (its owner keeps it).
    void setContent(const QString &title, QWidget *widget);
    QWidget *contentWidget() const { return m_pContent; }
    QString title() const;
    bool isShown() const { return m_bShown; }

signals:
    void signalHide();

public slots:
    /// Slides the drawer in above the shade; nothing when already shown or without content.
    void onShowFrame();
    /// Hides drawer and shade and emits signalHide(); nothing when not shown.
    void onHideFrame();

private:
    QorvaGUIToolkit::CShadeFrame *m_pShadeFrame;
    QPointer<QWidget> m_pMainWindow;
    QPointer<QWidget> m_pContent;
    bool m_bShown = false;
    QLabel *m_pTitle;
    QPushButton *m_pCloseButton;
    QStackedWidget *m_pStack;
};

} // namespace visitorclient
