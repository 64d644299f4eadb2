#pragma once
// The route table of every backend operation: method code, URL, request body key,
// where the answer record sits in ReturnData "data", who answers and which server error
// codes it may return. ROUTES.md beside this file describes it for readers.
//
// Wire shape, the same for every route:
//   request body  {"<requestKey>": <request record>}      (no body when requestKey is "")
//   answer body   {"code": "<module>-<code>", "msg": "...", "data": <answer>}
//                 answerKey "": "data" is the answer record itself;
//                 otherwise "data" is a wrapper object whose member answerKey holds it.
// Identifiers in URLs replace the placeholder "<id>": a 32-digit hexadecimal GUID or a
// decimal number (isUrlId). A route's URL never carries a query; FindPersonByOther may
// append one ("?..."), which matchRoute ignores.

#include <JSONStruct/Routes/RouteErrors.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace protocol {
namespace routes {

/// Method codes of RequestParams::method and of the "method" header (decimal text).
enum HttpMethod : std::int32_t {
    MethodGet = 0,
    MethodPost = 1,
    MethodPut = 2,
    MethodDelete = 3,
};

/// Content type of every JSON answer, byte for byte; the client checks the return code
/// only for answers of exactly this type.
constexpr const char *kJsonContentType = "application/json; charset=\"UTF-8\"";
/// Placeholder of an identifier in a route's URL.
constexpr std::string_view kIdPlaceholder = "<id>";

enum class RouteId {
    GetAppointmentByCondition,
    AddAppointment,
    UpdateAppointment,
    DeleteAppointment,
    GetBasicSetting,
    SetBasicSetting,
    FindPersonByOther,
    GetAccessGroups,
    CreateAccessGroup,
    ModifyAccessGroup,
    RemoveAccessGroup,
    SetVisitorRightConfig,
    GetSingleGroup,
    GetVisitorRecords,
    GetDownloadFailRecords,
    GetVisitorErrorRecords,
    DownloadPermission,
    GetAcsCommonCap,
    SetQRCodeEncryptionCfg,
    RegisterComponent,
    TemplateTest,
    // Framework-side services.
    GetOrganizationTree,
    GetPersons,
    GetDevices,
    GetResourceGroups,
    GetOperatorPermissions,
    SubscribeNotifications,
};

/// Who produces the answer: the host itself, or the server core (the host forwards).
enum class Answerer {
    Host,
    Server,
};

struct Route
{
    RouteId id;
    const char *operation; // the commlayer function
    HttpMethod method;
    const char *url;           // absolute path; may hold one "<id>"
    const char *requestKey;    // name() of the request record; "" when there is no body
    const char *requestRecord; // class name in protocol, for readers; "" without body
    const char *answerKey;     // "" when "data" is the answer record, else its member in "data"
    const char *answerRecord;  // class of what "data" holds; "" when the answer carries none
    Answerer answeredBy;
    /// Codes of kServerModule this route answers besides the ones every route may give
    /// (ErrUnknownRoute, ErrMethodNotAllowed, ErrMalformedBody, ErrMissingRecord,
    /// ErrStorageFailed, ErrInternal); zero-terminated.
    std::array<std::uint32_t, 6> errors;
};

constexpr std::size_t kRouteCount = 27;

inline const std::array<Route, kRouteCount> &routeTable()
{
    using A = Answerer;
    static const std::array<Route, kRouteCount> table{{
        {RouteId::GetAppointmentByCondition,
         "AppointmentComm::getAppointmentByCondition",
         MethodPost,
         "/7310/v1/appointments/query",
         "queryAppointmentResultCondition",
         "QueryAppointmentResultCondition",
         "queryAppointmentResultList",
         "QueryAppointmentResultListData",
         A::Server,
         {ErrInvalidParameter, ErrPageOutOfRange}},
        {RouteId::AddAppointment,
         "AppointmentComm::addAppointment",
         MethodPost,
         "/7310/v1/appointments",
         "addAppointment",
         "AddAppointment",
         "",
         "AddAppointmentResultListData",
         A::Server,
         {ErrInvalidParameter, ErrTextTooLong, ErrAppointmentLimit, ErrNotFound}},
        {RouteId::UpdateAppointment,
         "AppointmentComm::updateAppointment",
         MethodPut,
         "/7310/v1/appointments/<id>",
         "modifyAppointment",
         "ModifyAppointment",
         "",
         "",
         A::Server,
         {ErrInvalidParameter, ErrTextTooLong, ErrNotFound}},
        {RouteId::DeleteAppointment,
         "AppointmentComm::deleteAppointment",
         MethodDelete,
         "/7310/v1/appointments",
         "deleteAppointment",
         "DeleteAppointment",
         "",
         "DeleteAppointmentResultData",
         A::Server,
         {ErrInvalidParameter}},
        {RouteId::GetBasicSetting,
         "BasicSettingComm::getConfig",
         MethodGet,
         "/7310/v1/settings/basic",
         "",
         "",
         "queryBasicSettingResult",
         "QueryBasicSettingResultData",
         A::Server,
         {}},
        {RouteId::SetBasicSetting,
         "BasicSettingComm::setConfig",
         MethodPut,
         "/7310/v1/settings/basic",
         "basicSetting",
         "BasicSetting",
         "",
         "",
         A::Server,
         {ErrInvalidParameter, ErrTextTooLong}},
        {RouteId::FindPersonByOther,
         "FindPersonByOtherComm::request",
         MethodPost,
         "/framework/v1/persons/query",
         "queryPerson",
         "personnelcommon::QueryPerson",
         "",
         "personnelcommon::TotalData",
         A::Server,
         {ErrInvalidParameter, ErrPageOutOfRange}},
        {RouteId::GetAccessGroups,
         "AccessGroupPointComm::getAccessGroups",
         MethodGet,
         "/7310/v1/accessGroups",
         "",
         "",
         "",
         "VisitAccessGroupQueryResponseData",
         A::Server,
         {}},
        {RouteId::CreateAccessGroup,
         "AccessGroupPointComm::createAccessGroup",
         MethodPost,
         "/7310/v1/accessGroups",
         "visitAaccessGroupAddParam",
         "VisitAaccessGroupAddParam",
         "visitAccessGroupAddedResult",
         "VisitAccessGroupAddedResultData",
         A::Server,
         {ErrInvalidParameter, ErrTextTooLong, ErrNameExists, ErrDefaultGroupExists, ErrNotFound}},
        {RouteId::ModifyAccessGroup,
         "AccessGroupPointComm::modifyAccessGroup",
         MethodPut,
         "/7310/v1/accessGroups/<id>",
         "visitAccessGroupModifyParam",
         "VisitAccessGroupModifyParam",
         "",
         "VisitAccessGroupModifyResultData",
         A::Server,
         {ErrInvalidParameter, ErrTextTooLong, ErrNameExists, ErrDefaultGroupExists, ErrNotFound}},
        {RouteId::RemoveAccessGroup,
         "AccessGroupPointComm::removeAccessGroup",
         MethodDelete,
         "/7310/v1/accessGroups",
         "deleteAccessPointGroupCondition",
         "DeleteAccessPointGroupCondition",
         "",
         "DeleteAccessPointGroupResultData",
         A::Server,
         {ErrInvalidParameter}},
        {RouteId::SetVisitorRightConfig,
         "VisitorConfigComm::setConfig",
         MethodPost,
         "/7310/v1/accessGroups/sync",
         "visitorRightConfig",
         "VisitorRightConfig",
         "",
         "VisitorRightConfigResultData",
         A::Server,
         {ErrInvalidParameter}},
        {RouteId::GetSingleGroup,
         "CGetSingleGroupComm::request",
         MethodPost,
         "/framework/v1/resourceGroups/<id>/query",
         "queryGroupCondition",
         "QueryGroupCondition",
         "",
         "Group",
         A::Server,
         {ErrInvalidParameter, ErrNotFound}},
        {RouteId::GetVisitorRecords,
         "RecordComm::getRecord",
         MethodPost,
         "/7310/v1/visitorRecords/query",
         "queryVisitorRecordCondition",
         "QueryVisitorRecordCondition",
         "",
         "QueryVisitorRecordResultListData",
         A::Server,
         {ErrInvalidParameter, ErrPageOutOfRange}},
        {RouteId::GetDownloadFailRecords,
         "RecordComm::getDownloadFailRecord",
         MethodGet,
         "/7310/v1/visitorRecords/downloadFailed",
         "",
         "",
         "",
         "QueryVisitorRecordResultListData",
         A::Server,
         {}},
        {RouteId::GetVisitorErrorRecords,
         "RecordComm::getVisitorErrorRecord",
         MethodGet,
         "/7310/v1/visitorRecords/<id>/errors",
         "",
         "",
         "",
         "VisitorErrorRecordResponseData",
         A::Server,
         {ErrNotFound}},
        {RouteId::DownloadPermission,
         "DownloadPermissionComm::downloadPermission",
         MethodPost,
         "/7310/v1/visitorRecords/downloadPermission",
         "downloadPermissionInfo",
         "DownloadPermissionInfo",
         "",
         "DownloadPermissionResultListData",
         A::Server,
         {ErrInvalidParameter, ErrNotFound}},
        {RouteId::GetAcsCommonCap,
         "CGetAcsCommonCap::request",
         MethodPost,
         "/7310/v1/devices/<id>/acsCapabilities",
         "acsAbilityQuery",
         "AcsAbilityQuery",
         "",
         "CommonAcsAbility",
         A::Server,
         {ErrInvalidParameter, ErrNotFound, ErrDeviceOffline}},
        {RouteId::SetQRCodeEncryptionCfg,
         "cfginterface::setQRCodeEncryptionCfg",
         MethodPut,
         "/7310/v1/devices/<id>/qrCodeEncryption",
         "QRCodeEncryption",
         "QRCodeEncryptionCfg",
         "",
         "",
         A::Server,
         {ErrInvalidParameter, ErrNotFound, ErrDeviceOffline, ErrDeviceRejected,
          ErrUnsupportedEncryption}},
        {RouteId::RegisterComponent,
         "CComponentRegisterComm::request",
         MethodPost,
         "/framework/v1/components/register",
         "componentRegisterInfo",
         "ComponentRegisterInfo",
         "",
         "",
         A::Host,
         {ErrInvalidParameter}},
        {RouteId::TemplateTest,
         "CTemplateComm::request",
         MethodPost,
         "/7310/v1/template/tests",
         "templateTest",
         "TemplateTest",
         "",
         "TemplateTestRspData",
         A::Server,
         {ErrInvalidParameter}},
        {RouteId::GetOrganizationTree,
         "COrganizationComm::getOrganizationTree",
         MethodGet,
         "/framework/v1/organizations",
         "",
         "",
         "",
         "OrganizationTreeData",
         A::Server,
         {}},
        {RouteId::GetPersons,
         "COrganizationComm::getPersons",
         MethodPost,
         "/framework/v1/persons/list",
         "queryOrgPersons",
         "QueryOrgPersons",
         "",
         "PersonListData",
         A::Server,
         {ErrInvalidParameter, ErrPageOutOfRange, ErrNotFound}},
        {RouteId::GetDevices,
         "CDeviceComm::getDevices",
         MethodPost,
         "/framework/v1/devices/query",
         "queryDeviceCondition",
         "QueryDeviceCondition",
         "",
         "DeviceListData",
         A::Server,
         {ErrInvalidParameter}},
        {RouteId::GetResourceGroups,
         "CResourceGroupComm::getResourceGroups",
         MethodGet,
         "/framework/v1/resourceGroups",
         "",
         "",
         "",
         "ResourceGroupListData",
         A::Server,
         {}},
        {RouteId::GetOperatorPermissions,
         "COperatorComm::getPermissions",
         MethodGet,
         "/framework/v1/operator/permissions",
         "",
         "",
         "",
         "OperatorPermissionData",
         A::Host,
         {}},
        {RouteId::SubscribeNotifications,
         "CSubscribeComm::subscribe",
         MethodPost,
         "/framework/v1/notifications/subscribe",
         "subscribeInfo",
         "SubscribeInfo",
         "",
         "",
         A::Host,
         {ErrInvalidParameter}},
    }};
    return table;
}

/// The route of an operation (every RouteId has one).
inline const Route &findRoute(RouteId id)
{
    for (const Route &r : routeTable()) {
        if (r.id == id)
            return r;
    }
    return routeTable().front(); // unreachable while the table lists every id
}

/// "GET", "POST", "PUT", "DELETE"; "?" for other codes.
inline const char *methodName(std::int32_t method)
{
    switch (method) {
    case MethodGet:
        return "GET";
    case MethodPost:
        return "POST";
    case MethodPut:
        return "PUT";
    case MethodDelete:
        return "DELETE";
    }
    return "?";
}

/// True for a 32-digit hexadecimal GUID or a decimal number of 1 to 20 digits.
inline bool isUrlId(std::string_view text)
{
    auto all = [&text](auto pred) {
        for (char c : text) {
            if (!pred(static_cast<unsigned char>(c)))
                return false;
        }
        return true;
    };
    const auto isDigit = [](unsigned char c) { return c >= '0' && c <= '9'; };
    const auto isHex = [&isDigit](unsigned char c) {
        return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    if (text.size() == 32 && all(isHex))
        return true;
    return !text.empty() && text.size() <= 20 && all(isDigit);
}

inline bool routeHasId(const Route &route)
{
    return std::string_view(route.url).find(kIdPlaceholder) != std::string_view::npos;
}

/// The route's URL with its "<id>" replaced by id. Empty when the route needs an id and
/// id is not one (isUrlId), or when it needs none and id is not empty.
inline std::string buildUrl(const Route &route, std::string_view id = {})
{
    std::string url(route.url);
    const std::size_t at = url.find(kIdPlaceholder);
    if (at == std::string::npos)
        return id.empty() ? url : std::string();
    if (!isUrlId(id))
        return std::string();
    url.replace(at, kIdPlaceholder.size(), id);
    return url;
}

namespace detail {

// Matches a path against a pattern segment by segment; "<id>" takes one valid id.
inline bool matchPath(std::string_view pattern, std::string_view path, std::string *id)
{
    while (!pattern.empty() || !path.empty()) {
        if (pattern.empty() || path.empty() || pattern.front() != '/' || path.front() != '/')
            return false;
        pattern.remove_prefix(1);
        path.remove_prefix(1);
        const std::size_t pe = std::min(pattern.find('/'), pattern.size());
        const std::size_t se = std::min(path.find('/'), path.size());
        const std::string_view want = pattern.substr(0, pe);
        const std::string_view have = path.substr(0, se);
        if (want == kIdPlaceholder) {
            if (!isUrlId(have))
                return false;
            if (id != nullptr)
                id->assign(have);
        } else if (want != have) {
            return false;
        }
        pattern.remove_prefix(pe);
        path.remove_prefix(se);
    }
    return true;
}

} // namespace detail

/// The route for a request as a server or host sees it: the URL (a query after "?" is
/// ignored) matched segment by segment, then the method. Null when nothing matches;
/// urlKnown (optional) tells apart a known URL with another method (ErrMethodNotAllowed)
/// from an unknown one (ErrUnknownRoute). id receives the identifier of an "<id>" route.
inline const Route *matchRoute(std::int32_t method, std::string_view url, std::string *id = nullptr,
                               bool *urlKnown = nullptr)
{
    const std::size_t query = url.find('?');
    if (query != std::string_view::npos)
        url = url.substr(0, query);
    if (urlKnown != nullptr)
        *urlKnown = false;
    const Route *found = nullptr;
    for (const Route &r : routeTable()) {
        std::string candidate;
        if (!detail::matchPath(r.url, url, &candidate))
            continue;
        if (urlKnown != nullptr)
            *urlKnown = true;
        if (r.method == method) {
            found = &r;
            if (id != nullptr)
                *id = candidate;
            break;
        }
    }
    return found;
}

} // namespace routes
} // namespace protocol
