#include <clientcommonlogical/GroupManagerDeletage.h>

#include "DataDelegateCore.h"

#include <CommunicationLayer/CResourceGroupComm.h>

#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>
#include <JSONStruct/framework_services/DeviceNotifyData.h>
#include <JSONStruct/framework_services/ElementBatchNotifyData.h>
#include <JSONStruct/framework_services/ElementNotifyData.h>
#include <JSONStruct/framework_services/ResourceGroupListData.h>
#include <JSONStruct/framework_services/ResourceGroupNotifyData.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace clientcommonlogical {
namespace {

using qorva7310::DataKind;
using qorva7310::GroupAreaInfo;
using qorva7310::GroupElementInfo;

class CElement final : public qorva7310::IGroupElement
{
public:
    explicit CElement(GroupElementInfo info) : m_info(std::move(info)) {}
    std::string id() const override { return m_info.id; }
    std::string name() const override { return m_info.name; }
    std::string areaId() const override { return m_info.areaId; }
    std::string deviceId() const override { return m_info.deviceId; }
    int doorNo() const override { return m_info.doorNo; }
    bool isOnline() const override { return m_info.online; }

private:
    GroupElementInfo m_info;
};

struct Data
{
    std::vector<GroupAreaInfo> areas; // display order: by sequence, then as loaded
    std::unordered_map<std::string, std::string> elementArea; // element id -> area id

    GroupAreaInfo *area(const std::string &id)
    {
        auto it = std::find_if(areas.begin(), areas.end(),
                               [&](const GroupAreaInfo &a) { return a.id == id; });
        return it == areas.end() ? nullptr : &*it;
    }

    GroupElementInfo *element(const std::string &id)
    {
        const auto where = elementArea.find(id);
        GroupAreaInfo *owner = where == elementArea.end() ? nullptr : area(where->second);
        if (owner == nullptr)
            return nullptr;
        auto it = std::find_if(owner->elements.begin(), owner->elements.end(),
                               [&](const GroupElementInfo &e) { return e.id == id; });
        return it == owner->elements.end() ? nullptr : &*it;
    }

    // Moves the area to where its sequence puts it (after the others of equal sequence).
    void place(GroupAreaInfo area)
    {
        areas.erase(std::remove_if(areas.begin(), areas.end(),
                                   [&](const GroupAreaInfo &a) { return a.id == area.id; }),
                    areas.end());
        auto at = std::upper_bound(
            areas.begin(), areas.end(), area.sequence,
            [](int sequence, const GroupAreaInfo &a) { return sequence < a.sequence; });
        areas.insert(at, std::move(area));
    }
};

bool is(const char *type, const char *name)
{
    return std::strcmp(type, name) == 0;
}

} // namespace

class CGroupManagerDeletage::Impl final : public detail::CDataDelegateCore
{
public:
    Impl() : CDataDelegateCore("resource groups") { start(); }
    ~Impl() override { stop(); }

    Data m_data; // guarded by m_mutex

protected:
    bool fetch() override
    {
        protocol::ResourceGroupListData answer;
        if (!commlayer::CResourceGroupComm::getResourceGroups(answer)) {
            const Base::Error::ErrorCode error = Base::Error::GetLastError();
            LOG_ERROR("Failed to request the resource groups. [error-%u-%u].", error.module,
                      error.code);
            return false;
        }
        m_fresh = Data();
        for (protocol::ResourceGroupNode &group : answer.resourceGroupList) {
            GroupAreaInfo area{group.guid, std::move(group.name), group.sequence, {}};
            area.elements.reserve(group.doorList.size());
            for (protocol::DoorNode &door : group.doorList) {
                m_fresh.elementArea[door.guid] = group.guid;
                area.elements.push_back(GroupElementInfo{std::move(door.guid), std::move(door.name),
                                                         group.guid, std::move(door.deviceGuid),
                                                         door.doorNo, door.online});
            }
            m_fresh.place(std::move(area));
        }
        return true;
    }

    void install() override { m_data = std::move(m_fresh); }

