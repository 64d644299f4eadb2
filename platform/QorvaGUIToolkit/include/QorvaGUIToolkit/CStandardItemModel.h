#pragma once
// Base of the pages' list models.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStandardItemModel>

namespace QorvaGUIToolkit {

/// QStandardItemModel whose new items are CStandardItem; header data accepts the
/// toolkit's roles (HeaderCheckBoxRole, HeaderColumnWidthRole) like any other role.
class QORVAGUITOOLKIT_EXPORT CStandardItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit CStandardItemModel(QObject *parent = nullptr);
    CStandardItemModel(int rows, int columns, QObject *parent = nullptr);

    /// Sets the text of the horizontal header sections in order, left and vertically
    /// centred; grows the column count when needed.
    void SetHorizontalHeaderTexts(const QStringList &texts);
    /// Gives a header section the check box of CHeaderView (unticked).
    void SetHeaderCheckable(int column, bool checkable = true);
};

} // namespace QorvaGUIToolkit
