#pragma once
// The access-point groups an appointment may grant, each a checkable item: name as text,
// GUID under role 257, the default flag under role 1256. Every change of a check state
// announces the checked names.

#include <QStandardItemModel>

namespace visitorclient {

class AccessGroupPointModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Role { GuidRole = 257, DefaultRole = 1256 };

    explicit AccessGroupPointModel(QObject *parent = nullptr);

    void addGroup(const QString &guid, const QString &name, bool defaultGroup);
    /// Checks exactly the groups of the ","-joined GUID list; an empty list checks the
    /// first default group instead.
    void checkGroups(const QString &guids);
    QStringList checkedGuids() const;
    QStringList checkedNames() const;
    /// Checked becomes unchecked and unchecked checked; a partly checked item stays.
    void toggle(int row);

signals:
    void signalSelectDataChanged(QString strText);
};

} // namespace visitorclient
