#pragma once
// The list page's decisions, free of widgets: paging arithmetic, the appointment cap,
// the literal search and how renamed reasons and groups reach the rows.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QMap>
#include <QRegExp>
#include <QString>

namespace visitorclient {
namespace AppointmentPageRules {

/// An installation keeps at most this many appointments.
constexpr int kMaxAppointments = 10000;
constexpr int kDefaultPageSize = 50;

/// A page size the pager should never report; 0 and below count as the default.
int effectivePageSize(int pageSize);
/// Pages needed for total rows: rounded up, 0 for no rows.
int pageCount(int total, int pageSize);
/// The page to ask the server for: page 0 or a page past the last one gives page 1.
int pageToRequest(int total, int page, int pageSize);

/// Whether the form may open for a new appointment.
bool canAdd(int total);
/// How many rows an import may still add.
int importAllowance(int total);

/// After an add the model holds rowCount rows: true when the row past the page must go.
bool dropsRowPastPage(int rowCount, int pageSize);
/// The page to show after deleting deleted of the rowsBefore rows of page: the previous
/// page when the whole last page (not the first) went, else the same page. total is the
/// count before the deletion.
int pageAfterDelete(int deleted, int rowsBefore, int total, int page, int pageSize);

/// The search of the page: the trimmed text, literal and case-insensitive.
QRegExp searchExpression(const QString &text);

/// Gives the record the new name of its reason; true when it changed.
bool applyReasonNames(AppointmentInfoData &info, const QVector<VisitReasonData> &reasons);
/// Gives the record the new names of its groups (GUID to name); true when one changed.
/// Lists whose lengths differ are left alone.
bool applyGroupNames(AppointmentInfoData &info, const QMap<QString, QString> &names);

} // namespace AppointmentPageRules
} // namespace visitorclient
