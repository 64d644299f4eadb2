#pragma once
// The appointment form's decisions, free of widgets: which fields the settings show and
// require, the default times, and the order in which the sections refuse input. The
// sections read their fields into the inputs below and show what the check names.

#include <QDateTime>
#include <QString>
#include <QVector>

namespace visitorclient {
namespace AppointmentFormRules {

struct FieldState
{
    bool shown = true;
    bool required = false;
};

/// Basic-information fields: a list of fewer than three entries shows the field and
/// requires it; otherwise entry 0 shows and entry 1 requires.
FieldState basicFieldState(const QVector<int> &setting);
/// The other sections: a list of fewer than three entries leaves the field as it is
/// (current), otherwise as for the basic fields.
FieldState otherFieldState(const QVector<int> &setting, const FieldState &current);

/// A new appointment visits today from 00:00:00 ...
QDateTime defaultVisitTime(const QDate &today);
/// ... to 23:59:59.
QDateTime defaultLeaveTime(const QDate &today);

/// The latest visit a booking window of days allows: now plus days, less one second.
QDateTime latestVisit(const QDateTime &now, int bookingDays);

/// What the basic-information section holds, as the check reads it.
struct BasicInput
{
    QString name;
    bool nameRequired = false;
    QString phone;
    bool phoneRequired = false;
    QDateTime visit;
    QDateTime leave;
    QString visitText;
    bool visitShown = true;
    bool visitRequired = false;
    QString leaveText;
    bool leaveShown = true;
    bool leaveRequired = false;
    QString receptionist;
    bool receptionistShown = true;
    bool receptionistRequired = false;
    QString organization;
    bool organizationShown = true;
    bool organizationRequired = false;
    QDateTime now;
    int bookingDays = 0;
};

enum class BasicCheck {
    Ok,
    NameEmpty,
    PhoneEmpty,
    BeyondBookingDays,
    VisitAfterLeave,
    VisitEmpty,
    LeaveEmpty,
    ReceptionistEmpty,
    OrganizationEmpty
};
/// The first rule the input breaks, in the form's order.
BasicCheck checkBasic(const BasicInput &input);

/// Document type codes the form offers; the identity card needs 18 characters.
constexpr int kIdentityCard = 0;
constexpr int kIdentityCardLength = 18;
constexpr int kMaxPlateBytes = 12;

struct TextField
{
    QString text;
    bool shown = true;
    bool required = false;
};

struct AdditionalInput
{
    TextField documentType; // the box's text
    int documentTypeCode = kIdentityCard;
    TextField identityCode;
    TextField plate;
    TextField company;
    TextField belongings;
    TextField address;
    TextField remark;
};

enum class AdditionalCheck {
    Ok,
    DocumentTypeEmpty,
    IdentityCodeEmpty,
    IdentityCodeTooShort,
    PlateEmpty,
    PlateTooLong,
    CompanyEmpty,
    BelongingsEmpty,
    AddressEmpty,
    RemarkEmpty
};
AdditionalCheck checkAdditional(const AdditionalInput &input);

/// A shown, required field left empty.
bool missing(const TextField &field);

} // namespace AppointmentFormRules
} // namespace visitorclient
