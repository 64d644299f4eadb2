#include "VisitorRecordExport.h"

#include "VisitorRecordRules.h"

#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/RecordComm.h>

#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <Base/Log.h>

#include <QFileInfo>
#include <QVector>

namespace visitorclient {

namespace Rules = VisitorRecordRules;

RecordExportOutcome exportRecords(const QString &path,
                                  const protocol::QueryVisitorRecordCondition &stored,
                                  const RecordExportRange &range)
{
    QVector<QStringList> rows;
    rows.append(Rules::exportHeader());
    const int pageSize = range.pageSize > 0 ? range.pageSize : Rules::kDefaultPageSize;
    for (int page = Rules::firstExportPage(range.currentPage); page <= range.totalPages; ++page) {
        protocol::QueryVisitorRecordResultListData answer;
        if (!commlayer::RecordComm::getRecord(answer,
                                              Rules::exportCondition(stored, page, pageSize))) {
            LOG_WARN("getRecord failed while exporting page [%d].", page);
            return RecordExportOutcome::QueryFailed;
        }
        const auto &records = answer.queryVisitorRecordResultList.visitorRecordResultList;
        rows.reserve(rows.size() + static_cast<int>(records.size()));
        for (const auto &record : records)
            rows.append(Rules::exportRow(VisitorRecordData::fromResult(record)));
    }
    if (!QorvaGUIToolkit::QXlsxMgr::WriteExcel(path, rows))
        return RecordExportOutcome::WriteFailed;
    return RecordExportOutcome::Written;
}

QString exportFilePath(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".xlsx");
}

} // namespace visitorclient
