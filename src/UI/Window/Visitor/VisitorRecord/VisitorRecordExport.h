#pragma once
// The record export: every page of the last search from the table's current page to
// its last, as text cells of one worksheet with the 18 column titles on top. Runs on a
// worker thread (it waits for the server page by page).

#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>

#include <QString>

namespace visitorclient {

// Pages of the export asked for at once: the server, the link and the writer then work
// side by side, while memory stays bounded to a few pages.
constexpr int kExportPagesInFlight = 3;

// A work that failed before it could say comes back as the first value: nothing written.
enum class RecordExportOutcome { QueryFailed, WriteFailed, Written };

struct RecordExportRange
{
    int currentPage = 0; ///< the table's current page; 0 counts as 1
    int pageSize = 0;
    int totalPages = 0;
};

/// Fetches pages of stored's status and time bounds (not its name) and writes them to
/// path. A failed page query writes nothing. Any thread.
RecordExportOutcome exportRecords(const QString &path,
                                  const protocol::QueryVisitorRecordCondition &stored,
                                  const RecordExportRange &range);

/// The path the operator chose, with ".xlsx" added when it has no suffix.
QString exportFilePath(const QString &chosen);

} // namespace visitorclient
