#pragma once
// Header of the toolkit's tables and trees, with an optional check box per section.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QHeaderView>
#include <QList>
#include <QMetaObject>

namespace QorvaGUIToolkit {

/// A section whose header data HeaderCheckBoxRole (386) is true shows a check box whose
/// state is the section's header data under Qt::CheckStateRole. Clicking that section
/// ticks (or, when all are ticked, unticks) the checkable items of its column in every
/// row; ticking rows one by one updates the header box (partly ticked when some are)
/// at once, inserting or removing rows updates it when the event loop next runs.
/// A section too narrow for its text shows it elided, with the whole text as tool tip
/// (unless the model gives the section a tool tip of its own).
class QORVAGUITOOLKIT_EXPORT CHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit CHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    bool HasCheckBox(int section) const;
    Qt::CheckState CheckState(int section) const;
    /// Ticks or unticks the checkable items of the section's column in every row.
    void SetAllChecked(int section, bool checked);
    /// The section is narrower than its text (with margins and sort indicator) needs.
    bool IsSectionTextElided(int section) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    bool viewportEvent(QEvent *event) override;

private:
    void onSectionClicked(int section);
    void syncHeaderState();
    QRect checkBoxRect(const QRect &sectionRect) const;

    QList<QMetaObject::Connection> m_modelConnections;
    bool m_bulkUpdate = false;
    bool m_syncPending = false;
};

} // namespace QorvaGUIToolkit
