#pragma once
// Item-data roles shared by the toolkit's views and the models that pages fill.

#include <QMetaType>
#include <Qt>

namespace QorvaGUIToolkit {

/// Role numbers understood by the toolkit's views. Unscoped, so a role compares
/// directly with an int (role == 436).
enum CItemDataRole {
    ItemRowIdRole = 356,         ///< identifier of the row (text)
    ItemRecordRole = 456,        ///< the whole page-side record of the row (QVariant)
    ItemClickableIconRole = 436, ///< icon drawn in the cell (QPixmap, QIcon, QImage or
                                 ///< a resource path); clicking it emits SignalClicked
    ItemIconToolTipRole = 466,   ///< tool tip of that icon
    ItemIconCursorRole = 426,    ///< cursor over that icon (Qt::CursorShape or QCursor;
                                 ///< any other value: pointing hand)
    HeaderCheckBoxRole = 386,    ///< header data: true draws a check box in the section
    HeaderColumnWidthRole = 388  ///< header data: width of the column in pixels
};

} // namespace QorvaGUIToolkit

Q_DECLARE_METATYPE(QorvaGUIToolkit::CItemDataRole)
