#include <QorvaGUIToolkit/CCombination_Model.h>

namespace QorvaGUIToolkit {

CCombination_Model::CCombination_Model(QObject *parent) : QStandardItemModel(parent)
{
    setColumnCount(1);
    connect(this, &QStandardItemModel::itemChanged, this, [this](QStandardItem *) {
        if (!m_bulk)
            emit SignalCombinationChanged(CombinedText());
    });
}

int CCombination_Model::AddItem(const QString &text, const QVariant &data, int role)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setCheckable(true);
    item->setCheckState(Qt::Unchecked);
    if (data.isValid())
        item->setData(data, role);
    appendRow(item);
    return item->row();
}

void CCombination_Model::SetSeparator(const QString &separator)
{
    m_separator = separator;
}

QStringList CCombination_Model::CheckedTexts() const
{
    QStringList texts;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *it = item(row);
        if (it && it->checkState() == Qt::Checked)
            texts << it->text();
    }
    return texts;
}

QVariantList CCombination_Model::CheckedData(int role) const
{
    QVariantList values;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *it = item(row);
        if (it && it->checkState() == Qt::Checked)
            values << it->data(role);
    }
    return values;
}

QString CCombination_Model::CombinedText() const
{
    return CheckedTexts().join(m_separator);
}

void CCombination_Model::SetAllChecked(bool checked)
{
    m_bulk = true;
    for (int row = 0; row < rowCount(); ++row) {
        if (QStandardItem *it = item(row))
            it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    m_bulk = false;
    emit SignalCombinationChanged(CombinedText());
}

} // namespace QorvaGUIToolkit
