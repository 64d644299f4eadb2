#pragma once
// The record page's decisions, free of widgets: what a search and a page change send,
// the crossed-range check, what the export asks for and writes, the error detail's rows
// and the bookkeeping of permission downloads waiting for their notifications.

#include "VisitorRecordData.h"

#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecord.h>

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace visitorclient {
namespace VisitorRecordRules {

constexpr int kDefaultPageSize = 50;
constexpr int kOperationLogType = 9003;
/// How often the worker looks whether every pending download has been answered.
constexpr int kPendingPollMs = 100;
/// How long a permission download waits for its notifications unless configured.
constexpr int kDefaultDownloadWaitSeconds = 60;
constexpr int kExportColumnCount = 18;

/// A text of the record page, translated in the page's context. Any thread.
QString pageText(const char *key);

/// Registration status ("registered", ...) as its display text; unknown ones empty.
QString statusText(const QString &status);
/// The status filter's choices in offering order: (display text, value); "All" has none.
QList<QPair<QString, QString>> statusChoices();
/// Only partly succeeded (2) and failed (3) downloads can be sent again from the list.
bool showsOperationIcon(int downloadResult);

/// What the search form holds; an invalid begin (an empty field) sets no bound.
struct SearchForm
{
    QString name;
    QString state;
    QDateTime visitBegin;
    QDateTime visitEnd;
    QDateTime leaveBegin;
    QDateTime leaveEnd;
};

/// A visit range that starts on a later day than the leave range ends cannot match any
/// record; only checked when both ranges are set.
bool rangesCrossed(const SearchForm &form);
/// "yyyy-MM-ddThh:mm:ss", or empty for an invalid date-time.
std::string wireTime(const QDateTime &time);
/// The condition of a new search: the form's filters, page 1 of pageSize rows.
protocol::QueryVisitorRecordCondition searchCondition(const SearchForm &form, int pageSize);
/// The stored condition with another page; the filters stay those of the last search.
void turnPage(protocol::QueryVisitorRecordCondition &stored, int pageSize, int pageNo);

/// The export starts at the table's current page; page 0 (nothing loaded yet) is page 1.
int firstExportPage(int currentPage);
/// One page of the export: the stored status and time bounds, not the name.
protocol::QueryVisitorRecordCondition
exportCondition(const protocol::QueryVisitorRecordCondition &stored, int pageNo, int pageSize);
/// The 18 translated column titles of the exported sheet.
QStringList exportHeader();
/// A record as one row of the exported sheet (18 texts).
QStringList exportRow(const VisitorRecordData &record);

/// "SelectedPerson:<count>" in the current language.
QString selectedCountText(int count);

/// One row of the error detail.
struct ErrorRow
{
    QString failureKind;
    QString deviceName;
    QString message;
    bool operator==(const ErrorRow &other) const
    {
        return failureKind == other.failureKind && deviceName == other.deviceName &&
               message == other.message;
    }
};
/// The message of an "ErrorCode" text: exactly two parts split at "-" name an entry of
/// the error-message table; anything else gives an empty text.
QString errorMessage(const std::string &errorCode);
/// The detail's rows in answer order; deviceName is asked once per distinct device.
QVector<ErrorRow> errorRows(const std::vector<protocol::VisitorErrorRecord> &records,
                            const std::function<std::string(const std::string &)> &deviceName);

/// How long a permission download waits for its notifications: the component's setting
/// "records/downloadWaitSeconds" in <component data>/VisitorManagement.ini (1 or more),
/// else kDefaultDownloadWaitSeconds. In milliseconds.
int configuredDownloadWaitMs();
/// Column widths for a table of the given width: each column gets what it wants (at
/// least its own width, more where its header needs it) when everything fits; else the
/// extra over the own widths is shared in proportion; else the own widths shrink in
/// proportion. 0 for a hidden column. The sum never exceeds available.
QVector<int> fittedColumnWidths(const QVector<int> &own, const QVector<int> &wanted, int available);

/// "%1 records did not report the result of their permission download." in the
/// current language.
QString unansweredText(int count);

/// The records whose permission download was requested and not yet reported. The page
/// fills it on the GUI thread, the notification thread takes answered records out and
/// the worker waits until it is empty.
class CPendingDownloads
{
public:
    /// Replaces the list and sets the pending flag.
    void begin(const QStringList &guids);
    /// Empties the list and clears the flag.
    void clear();
    bool isPending() const { return m_pending.load(); }
    QStringList guids() const;
    int remaining() const;
    /// Takes guid out of the list while a download is pending. False (and nothing
    /// changed) for a guid that is not in it or while nothing is pending. The flag stays
    /// set until settle(), so the caller can hand the answer on before the waiting
    /// worker sees it.
    bool take(const QString &guid);
    /// The flag becomes whether records remain; returns it.
    bool settle();
    /// Polls the flag every kPendingPollMs until it clears or boundMs passed; true when
    /// every record was answered. Worker thread.
    bool waitAnswered(int boundMs) const;

private:
    mutable std::mutex m_mutex;
    QStringList m_guids;
    std::atomic<bool> m_pending{false};
};

} // namespace VisitorRecordRules
} // namespace visitorclient