    bool handles(const char *type) const override
    {
        static const char *const kTypes[] = {"groupAdded",
                                             "groupRemoved",
                                             "groupNameChanged",
                                             "groupOrderChanged",
                                             "elementAdded",
                                             "doorAdded",
                                             "elementRemoved",
                                             "doorRemoved",
                                             "elementBatchRemoved",
                                             "resourceBatchRemoved",
                                             "elementNameChanged",
                                             "doorNameChanged",
                                             "doorOnlineState",
                                             "elementOnlineChanged",
                                             "elementBatchOnlineChanged",
                                             "resourceBatchOnlineState",
                                             "deviceRemoved",
                                             "deviceLogin",
                                             "deviceLogout"};
        return std::any_of(std::begin(kTypes), std::end(kTypes),
                           [&](const char *t) { return is(type, t); });
    }

    void apply(const protocol::IWebsocketData &data, detail::ChangeList &changes) override
    {
        const char *type = data.name();
        if (const auto *group = dynamic_cast<const protocol::ResourceGroupNotifyData *>(&data))
            applyGroup(type, *group, changes);
        else if (const auto *renamed =
                     dynamic_cast<const protocol::GroupNameChangedNotifyData *>(&data))
            renameArea(renamed->guid, renamed->name_, changes);
        else if (const auto *element = dynamic_cast<const protocol::ElementNotifyData *>(&data))
            applyElement(type, *element, changes);
        else if (const auto *renamed =
                     dynamic_cast<const protocol::ElementNameChangedNotifyData *>(&data))
            update(renamed->guid, changes, [&](GroupElementInfo &e) { e.name = renamed->name_; });
        else if (const auto *batch = dynamic_cast<const protocol::ElementBatchNotifyData *>(&data))
            applyBatch(type, *batch, changes);
        else if (const auto *removed =
                     dynamic_cast<const protocol::DeviceRemovedNotifyData *>(&data))
            removeIf([&](const GroupElementInfo &e) { return e.deviceId == removed->guid; },
                     changes);
        else if (const auto *device = dynamic_cast<const protocol::DeviceNotifyData *>(&data))
            applyDevice(type, *device, changes);
        else
            LOG_WARN("Notification [%s] with an unexpected body ignored.", type);
    }

private:
    void applyGroup(const char *type, const protocol::ResourceGroupNotifyData &group,
                    detail::ChangeList &changes)
    {
        GroupAreaInfo *area = m_data.area(group.guid);
        if (is(type, "groupRemoved")) {
            if (area == nullptr)
                return;
            for (const GroupElementInfo &element : area->elements) {
                m_data.elementArea.erase(element.id);
                changes.emplace_back(DataKind::Element, element.id);
            }
            m_data.areas.erase(m_data.areas.begin() + (area - m_data.areas.data()));
        } else if (is(type, "groupAdded")) {
            if (area != nullptr || group.guid.empty())
                return;
            m_data.place(GroupAreaInfo{group.guid, group.name_, group.sequence, {}});
        } else { // groupOrderChanged
            if (area == nullptr)
                return;
            GroupAreaInfo moved = *area;
            moved.sequence = group.sequence;
            m_data.place(std::move(moved));
        }
        changes.emplace_back(DataKind::Area, group.guid);
    }

    void renameArea(const std::string &id, const std::string &name, detail::ChangeList &changes)
    {
        if (GroupAreaInfo *area = m_data.area(id)) {
            area->name = name;
            changes.emplace_back(DataKind::Area, id);
        }
    }

    void applyElement(const char *type, const protocol::ElementNotifyData &element,
                      detail::ChangeList &changes)
    {
        if (is(type, "elementAdded") || is(type, "doorAdded")) {
            addElement(element, changes);
        } else if (is(type, "elementRemoved") || is(type, "doorRemoved")) {
            removeIf([&](const GroupElementInfo &e) { return e.id == element.guid; }, changes);
        } else if (is(type, "doorNameChanged")) {
            update(element.guid, changes, [&](GroupElementInfo &e) { e.name = element.name_; });
        } else { // doorOnlineState, elementOnlineChanged
            update(element.guid, changes, [&](GroupElementInfo &e) { e.online = element.online; });
        }
    }

