#pragma once
// Icon-only button (close, clear, fold) with separate normal, hover and pressed icons
// (resource paths); 16 px icon, pointer cursor, no frame.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPushButton>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CToolPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CToolPushButton(QWidget *parent = nullptr);
    CToolPushButton(const QString &normalIcon, const QString &hoverIcon, QWidget *parent = nullptr);

    /// Empty hover/pressed icons reuse the normal one.
    void setIcons(const QString &normalIcon, const QString &hoverIcon = QString(),
                  const QString &pressedIcon = QString());
    QString normalIcon() const { return m_normal; }

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showIcon(const QString &icon);

    QString m_normal;
    QString m_hover;
    QString m_pressed;
};

} // namespace QorvaGUIToolkit
