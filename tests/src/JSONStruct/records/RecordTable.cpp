#include "RecordTable.h"

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupRe.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/Element.h>
#include <JSONStruct/accessgroup/ElementCapData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/Group.h>
#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/ObjectModify.h>
#include <JSONStruct/accessgroup/QueryGroupCondition.h>
#include <JSONStruct/accessgroup/RightListResult.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResult.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResp.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponse.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/accessgroup/VisitObjectAdd.h>
#include <JSONStruct/accessgroup/VisitObjectRes.h>
#include <JSONStruct/accessgroup/VisitorRight.h>
#include <JSONStruct/accessgroup/VisitorRightConfig.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResult.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>
#include <JSONStruct/accessgroup/VisitorRightList.h>
#include <JSONStruct/accessgroup/VisitorRightListCfg.h>
#include <JSONStruct/accessgroup/VistObjectRes.h>
#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResult.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/appointment/Appointment.h>
#include <JSONStruct/appointment/AppointmentDeleteNotifyData.h>
#include <JSONStruct/appointment/AppointmentResult.h>
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/DeleteAppointmentRe.h>
#include <JSONStruct/appointment/DeleteAppointmentResultData.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentData.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>
#include <JSONStruct/appointment/QueryAppointmentResultListData.h>
#include <JSONStruct/device/CommonAcsAbility.h>
#include <JSONStruct/device/QRCodeEncryptionCfg.h>
#include <JSONStruct/device/TemplateTest.h>
#include <JSONStruct/device/TemplateTestRspData.h>
#include <JSONStruct/personnel/Basic.h>
#include <JSONStruct/personnel/PersonnelList.h>
#include <JSONStruct/personnel/PersonnelOrgInfo.h>
#include <JSONStruct/personnel/PersonnelResp.h>
#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>
#include <JSONStruct/settings/QueryBasicSettingResultData.h>
#include <JSONStruct/settings/VisitReason.h>
#include <JSONStruct/settings/VisitReasonResult.h>
#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>
#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>
#include <JSONStruct/visitorrecord/DownloadPermissionResult.h>
#include <JSONStruct/visitorrecord/DownloadPermissionResultListData.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultList.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>
#include <JSONStruct/visitorrecord/VisitGroup.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecord.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponse.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>
#include <JSONStruct/visitorrecord/VisitorImage.h>
#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

#include <type_traits>

