#include "AppointmentFormRules.h"

namespace visitorclient {
namespace AppointmentFormRules {

namespace {

bool hasSetting(const QVector<int> &setting)
{
    return setting.size() >= 3;
}

} // namespace

FieldState basicFieldState(const QVector<int> &setting)
{
    if (!hasSetting(setting))
        return {true, true};
    return {setting.at(0) == 1, setting.at(1) == 1};
}

FieldState otherFieldState(const QVector<int> &setting, const FieldState &current)
{
    if (!hasSetting(setting))
        return current;
    return {setting.at(0) == 1, setting.at(1) == 1};
}

QDateTime defaultVisitTime(const QDate &today)
{
    return QDateTime(today, QTime(0, 0, 0));
}

QDateTime defaultLeaveTime(const QDate &today)
{
    return defaultVisitTime(today).addDays(1).addSecs(-1);
}

QDateTime latestVisit(const QDateTime &now, int bookingDays)
{
    return now.addDays(bookingDays).addSecs(-1);
}

bool missing(const TextField &field)
{
    return field.shown && field.required && field.text.isEmpty();
}

BasicCheck checkBasic(const BasicInput &input)
{
    if (input.name.isEmpty() && input.nameRequired)
        return BasicCheck::NameEmpty;
    if (input.phone.isEmpty() && input.phoneRequired)
        return BasicCheck::PhoneEmpty;
    if (input.visit > latestVisit(input.now, input.bookingDays))
        return BasicCheck::BeyondBookingDays;
    if (input.visit > input.leave)
        return BasicCheck::VisitAfterLeave;
    if (missing({input.visitText, input.visitShown, input.visitRequired}))
        return BasicCheck::VisitEmpty;
    if (missing({input.leaveText, input.leaveShown, input.leaveRequired}))
        return BasicCheck::LeaveEmpty;
    // Each of the two is guarded by its own required mark.
    if (missing({input.receptionist, input.receptionistShown, input.receptionistRequired}))
        return BasicCheck::ReceptionistEmpty;
    if (missing({input.organization, input.organizationShown, input.organizationRequired}))
        return BasicCheck::OrganizationEmpty;
    return BasicCheck::Ok;
}

AdditionalCheck checkAdditional(const AdditionalInput &input)
{
    if (missing(input.documentType))
        return AdditionalCheck::DocumentTypeEmpty;
    if (missing(input.identityCode))
        return AdditionalCheck::IdentityCodeEmpty;
    const int codeLength = input.identityCode.text.size();
    if (input.identityCode.shown && input.documentTypeCode == kIdentityCard && codeLength > 0 &&
        codeLength < kIdentityCardLength)
        return AdditionalCheck::IdentityCodeTooShort;
    if (missing(input.plate))
        return AdditionalCheck::PlateEmpty;
    if (input.plate.shown && input.plate.text.toUtf8().size() > kMaxPlateBytes)
        return AdditionalCheck::PlateTooLong;
    if (missing(input.company))
        return AdditionalCheck::CompanyEmpty;
    if (missing(input.belongings))
        return AdditionalCheck::BelongingsEmpty;
    if (missing(input.address))
        return AdditionalCheck::AddressEmpty;
    if (missing(input.remark))
        return AdditionalCheck::RemarkEmpty;
    return AdditionalCheck::Ok;
}

} // namespace AppointmentFormRules
} // namespace visitorclient
