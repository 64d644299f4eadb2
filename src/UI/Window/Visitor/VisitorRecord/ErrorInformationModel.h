#pragma once
// The devices on which one record's permission download failed: number, device name,
// kind of data and the device's error message. Shown by the error-detail dialog.

#include "VisitorRecordRules.h"

#include <QAbstractTableModel>
#include <QVector>

namespace visitorclient {

class ErrorInformationModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { IndexColumn = 0, DeviceColumn, KindColumn, MessageColumn, ColumnCount };

    explicit ErrorInformationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    /// Appends a row: failure kind, device name, error message.
    void addRow(const QString &failureKind, const QString &deviceName, const QString &message);

public slots:
    void reset();

private:
    QVector<VisitorRecordRules::ErrorRow> m_rows;
};

} // namespace visitorclient
