// Factory hook of the framework-service records.

#include <JSONStruct/Core/RecordFactory.h>
#include <JSONStruct/framework_services/DeviceNotifyData.h>
#include <JSONStruct/framework_services/ElementBatchNotifyData.h>
#include <JSONStruct/framework_services/ElementNotifyData.h>
#include <JSONStruct/framework_services/OrganizationNotifyData.h>
#include <JSONStruct/framework_services/PersonnelNotifyData.h>
#include <JSONStruct/framework_services/ResourceGroupNotifyData.h>

namespace protocol {
namespace families {
namespace {

// One record class serves several notification types; it answers name() with the type
// it was created for.
template <class T> RecordPtr createNamed(const char *registeredName)
{
    return makeRecord<T, IWebsocketData>(registeredName);
}

template <class T, std::size_t N>
void registerNamed(RecordRegistrar &registrar, const char *const (&types)[N])
{
    for (const char *type : types)
        registrar.custom(type, RecordFactory::Notification, &createNamed<T>);
}

const char *const kOrganizationTypes[] = {"organizationAdded", "organizationModified",
                                          "organizationRemoved"};
const char *const kPersonnelTypes[] = {"personnelAdded", "personnelRemoved",
                                       "personnelNameModified", "parentModified",
                                       "personnelDataChanged"};
const char *const kDeviceTypes[] = {"deviceAdded", "deviceModified", "deviceLogin", "deviceLogout"};
const char *const kGroupTypes[] = {"groupAdded", "groupRemoved", "groupOrderChanged"};
const char *const kElementTypes[] = {"elementAdded",        "doorAdded",       "elementRemoved",
                                     "doorRemoved",         "doorNameChanged", "doorOnlineState",
                                     "elementOnlineChanged"};
const char *const kElementBatchTypes[] = {"elementBatchRemoved", "resourceBatchRemoved",
                                          "elementBatchOnlineChanged", "resourceBatchOnlineState"};

} // namespace

void register_framework_services(RecordRegistrar &registrar)
{
    // The organisation, person, device and resource-group notifications that the
    // framework-data delegates read.
    registerNamed<OrganizationNotifyData>(registrar, kOrganizationTypes);
    registerNamed<PersonnelNotifyData>(registrar, kPersonnelTypes);
    registerNamed<DeviceNotifyData>(registrar, kDeviceTypes);
    registerNamed<ResourceGroupNotifyData>(registrar, kGroupTypes);
    registerNamed<ElementNotifyData>(registrar, kElementTypes);
    registerNamed<ElementBatchNotifyData>(registrar, kElementBatchTypes);
}

} // namespace families
} // namespace protocol
