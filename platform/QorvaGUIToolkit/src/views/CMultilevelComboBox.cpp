#include <QorvaGUIToolkit/CMultilevelComboBox.h>

#include <Base/Log.h>

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeView>

namespace QorvaGUIToolkit {

CMultilevelComboBox::CMultilevelComboBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("CMultilevelComboBox"));
    setEditable(true);
    lineEdit()->setReadOnly(true);
    m_pTreeView = new QTreeView(this);
    m_pTreeView->setObjectName(QStringLiteral("CMultilevelComboBoxTree"));
    m_pTreeView->header()->hide();
    m_pTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTreeView->setSelectionBehavior(QAbstractItemView::SelectRows);
    setView(m_pTreeView);
    connect(m_pTreeView, &QTreeView::expanded, this, &CMultilevelComboBox::adjustPopupHeight);
    // Installed after the popup container's own filters, so these run first and the
    // container never turns a press into a flat-row selection.
    m_pTreeView->viewport()->installEventFilter(this);
    m_pTreeView->installEventFilter(this);
    // QComboBox would track a row of the root and overwrite the field's text with it (also
    // when a model that loads late gets its first row); the current item is kept in
    // m_current and the field's text in m_text instead.
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int row) {
        if (row == -1)
            return;
        const QSignalBlocker blocker(this);
        QComboBox::setCurrentIndex(-1);
        lineEdit()->setText(m_text);
    });
}

void CMultilevelComboBox::SetModel(QAbstractItemModel *newModel)
{
    m_current = QPersistentModelIndex();
    if (newModel) {
        QComboBox::setModel(newModel);
    } else {
        clear();
    }
    {
        const QSignalBlocker blocker(this);
        QComboBox::setCurrentIndex(-1);
    }
    SetText(QString());
}

QAbstractItemModel *CMultilevelComboBox::GetModel() const
{
    return model();
}

void CMultilevelComboBox::SetCurrentIndex(const QModelIndex &index)
{
    if (index.isValid() && index.model() != model()) {
        LOG_WARN("CMultilevelComboBox: index of another model ignored.");
        return;
    }
    const bool changed = QModelIndex(m_current) != index;
    m_current = QPersistentModelIndex(index);
    SetText(index.isValid() ? index.data(Qt::DisplayRole).toString() : QString());
    if (changed)
        emit SignalCurrentIndexChanged(index);
}

QModelIndex CMultilevelComboBox::GetCurrentIndex() const
{
    return m_current;
}

void CMultilevelComboBox::LocationModel(const QModelIndex &index)
{
    if (!index.isValid() || index.model() != model())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_pTreeView->expand(parent);
    m_pTreeView->setCurrentIndex(index);
    m_pTreeView->scrollTo(index);
}

void CMultilevelComboBox::SetText(const QString &text)
{
    m_text = text;
    lineEdit()->setText(text);
}

QString CMultilevelComboBox::GetText() const
{
    return lineEdit()->text();
}

void CMultilevelComboBox::SetMultiSelect(bool multiSelect)
{
    m_multiSelect = multiSelect;
}

void CMultilevelComboBox::showPopup()
{
    QComboBox::showPopup();
    lineEdit()->setText(m_text);
    LocationModel(m_current);
    adjustPopupHeight();
}

void CMultilevelComboBox::adjustPopupHeight()
{
    // QComboBox sizes its popup for the top-level rows only; expanded branches need room.
    QWidget *container = m_pTreeView->parentWidget();
    if (!container || !container->isVisible() || !model())
        return;
    int rows = 0;
    for (QModelIndex index = model()->index(0, 0, rootModelIndex());
         index.isValid() && rows < maxVisibleItems(); index = m_pTreeView->indexBelow(index))
        ++rows;
    const int rowHeight = qMax(m_pTreeView->sizeHintForRow(0), 1);
    const int chrome = container->height() - m_pTreeView->viewport()->height();
    const int wanted = rows * rowHeight + chrome;
    if (wanted > container->height())
        container->resize(container->width(), wanted);
}

void CMultilevelComboBox::press(const QModelIndex &index)
{
    if (m_multiSelect)
        return;
    SetCurrentIndex(index);
    hidePopup();
}

bool CMultilevelComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pTreeView->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex index = m_pTreeView->indexAt(mouse->pos());
            // Presses left of the item (the branch arrow) expand or collapse as usual.
            if (!index.isValid() || mouse->button() != Qt::LeftButton ||
                mouse->pos().x() < m_pTreeView->visualRect(index).x())
                return false;
            emit SignalCurrentIndexPressed(index);
            press(index);
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    } else if (watched == m_pTreeView && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QModelIndex index = m_pTreeView->currentIndex();
            if (index.isValid()) {
                emit SignalCurrentIndexPressed(index);
                press(index);
            }
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace QorvaGUIToolkit
