#pragma once
// Rows of visitor records: eight columns, the record's guid under role 356 and the whole
// record under role 456 of the name column, the re-send icon in the operation column
// for downloads that did not fully succeed. The page keeps two: query results and the
// list of failed downloads.

#include "VisitorRecordData.h"

#include <QorvaGUIToolkit/CStandardItemModel.h>

#include <QPixmap>
#include <QStringList>
#include <QVector>

namespace visitorclient {

class VisitorRecordModel : public QorvaGUIToolkit::CStandardItemModel
{
    Q_OBJECT
public:
    enum Column {
        CheckColumn = 0,
        NameColumn,
        StatusColumn,
        DownloadColumn,
        DocumentColumn,
        VisitTimeColumn,
        LeaveTimeColumn,
        OperationColumn,
        ColumnCount
    };
    static const char *const kOperationIcon;

    explicit VisitorRecordModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    static int columnWidth(int column);

    void addRecord(const VisitorRecordData &record);
    /// Replaces every row by the records of a loaded page, as one model reset.
    void setRecords(const QVector<VisitorRecordData> &records);
    void clearRecords();
    VisitorRecordData recordAt(int row) const;
    /// The first row whose name column holds guid under role 356, or -1.
    int rowOf(const QString &guid) const;
    /// A reported permission download: the result text, the icon (gone for a success,
    /// kept otherwise) and the record's result and group names. False when no row has
    /// the guid.
    bool applyDownloadResult(const QString &guid, int result, const QString &accessGroups);

    bool isChecked(int row) const;
    int checkedCount() const;
    /// Guids of the ticked rows, in row order.
    QStringList checkedGuids() const;
    /// Header texts in the current language.
    void retranslate();

private:
    QList<QStandardItem *> newRow(const VisitorRecordData &record) const;

    QPixmap m_operationIcon;
};

} // namespace visitorclient
