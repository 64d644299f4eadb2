#pragma once
// Base of the component's pages: the shared overlays (main window, shade, drawer),
// save-result messages and a few mouse signals.

#include <QWidget>

#include <functional>

class QPushButton;
class QLayout;
class QVBoxLayout;

namespace QorvaGUIToolkit {
class CShadeFrame;
}

namespace visitorclient {

class COverlayFrame;

class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);

    /// Called when the page is selected in the navigation; pages refresh themselves.
    virtual void activatePage();
    /// The operator's function permission: enables or disables every direct child
    /// widget, then the page itself. Pages refine which controls follow it.
    virtual void setPageEnabled(bool enabled);
    /// The permission last given to setPageEnabled (true until then). Pages that keep
    /// some controls usable without it still answer false here.
    bool isPageEnabled() const { return m_bPageEnabled; }
    /// Second hook for pages (empty here).
    virtual void updatePage();
    /// Takes the process-wide main window, shade and drawer.
    virtual void initFramePointers();
    /// Puts a widget into the drawer with the drawer's width; nothing without a drawer.
    virtual void setOverlayContent(const QString &title, QWidget *widget, int width);

    QWidget *mainWindow() const { return m_pMainWindow; }
    QorvaGUIToolkit::CShadeFrame *shadeFrame() const { return m_pShadeFrame; }
    COverlayFrame *overlayFrame() const { return m_pOverlayFrame; }

signals:
    void signalDoubleClicked();
    void signalMouseClicked();
    void signalMouseEnter();
    void signalMouseLeave();
    void signalHeightIsZero();
    void signalWidthIsZero();
    void signalResult(bool bSaved);

public slots:
    /// Saved: a "Saved" notice. Otherwise the calling thread's last error: codes 6900
    /// and 6901 as a warning dialog, any other as a "SaveFailed" notice with its text.
    void onResultShow(bool bSaved);
    void onShowFrame();
    void onHideFrame();

protected:
    /// The look of a page's action button: filled (the page's main action), outlined, or
    /// outlined and marked for the style sheet's warning colour (it removes data).
    enum class ButtonKind { Primary, Secondary, Destructive };
    /// A toolkit button of that kind with its object name, owned by the page.
    QPushButton *newPageButton(ButtonKind kind, const QString &text, const QString &objectName);
    /// The same, calling the page's onClick when clicked.
    template <class Page>
    QPushButton *newPageButton(ButtonKind kind, const QString &text, const QString &objectName,
                               void (Page::*onClick)())
    {
        Page *page = static_cast<Page *>(this);
        return newPageButton(kind, text, objectName, [page, onClick] { (page->*onClick)(); });
    }
    QPushButton *newPageButton(ButtonKind kind, const QString &text, const QString &objectName,
                               const std::function<void()> &onClick);
    /// The pages' common layout: a tool bar (leading widgets on the left, trailing ones on
    /// the right, 8 px apart) over the body, which takes the remaining height; 24 px
    /// margins, 16 px between bar and body.
    void layOutPage(const QList<QWidget *> &leading, const QList<QWidget *> &trailing,
                    QWidget *body);
    void layOutPage(const QList<QWidget *> &leading, const QList<QWidget *> &trailing,
                    QLayout *body);

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    bool m_bInit = false;
    /// For pages that refine setPageEnabled without calling the base.
    void rememberPageEnabled(bool enabled) { m_bPageEnabled = enabled; }

private:
    QVBoxLayout *pageLayout(const QList<QWidget *> &leading, const QList<QWidget *> &trailing);

    COverlayFrame *m_pOverlayFrame = nullptr;
    QorvaGUIToolkit::CShadeFrame *m_pShadeFrame = nullptr;
    QWidget *m_pMainWindow = nullptr;
    bool m_bPageEnabled = true;
};

} // namespace visitorclient
