#pragma once
// Node of the framework-data models that answers the roles of what it shows from its
// own members instead of storing one value per role, so that building thousands of
// nodes costs about what bare items cost. Its flags and check state are members too;
// any other role is stored as usual.

#include <QStandardItem>

namespace UiDataController {

class CDataItem : public QStandardItem
{
public:
    QVariant data(int role) const override
    {
        if (role == kFlagsRole)
            return int(m_flags);
        if (role == Qt::CheckStateRole)
            return m_check < 0 ? QVariant() : QVariant(m_check);
        const QVariant own = value(role);
        return own.isValid() ? own : QStandardItem::data(role);
    }

    void setData(const QVariant &value, int role) override
    {
        if (role == kFlagsRole || role == Qt::CheckStateRole) {
            int &member = role == kFlagsRole ? m_flags : m_check;
            const int next =
                value.isValid() ? value.toInt() : (role == kFlagsRole ? kDefaultFlags : -1);
            if (next != member) {
                member = next;
                emitDataChanged();
            }
            return;
        }
        QStandardItem::setData(value, role);
    }

protected:
    /// The value of one of the node's own roles; invalid for any other role.
    virtual QVariant value(int role) const = 0;
    void changed() { emitDataChanged(); }

private:
    static constexpr int kFlagsRole = Qt::UserRole - 1; // where QStandardItem keeps its flags
    static constexpr int kDefaultFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    int m_flags = kDefaultFlags;
    int m_check = -1; // no check box
};

} // namespace UiDataController
