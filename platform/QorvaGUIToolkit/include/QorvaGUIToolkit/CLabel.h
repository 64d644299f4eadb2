#pragma once
// A label that can elide its text to its width; the full text is then its tool tip.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLabel>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CLabel(QWidget *parent = nullptr);
    explicit CLabel(const QString &text, QWidget *parent = nullptr);

    /// Qt::ElideNone (default) shows the text as QLabel does.
    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_elide; }
    /// The whole text, also while elided.
    QString fullText() const;
    void setText(const QString &text);
    bool isElided() const;

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateElided();

    QString m_fullText;
    Qt::TextElideMode m_elide = Qt::ElideNone;
};

} // namespace QorvaGUIToolkit
