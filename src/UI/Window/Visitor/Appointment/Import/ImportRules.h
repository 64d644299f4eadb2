#pragma once
// What an appointment import decides, free of widgets so that workers, tests and the
// benchmark call it directly: the template's texts, the cell checks of a data row and
// their error codes, the reading of a whole workbook into a batch and its refused cells.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <string>

namespace protocol {
namespace personnelcommon {
class TotalData;
}
} // namespace protocol

namespace visitorclient {
namespace ImportRules {

constexpr int kColumnCount = 15;   // A to O
constexpr int kRulesLineCount = 9; // rows 1 to 9 of the template
constexpr int kHeaderRow = 10;     // row of the headers in the template
constexpr int kMaxPathBytes = 219; // the path in the local code page stays below this
constexpr unsigned long long kMinFreeMiB = 2048;
constexpr int kMaxAppointments = 10000;

/// Why a cell was refused; the numbers are the codes the operator may quote.
enum ErrorCode {
    SpecialSymbol = 0,
    InvalidGender = 1,
    InvalidPhone = 2,
    InvalidDate = 3,
    LeaveBeforeVisit = 4,
    UnknownVisitReason = 5,
    ReceptionistQueryFailed = 6,
    ReceptionistNotFound = 7,
    InvalidIdentityType = 8,
    InvalidIdentityCode = 9,
    EmptyCell = 15,
    TooLong = 16,
    IdentityCodeLength = 17,
    InvalidText = 18,
};

/// The translated message of a code (unknown codes: the invalid-format message).
QString errorText(int code);
/// "(12,C)" for row 12, column 3.
QString cellPosition(int row, int column);

/// The cell patterns by name ("TheName", "Gender", "PhoneNumber", "IdentityType",
/// "IdentityCode", "Common", ...), as ECMAScript texts.
const QMap<QString, QString> &patterns();
/// Whole-text match of the named pattern; an unknown name or empty pattern matches.
bool matchesPattern(const QString &name, const QString &text);

/// The nine rules lines of the template, translated.
QStringList rulesLines();
/// The 15 translated headers, "*" in front of the required ones.
QStringList headers(const BasicSettingData &settings);

/// A refused cell: 1-based spreadsheet row and column and the code.
struct CellError
{
    int row = 0;
    int column = 0;
    int code = 0;

    bool operator==(const CellError &other) const
    {
        return row == other.row && column == other.column && code == other.code;
    }
};

/// The receptionist search by name; false when the request failed.
using PersonLookup =
    std::function<bool(const QString &name, protocol::personnelcommon::TotalData &answer)>;

/// What the checks of a row need besides its cells.
struct RowContext
{
    BasicSettingData settings;
    QMap<std::string, std::string> visitReasons; // reason name -> reason GUID
    QString accessGroupGuid;                     // the default access-point group
    QString accessGroupName;
    PersonLookup findPersons;
};

/// The visit-reason names of the settings with their GUIDs.
QMap<std::string, std::string> visitReasonMap(const BasicSettingData &settings);

/// Checks the cells (column A first) of spreadsheet row `row`. Every column is checked
/// even after a failure; errors are appended. Fills data from the cells that passed.
/// True when the row has no error.
bool checkRow(int row, const QStringList &cells, const RowContext &context,
              AppointmentInfoData &data, QVector<CellError> &errors);

enum class FileStatus {
    Read,        ///< the rows were checked (the batch may still be empty)
    Unreadable,  ///< not a workbook, or its first sheet cannot be read
    NotTemplate, ///< fewer than 15 columns, or no header row starting with "*"
};

/// Where the time of an import went, in seconds.
struct ImportTimings
{
    double read = 0;   // opening and reading the workbook
    double checks = 0; // checking the cells, lookups excluded
    double lookups = 0;
    int lookupRequests = 0;
};

struct ImportResult
{
    FileStatus status = FileStatus::Read;
    QVector<AppointmentInfoData> batch;
    QVector<CellError> errors;
    /// Rows were left unread because the batch reached the allowance.
    bool allowanceReached = false;
    ImportTimings timings;
};

/// Reads the first sheet of the workbook at path, checks every data row (those after
/// the header row) and collects up to maxCount valid rows. A receptionist name is
/// searched once per import. Logs why a file is not read. Any thread.
ImportResult importFile(const QString &path, int maxCount, const RowContext &context);

/// Writes the template (rules lines, headers) to path. False with error set when the
/// workbook cannot be created or saved.
bool writeTemplate(const QString &path, const BasicSettingData &settings, QString *error);

/// Where the template download measures free space: a drive ("D:", up to and including
/// the first ":") when startDir names one, else startDir itself (the file system that
/// holds it), else userPath.
QString driveOf(const QString &startDir, const QString &userPath);

/// The row context of an import against the server: the default access-point group
/// (the last one marked default) and the receptionist search. Calls the backend:
/// a worker thread only.
RowContext backendContext(const BasicSettingData &settings);

} // namespace ImportRules
} // namespace visitorclient
