#pragma once
// A text link that behaves as a button ("DownloadTheTemplate"): accent text, underlined
// on hover, pointer cursor, no frame.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPushButton>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CHyperlinkButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CHyperlinkButton(QWidget *parent = nullptr);
    explicit CHyperlinkButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
};

} // namespace QorvaGUIToolkit
