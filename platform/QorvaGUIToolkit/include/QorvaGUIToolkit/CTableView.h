#pragma once
// The toolkit's table view.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/CAbstractItemView.h>

namespace QorvaGUIToolkit {

/// Table view used by pages and by CMultiPageServerTableView; behaviour of
/// CAbstractItemView, object name "CTableView".
class QORVAGUITOOLKIT_EXPORT CTableView : public CAbstractItemView
{
    Q_OBJECT
public:
    explicit CTableView(QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
