#pragma once
// Transient notice ("toast") at the lower right of the screen: 320 px wide, an icon and
// the text, fades out after 3 s. Error notices have an error-coloured left edge.
// GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QFrame>

class QLabel;
class QPropertyAnimation;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CInformationDlg : public QFrame
{
    Q_OBJECT
public:
    enum Level { Info = 0, Success = 1, Error = 2 };

    explicit CInformationDlg(const QString &text, Level level = Info, QWidget *parent = nullptr);

    QString text() const;
    /// Time before the fade starts (default 3000 ms).
    void setDisplayTime(int milliseconds);
    /// Shows the notice at the lower right of the available area of the screen that
    /// holds `anchor` (the primary screen for nullptr); it deletes itself after fading.
    void popUp(QWidget *anchor);

    /// Creates and shows a notice; recorded by TestHooks. The three flags are the
    /// framework's: isError shows the error look; the others are accepted and ignored.
    /// Returns the notice (it deletes itself; do not keep the pointer).
    static CInformationDlg *ShowInformationAtScreenRightBottom(const QString &text, QWidget *widget,
                                                               bool isError = false,
                                                               bool modal = false,
                                                               bool persistent = false);
    /// Notices currently visible (newest last).
    static int visibleCount();

private:
    QLabel *m_pIcon;
    QLabel *m_pText;
    int m_displayTime = 3000;
    Level m_level;
};

} // namespace QorvaGUIToolkit
