#pragma once
// A shade over its parent: black at 50% opacity, covering the parent and following its
// size, so that a drawer or a wait dialog above it reads as modal. GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QFrame>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CShadeFrame : public QFrame
{
    Q_OBJECT
public:
    explicit CShadeFrame(QWidget *parent);

    /// Covers the parent and raises the shade above its siblings.
    void showShade();
    void hideShade();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace QorvaGUIToolkit