    void addElement(const protocol::ElementNotifyData &element, detail::ChangeList &changes)
    {
        GroupAreaInfo *area = m_data.area(element.groupGuid);
        if (area == nullptr) {
            LOG_WARN("Element [%s] added to the unknown resource group [%s].", element.guid.c_str(),
                     element.groupGuid.c_str());
            return;
        }
        if (element.guid.empty() || m_data.elementArea.count(element.guid) != 0)
            return;
        m_data.elementArea[element.guid] = element.groupGuid;
        area->elements.push_back(GroupElementInfo{element.guid, element.name_, element.groupGuid,
                                                  element.deviceGuid, element.doorNo,
                                                  element.online});
        changes.emplace_back(DataKind::Element, element.guid);
    }

    void applyBatch(const char *type, const protocol::ElementBatchNotifyData &batch,
                    detail::ChangeList &changes)
    {
        if (is(type, "elementBatchRemoved") || is(type, "resourceBatchRemoved")) {
            removeIf(
                [&](const GroupElementInfo &e) {
                    return std::find(batch.guidList.begin(), batch.guidList.end(), e.id) !=
                           batch.guidList.end();
                },
                changes);
            return;
        }
        for (const std::string &id : batch.guidList)
            update(id, changes, [&](GroupElementInfo &e) { e.online = batch.online; });
    }

    void applyDevice(const char *type, const protocol::DeviceNotifyData &device,
                     detail::ChangeList &changes)
    {
        if (!is(type, "deviceLogin") && !is(type, "deviceLogout"))
            return; // other device news does not touch the doors
        // A door is reachable exactly when its device is.
        const bool online = is(type, "deviceLogin");
        for (GroupAreaInfo &area : m_data.areas) {
            for (GroupElementInfo &element : area.elements) {
                if (element.deviceId == device.guid && element.online != online) {
                    element.online = online;
                    changes.emplace_back(DataKind::Element, element.id);
                }
            }
        }
    }

    template <class Change>
    void update(const std::string &id, detail::ChangeList &changes, Change change)
    {
        if (GroupElementInfo *element = m_data.element(id)) {
            change(*element);
            changes.emplace_back(DataKind::Element, id);
        }
    }

    template <class Predicate> void removeIf(Predicate matches, detail::ChangeList &changes)
    {
        for (GroupAreaInfo &area : m_data.areas) {
            auto gone =
                std::stable_partition(area.elements.begin(), area.elements.end(),
                                      [&](const GroupElementInfo &e) { return !matches(e); });
            for (auto it = gone; it != area.elements.end(); ++it) {
                m_data.elementArea.erase(it->id);
                changes.emplace_back(DataKind::Element, it->id);
            }
            area.elements.erase(gone, area.elements.end());
        }
    }

    Data m_fresh; // loader thread only
};

CGroupManagerDeletage::CGroupManagerDeletage() : m_impl(std::make_unique<Impl>()) {}

CGroupManagerDeletage::~CGroupManagerDeletage() = default;

std::shared_ptr<qorva7310::IGroupElement>
CGroupManagerDeletage::getElement(const std::string &areaId, const std::string &doorId) const
{
    return m_impl->locked([&]() -> std::shared_ptr<qorva7310::IGroupElement> {
        const GroupElementInfo *element = m_impl->m_data.element(doorId);
        if (element == nullptr || element->areaId != areaId)
            return nullptr;
        return std::make_shared<CElement>(*element);
    });
}

std::vector<GroupAreaInfo> CGroupManagerDeletage::getAreas() const
{
    return m_impl->locked([&] { return m_impl->m_data.areas; });
}

bool CGroupManagerDeletage::getArea(const std::string &areaId, GroupAreaInfo &area) const
{
    return m_impl->locked([&] {
        const GroupAreaInfo *found = m_impl->m_data.area(areaId);
        if (found != nullptr)
            area = *found;
        return found != nullptr;
    });
}

bool CGroupManagerDeletage::getElementInfo(const std::string &elementId,
                                           GroupElementInfo &element) const
{
    return m_impl->locked([&] {
        const GroupElementInfo *found = m_impl->m_data.element(elementId);
        if (found != nullptr)
            element = *found;
        return found != nullptr;
    });
}

detail::CDataDelegateCore &CGroupManagerDeletage::core() const
{
    return *m_impl;
}

} // namespace clientcommonlogical
