#pragma once
// A segmented switch: two or more options side by side, exactly one selected (for
// example "Appointments | Records"). GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CMiddleSwitchBox : public QWidget
{
    Q_OBJECT
public:
    explicit CMiddleSwitchBox(QWidget *parent = nullptr);
    CMiddleSwitchBox(const QStringList &items, QWidget *parent = nullptr);

    /// Appends an option; the first option becomes the selected one.
    void addItem(const QString &text);
    void setItems(const QStringList &items);
    int count() const;
    QString itemText(int index) const;

    /// Selects an option without emitting currentIndexChanged when it is already
    /// selected; out-of-range indexes are ignored.
    void setCurrentIndex(int index);
    int currentIndex() const;

signals:
    void currentIndexChanged(int index);

private:
    void updatePositions();

    QButtonGroup *m_pGroup;
    QHBoxLayout *m_pLayout;
    int m_current = -1;
};

} // namespace QorvaGUIToolkit