namespace recordtests {

namespace {

template <class T, class = void> struct HasName : std::false_type
{
};
template <class T>
struct HasName<T, std::void_t<decltype(std::declval<const T &>().name())>> : std::true_type
{
};

template <class T> class Typed final : public AnyRecord
{
public:
    void fromJSON(const cJSON *node) override { m_record.fromJSON(node); }
    cJSON *toJSON() const override { return m_record.toJSON(); }
    bool hasKey(const std::string &key) const override { return m_record.hasKey(key); }
    const char *name() const override
    {
        if constexpr (HasName<T>::value)
            return m_record.name();
        else
            return nullptr;
    }
    protocol::SerializationIgnoreItemFeatures &ignoreSettings() override { return m_record; }
    bool createdByFactoryAsNotification(const std::string &name) const override
    {
        auto created =
            protocol::RecordFactory::instance().createShared<protocol::IWebsocketData>(name, 2);
        return dynamic_cast<const T *>(created.get()) != nullptr;
    }
    std::unique_ptr<AnyRecord> clone() const override
    {
        auto copy = std::make_unique<Typed<T>>();
        copy->m_record = m_record;
        return copy;
    }

private:
    T m_record;
};

template <class T> std::unique_ptr<AnyRecord> make()
{
    return std::make_unique<Typed<T>>();
}

} // namespace

const std::map<std::string, RecordMaker> &recordTable()
{
    static const std::map<std::string, RecordMaker> table{
        {"Appointment", make<protocol::Appointment>},
        {"AddAppointment", make<protocol::AddAppointment>},
        {"AddAppointmentResult", make<protocol::AddAppointmentResult>},
        {"AddAppointmentResultListData", make<protocol::AddAppointmentResultListData>},
        {"ModifyAppointment", make<protocol::ModifyAppointment>},
        {"DeleteAppointment", make<protocol::DeleteAppointment>},
        {"DeleteAppointmentRe", make<protocol::DeleteAppointmentRe>},
        {"DeleteAppointmentResultData", make<protocol::DeleteAppointmentResultData>},
        {"QueryAppointmentResultCondition", make<protocol::QueryAppointmentResultCondition>},
        {"AppointmentResult", make<protocol::AppointmentResult>},
        {"QueryAppointmentResultList", make<protocol::QueryAppointmentResultList>},
        {"QueryAppointmentResultListData", make<protocol::QueryAppointmentResultListData>},
        {"QueryAppointment", make<protocol::QueryAppointment>},
        {"QueryAppointmentData", make<protocol::QueryAppointmentData>},
        {"AppointmentDeleteNotifyData", make<protocol::AppointmentDeleteNotifyData>},
        {"personnelcommon::QueryPerson", make<protocol::personnelcommon::QueryPerson>},
        {"personnelcommon::PersonnelList", make<protocol::personnelcommon::PersonnelList>},
        {"personnelcommon::TotalData", make<protocol::personnelcommon::TotalData>},
        {"personnelcommon::PersonnelResp", make<protocol::personnelcommon::PersonnelResp>},
        {"personnelcommon::Basic", make<protocol::personnelcommon::Basic>},
        {"personnelcommon::PersonnelOrgInfo", make<protocol::personnelcommon::PersonnelOrgInfo>},
        {"QueryVisitorRecordCondition", make<protocol::QueryVisitorRecordCondition>},
        {"VisitorRecordResult", make<protocol::VisitorRecordResult>},
        {"VisitGroup", make<protocol::VisitGroup>},
        {"QueryVisitorRecordResultList", make<protocol::QueryVisitorRecordResultList>},
        {"QueryVisitorRecordResultListData", make<protocol::QueryVisitorRecordResultListData>},
        {"DownloadPermissionInfo", make<protocol::DownloadPermissionInfo>},
        {"DownloadPermissionResult", make<protocol::DownloadPermissionResult>},
        {"DownloadPermissionResultListData", make<protocol::DownloadPermissionResultListData>},
        {"DownloadPermissionNotifyData", make<protocol::DownloadPermissionNotifyData>},
        {"VisitorErrorRecord", make<protocol::VisitorErrorRecord>},
        {"VisitorErrorRecordResponse", make<protocol::VisitorErrorRecordResponse>},
        {"VisitorErrorRecordResponseData", make<protocol::VisitorErrorRecordResponseData>},
        {"VisitorImage", make<protocol::VisitorImage>},
        {"VisitObjectAdd", make<protocol::VisitObjectAdd>},
        {"ObjectModify", make<protocol::ObjectModify>},
        {"VisitObjectRes", make<protocol::VisitObjectRes>},
        {"VistObjectRes", make<protocol::VistObjectRes>},
        {"VisitAaccessGroupAddParam", make<protocol::VisitAaccessGroupAddParam>},
        {"VisitAccessGroupAddedResult", make<protocol::VisitAccessGroupAddedResult>},
        {"VisitAccessGroupAddedResultData", make<protocol::VisitAccessGroupAddedResultData>},
        {"VisitAccessGroupModifyParam", make<protocol::VisitAccessGroupModifyParam>},
        {"VisitAccessGroupModifyResult", make<protocol::VisitAccessGroupModifyResult>},
        {"VisitAccessGroupModifyResultData", make<protocol::VisitAccessGroupModifyResultData>},
        {"VisitAccessGroupQueryResp", make<protocol::VisitAccessGroupQueryResp>},
        {"VisitAccessGroupQueryResponseData", make<protocol::VisitAccessGroupQueryResponseData>},
        {"VisitAccessGroupQueryResponse", make<protocol::VisitAccessGroupQueryResponse>},
        {"DeleteAccessPointGroupCondition", make<protocol::DeleteAccessPointGroupCondition>},
        {"DeleteAccessPointGroupRe", make<protocol::DeleteAccessPointGroupRe>},
        {"DeleteAccessPointGroupResultData", make<protocol::DeleteAccessPointGroupResultData>},
        {"VisitorRight", make<protocol::VisitorRight>},
        {"VisitorRightList", make<protocol::VisitorRightList>},
        {"VisitorRightListCfg", make<protocol::VisitorRightListCfg>},
        {"VisitorRightConfig", make<protocol::VisitorRightConfig>},
        {"RightListResult", make<protocol::RightListResult>},
        {"VisitorRightConfigResult", make<protocol::VisitorRightConfigResult>},
        {"VisitorRightConfigResultData", make<protocol::VisitorRightConfigResultData>},
        {"QueryGroupCondition", make<protocol::QueryGroupCondition>},
        {"Group", make<protocol::Group>},
        {"Element", make<protocol::Element>},
        {"ElementCapData", make<protocol::ElementCapData>},
        {"DeviceRemovedNotifyData", make<protocol::DeviceRemovedNotifyData>},
        {"GroupNameChangedNotifyData", make<protocol::GroupNameChangedNotifyData>},
        {"ElementNameChangedNotifyData", make<protocol::ElementNameChangedNotifyData>},
        {"BasicSetting", make<protocol::BasicSetting>},
        {"VisitReason", make<protocol::VisitReason>},
        {"QueryBasicSettingResult", make<protocol::QueryBasicSettingResult>},
        {"VisitReasonResult", make<protocol::VisitReasonResult>},
        {"QueryBasicSettingResultData", make<protocol::QueryBasicSettingResultData>},
        {"QRCodeEncryptionCfg", make<protocol::QRCodeEncryptionCfg>},
        {"CommonAcsAbility", make<protocol::CommonAcsAbility>},
        {"TemplateTest", make<protocol::TemplateTest>},
        {"TemplateTestRspData", make<protocol::TemplateTestRspData>},
    };
    return table;
}

} // namespace recordtests
