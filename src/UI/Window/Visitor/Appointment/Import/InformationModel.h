#pragma once
// The refused cells of one import for the result dialog: position ("(12,C)") and message.

#include <QAbstractTableModel>
#include <QPair>
#include <QString>
#include <QVector>

namespace visitorclient {

class InformationModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Entry = QPair<QString, QString>; // position text, message

    explicit InformationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// Replaces the list. GUI thread.
    void setEntries(const QVector<Entry> &entries);
    void append(const QString &position, const QString &message);
    QVector<Entry> entries() const { return m_entries; }

public slots:
    void reset();

private:
    QVector<Entry> m_entries;
};

} // namespace visitorclient
