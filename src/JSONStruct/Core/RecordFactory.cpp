#include <JSONStruct/Core/RecordFactory.h>

#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/LPC/WindowCommandData.h>

#include <cstring>

// Declarations of the family hooks (generated from the qorva_protocol_family calls).
#define QORVA_RECORD_FAMILY(family)                                                                \
    namespace protocol {                                                                           \
    namespace families {                                                                           \
    void register_##family(RecordRegistrar &registrar);                                            \
    }                                                                                              \
    }
#include <RecordFamilies.inc>
#undef QORVA_RECORD_FAMILY

namespace protocol {

namespace {

// LPC methods first (up to "stopVideoVoiceTalk"), then notification types.
const std::vector<const char *> kRecordNames = {
    "loadComponents", "getWndHandle", "getPermCode", "componentClosed", "importGroup",
    "systemConfigPageChanged", "systemConfigPageSave", "getResourceOverview", "showWnd",
    "ShowTipWidget", "getDeviceInfo", "showDownloadProgress", "operateDownload", "syncTime",
    "joystickKeyboardCtrl", "joystickKeyboard3DPtzCtrl", "componentStateNotify", "showShadeFrame",
    "CloseOpenTab", "hideShadeFrame", "exportConfigurationFiles", "importConfigurationFiles",
    "refreshResourceName", "getAuxiliaryScreenApp", "appTabRemoved", "unloadAllComponents",
    "unloadComponents", "frameWindStatusNotify", "switchUserStopWorking", "switchUserUpdateFrame",
    "jumpWnd", "accessGroupStatusDownload", "consumpGroupStatusDownload", "changeLanguageType",
    "checkPassword", "calendartype", "cardReadMode", "tabSwitch", "purePwdVerifyAutoGen",
    "enableGdpr", "purePwdVerifyLPCNotice", "enableExportPersonInfor", "initByQORVAAppKey",
    "accessGroupStatusChanged", "deviceGuard", "getGuardDevices", "cameraCapture", "alarmMessage",
    "alarmPicture", "alarmEventSDKPass", "videoParamChanged", "startframework",
    "stopVideoVoiceTalk", "groupAdded", "groupRemoved", "groupNameChanged", "groupOrderChanged",
    "elementNameChanged", "elementAdded", "elementRemoved", "elementOrderChanged",
    "elementOnlineChanged", "elementStorageServerChanged", "elementBatteryChanged",
    "elementCapChanged", "elementEnableChanged", "elementExtInfoChanged",
    "elementSmartRuleChanged", "allElementSmartRuleChanged", "elementResourceNoChanged",
    "elementResourceIDChanged", "NetworkPerformance", "deviceToGroupFailed",
    "SynchronizationOperation", "AutoBackupNoEnoughSpace", "UpdateUserInfo", "cloudP2PRegion",
    "elementFWAdded", "elementFWRemoved", "elementBatchEnableChanged", "elementBatchOnlineChanged",
    "elementBatchRemoved", "mediaGroupAdded", "mediaGroupRemoved", "mediaGroupNameChanged",
    "mediaElementNameChanged", "mediaElementAdded", "mediaElementRemoved", "alarmMsg",
    "alarmPicUrl", "templateState", "alarmImage", "cardRecord", "noticeReceipt", "prosessingAlarm",
    "syncEventMessage", "deviceAdded", "deviceRemoved", "deviceModified", "deviceLogin",
    "deviceLoginFailed", "deviceLogout", "deviceAudioCompliance", "deviceStreamKeyChange",
    "elementRefresh", "elementRefreshFailed", "resourceFWAdded", "resourceFWRemoved",
    "channelAdded", "channelRemoved", "channelNameChanged", "channelOnlineState",
    "channelStorageServer", "channelBatteryChanged", "channelCapChanged", "channelEnableState",
    "channelNoChanged", "taskAdded", "taskRemoved", "taskNameChanged", "taskIDChanged",
    "taskStateChanged", "analyzeChannelAdded", "analyzeChannelRemoved", "ruleAdded", "ruleRemoved",
    "ruleIDChanged", "ruleNameChanged", "ruleEventTypeChanged", "alarmInputAdded",
    "alarmInputRemoved", "alarmInputOnlineState", "alarmInputNameChanged", "alarmInputNoChanged",
    "alarmOutputAdded", "alarmOutputRemoved", "alarmOutputOnlineState", "alarmOutputNameChanged",
    "doorAdded", "doorRemoved", "doorOnlineState", "doorNameChanged", "cardReaderAdded",
    "cardReaderRemoved", "cardReaderOnlineState", "cardReaderNameChanged", "laneControllerAdded",
    "laneControllerRemoved", "laneControllerOnlineState", "relayAdded", "relayRemoved",
    "relayOnlineState", "partitionAdded", "partitionRemoved", "partitionOnlineState",
    "partitionNameChanged", "zoneAdded", "zoneRemoved", "zoneOnlineState", "zoneNameChanged",
    "smsAdded", "smsRemoved", "smsModified", "videoIntercomNotify", "CloudP2PLogin",
    "CloudP2PLogout", "deviceModeChanged", "deviceUpgradeState", "detectResult", "diskState",
    "deviceUpgradeResult", "SynchronousDeviceEvent", "purePwdVerifyEnableDevice",
    "appDownloadNotify", "deviceLoginAbnormalInfo", "radarRemoved", "radarOnlineState",
    "radarAdded", "radarNameChanged", "deviceAuthenticating", "terminalScreenshotFinished",
    "audioInputAdded", "audioInputRemoved", "audioInputOnlineState", "audioInputNameChanged",
    "broadcastAdded", "broadcastRemoved", "broadcastOnlineState", "broadcastNameChanged",
    "runningStatus", "detectorStatus", "resourceBatchEnableState", "resourceBatchOnlineState",
    "resourceBatchRemoved", "organizationAdded", "organizationModified", "organizationRemoved",
    "personnelAdded", "personnelSnModified", "personnelRemoved", "personnelNameModified",
    "accessControlModified", "cardAdded", "cardModified", "cardRemoved", "fingerAdded",
    "fingerModified", "fingerRemoved", "faceModified", "faceRemoved", "faceAdded", "irisAdded",
    "irisModified", "irisRemoved", "residentModified", "AdditionModified", "privateDataModified",
    "parentModified", "personnelValidityModified", "cardLoss", "cardRegain", "BeginImportCSV",
    "EndImportCSV", "batchDelete", "batchImport", "cardBindingChanged", "personnelGenderModified",
    "purePwdVerifyNotice", "personnelDataChanged", "moneyChanged", "moneyOperation",
    "AccessGroupScheduleChanged", "AccessGroupScheduleRemoved", "AccessGroupObjectRemoved",
    "AccessGroupObjectChanged", "AccessGroupStateChanged", "AccessGroupPersonNameChanged",
    "AccessGroupRemoved", "AccessGroupAdded", "AccessGroupsModify", "AccessGroupModify",
    "AccessParamConfigFinished", "AccessGroupScheduleAdded", "AccessPersonRemoved",
    "AccessCardRemoved", "AccessBatchPersonProc", "calculateStateChange", "mailSending",
    "generalNotifyData", "attendanceCorrectCheck", "topologyChanged", "deviceDataChanged",
    "lineStateChanged", "onlineStateChanged", "downloadPermission", "groupDeviceChanged",
    "appointmentDeleted", "SmarAccessGroupAdded", "SmarAccessGroupRemoved",
    "SmarAccessGroupModify", "SmarDownloadPermission", "aiopModelChange",
    "ConsumerGroupStateChanged", "ConsumerGroupRemoved", "ConsumerGroupAdded",
    "ConsumerGroupModify", "ConsumerBatchPersonProc", "ConsumerRechargeConfirm",
};

constexpr std::size_t kLpcMethodCount = 53;

// LPC methods whose answer carries a payload too, and those that only have an answer.
const char *const kRequestAndResponse[] = {"loadComponents", "getWndHandle", "getPermCode", "importGroup",
                                           "systemConfigPageChanged", "systemConfigPageSave", "getDeviceInfo"};
const char *const kResponseOnly[] = {"componentClosed", "unloadComponents"};

template <std::size_t N>
bool listed(const char *const (&names)[N], const char *name)
{
    for (const char *candidate : names) {
        if (std::strcmp(candidate, name) == 0)
            return true;
    }
    return false;
}

RecordPtr createGenericLPCData(const char *name)
{
    return makeRecord<GenericLPCData, ILPCData>(name);
}

RecordPtr createGenericWebsocketData(const char *name)
{
    return makeRecord<GenericWebsocketData, IWebsocketData>(name);
}

} // namespace

RecordFactory &RecordFactory::instance()
{
    // A function-local static is built once even when first calls race.
    static RecordFactory factory;
    return factory;
}

RecordFactory::RecordFactory()
{
    m_creators.reserve(2 * kRecordNames.size());
    RecordRegistrar registrar(*this);

    // Records of their own first: the first registration of a key wins.
    registerWindowCommandRecords(registrar);
#define QORVA_RECORD_FAMILY(family) families::register_##family(registrar);
#include <RecordFamilies.inc>
#undef QORVA_RECORD_FAMILY

    for (std::size_t i = 0; i < kRecordNames.size(); ++i) {
        const char *name = kRecordNames[i];
        if (i >= kLpcMethodCount) {
            add(name, Notification, &createGenericWebsocketData);
        } else if (listed(kResponseOnly, name)) {
            add(name, LPCResponse, &createGenericLPCData);
        } else {
            add(name, LPCRequest, &createGenericLPCData);
            if (listed(kRequestAndResponse, name))
                add(name, LPCResponse, &createGenericLPCData);
        }
    }
}

bool RecordFactory::add(const char *name, int kind, Creator creator)
{
    if (name == nullptr || creator == nullptr || kind < 0 || kind > 9)
        return false;
    std::string key(name);
    key.push_back(static_cast<char>('0' + kind));
    return m_creators.emplace(std::move(key), Entry{creator, name}).second;
}

RecordPtr RecordFactory::create(const std::string &name, int kind) const
{
    if (kind < 0 || kind > 9)
        return RecordPtr();
    std::string key = name;
    key.push_back(static_cast<char>('0' + kind));
    const auto it = m_creators.find(key);
    if (it == m_creators.end())
        return RecordPtr();
    return it->second.creator(it->second.name);
}

bool RecordFactory::contains(const std::string &name, int kind) const
{
    if (kind < 0 || kind > 9)
        return false;
    return m_creators.count(name + static_cast<char>('0' + kind)) != 0;
}

const std::vector<const char *> &RecordFactory::recordNames()
{
    return kRecordNames;
}

std::size_t RecordFactory::lpcMethodCount()
{
    return kLpcMethodCount;
}

} // namespace protocol
