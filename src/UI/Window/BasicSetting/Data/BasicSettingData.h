#pragma once
// The visitor parameters as the pages hold them: per visitor field a list
// [shown, required, locked], the booking days and the visit reasons. Plain values, copied
// freely; AppointmentSettingManager holds the process's current copy.

#include <QMetaType>
#include <QString>
#include <QVector>

#include <array>

namespace protocol {
class BasicSetting;
class QueryBasicSettingResult;
} // namespace protocol

namespace visitorclient {

struct VisitReasonData
{
    QString strReasonId;
    QString strReasonName;

    bool operator==(const VisitReasonData &other) const
    {
        return strReasonId == other.strReasonId && strReasonName == other.strReasonName;
    }
    bool operator!=(const VisitReasonData &other) const { return !(*this == other); }
};

struct BasicSettingData
{
    // One list per visitor field, in the order the server stores them. Entry 0: 1 shows
    // the field; entry 1: 1 makes it required; entry 2: 1 locks it. Empty: no setting.
    QVector<int> vecName;
    QVector<int> vecGender;
    QVector<int> vecPhone;
    QVector<int> vecVisitExpectTime;
    QVector<int> vecLeaveExpectTime;
    QVector<int> vecVisitReason;
    QVector<int> vecReceptionist;
    QVector<int> vecOrganization;
    QVector<int> vecAccessPointGroup;
    QVector<int> vecAccompanyingPersonnelNumber;
    QVector<int> vecIdentityType;
    QVector<int> vecIdentityCode;
    QVector<int> vecPlateCode;
    QVector<int> vecCompany;
    QVector<int> vecBelongings;
    QVector<int> vecAddress;
    QVector<int> vecRemark;
    int appointmentDay = 1; // how many days ahead a visit may be booked
    QVector<VisitReasonData> vecVisitReasons;

    static constexpr int kFieldCount = 17;
    using FieldMember = QVector<int> BasicSettingData::*;
    /// The 17 field lists in server order (name first, remark last).
    static const std::array<FieldMember, kFieldCount> &fieldMembers();

    bool operator==(const BasicSettingData &other) const;
    bool operator!=(const BasicSettingData &other) const { return !(*this == other); }
};

namespace BasicSettings {

constexpr int kMinBookingDays = 1;
constexpr int kMaxBookingDays = 7;
constexpr int kMaxVisitReasons = 16;

/// [shown, required, locked] as 0/1 entries.
QVector<int> fieldSetting(bool shown, bool required, bool locked);
/// The list holds all three entries (shorter lists mean "no setting").
bool hasSetting(const QVector<int> &setting);
bool isShown(const QVector<int> &setting);
bool isRequired(const QVector<int> &setting);

/// The five built-in reasons, identifiers "1" to "5", named in the current language.
QVector<VisitReasonData> defaultReasons();
/// What "default" restores: the default field settings, one booking day and the five
/// built-in reasons.
BasicSettingData defaultSettings();

/// The server's answer as page data. Booking days outside 1 to 7 are brought into that
/// range: a server that never stored settings answers 0, which would refuse every visit.
BasicSettingData fromQueryResult(const protocol::QueryBasicSettingResult &result);
/// The request that stores data, lists and reasons in their order.
protocol::BasicSetting toBasicSetting(const BasicSettingData &data);

} // namespace BasicSettings

/// Registers "BasicSettingData" (and "VisitReasonData") for queued signals. Safe to call
/// more than once, from any thread.
void registerBasicSettingDataMetaTypes();

} // namespace visitorclient

Q_DECLARE_METATYPE(visitorclient::VisitReasonData)
Q_DECLARE_METATYPE(visitorclient::BasicSettingData)
