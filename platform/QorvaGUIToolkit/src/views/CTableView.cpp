#include <QorvaGUIToolkit/CTableView.h>

namespace QorvaGUIToolkit {

CTableView::CTableView(QWidget *parent) : CAbstractItemView(parent)
{
    setObjectName(QStringLiteral("CTableView"));
}

} // namespace QorvaGUIToolkit
