#pragma once
// Item of the toolkit's list models.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStandardItem>

namespace QorvaGUIToolkit {

/// A QStandardItem that is not editable in place (pages change rows through their
/// models, never by typing into a cell); everything else as QStandardItem.
class QORVAGUITOOLKIT_EXPORT CStandardItem : public QStandardItem
{
public:
    CStandardItem();
    explicit CStandardItem(const QString &text);
    CStandardItem(const QIcon &icon, const QString &text);

    QStandardItem *clone() const override;
    int type() const override { return UserType + 1; }
};

} // namespace QorvaGUIToolkit
