#pragma once

#include <QMetaType>
#include <QString>

namespace protocol {
class VisitorRecordResult;
}

namespace visitorclient {

// One visitor record as the record page holds it: rows of its models (item data role
// 456 of the name column) and the detail panel. Times are local "yyyy-MM-dd hh:mm:ss"
// texts or empty.
struct VisitorRecordData
{
    QString strGuid;
    QString strName;
    int iGender = 0;
    QString strPhone;
    QString strVisitTime;
    QString strLeaveTime;
    QString strAppointmentVisitTime;
    QString strAppointmentLeaveTime;
    QString strAuthType;
    QString strCardNo;
    QString strVisitReason; // display text
    QString strReceptionistName;
    QString strAccessGroupNames;
    int iAccompanyingNumber = 0;
    int iIdentityType = 0;
    QString strIdentityCode;
    QString strPlateCode;
    QString strCompany;
    QString strBelongings;
    QString strAddress;
    QString strRemark;
    QString strAuthCode;
    QString strRegisterStatus;
    int iDownloadResult = 0;
    QString strOrganization;
    QString strFaceImageUrl;

    bool operator==(const VisitorRecordData &other) const;
    bool operator!=(const VisitorRecordData &other) const { return !(*this == other); }

    /// A server record as the page shows it; withFaceImage false leaves strFaceImageUrl
    /// empty (the failed-download list does not carry pictures).
    static VisitorRecordData fromResult(const protocol::VisitorRecordResult &result,
                                        bool withFaceImage = true);
    /// What the detail shows when nothing is selected: "-" in every text except the
    /// guid, name, credential types and card number, which stay empty.
    static VisitorRecordData clearValue();
};

// Registers "VisitorRecordData" for QVariant and queued signals. Idempotent, any thread.
void registerVisitorRecordDataMetaType();

} // namespace visitorclient

Q_DECLARE_METATYPE(visitorclient::VisitorRecordData)
