#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

namespace visitorclient {

// One appointment as the appointment pages hold it: rows of the list model (item data
// role 456), the form and the import batches. Times are local "yyyy-MM-dd hh:mm:ss" texts
// or empty; conversions to and from the wire records live in AppointmentConversions.
struct AppointmentInfoData
{
    QString strId; // appointment id; empty until the server stored it
    QString strName;
    int iGender = 0; // 1 male, 2 female
    QString strPhone;
    QString strVisitTime;
    QString strLeaveTime;
    QString strVisitReason; // display text of the reason
    QString strVisitReasonId;
    QString strReceptionistName;
    QString strReceptionistId;
    QString strOrganization;     // the receptionist's organisation
    QString strAuthCode;         // reservation code
    QString strAccessGroupGuids; // joined with ","
    QString strAccessGroupNames; // joined with ","; display only
    int iAccompanyingNumber = 0;
    int iIdentityType = 0; // 0, 2, 4, 6 or 8
    QString strIdentityCode;
    QString strPlateCode;
    QString strCompany;
    QString strBelongings;
    QString strAddress;
    QString strRemark;

    bool operator==(const AppointmentInfoData &other) const;
    bool operator!=(const AppointmentInfoData &other) const { return !(*this == other); }
};

using VecAppointmentInfoData = QVector<AppointmentInfoData>;

// Registers "AppointmentInfoData" and "VecAppointmentInfoData" for queued signals.
// Safe to call more than once and from any thread.
void registerAppointmentInfoDataMetaTypes();

} // namespace visitorclient

Q_DECLARE_METATYPE(visitorclient::AppointmentInfoData)
Q_DECLARE_METATYPE(visitorclient::VecAppointmentInfoData)
