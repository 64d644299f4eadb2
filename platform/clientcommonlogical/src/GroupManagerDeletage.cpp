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

struct Area
{
    std::string id;
    std::string name;
    int sequence = 0;
    std::vector<std::string> elementIds; // server order
};

struct Data
{
    std::vector<Area> areas; // display order: by sequence, then as loaded
    std::unordered_map<std::string, GroupElementInfo> elements;

    Area *area(const std::string &id)
    {
        auto it =
            std::find_if(areas.begin(), areas.end(), [&](const Area &a) { return a.id == id; });
        return it == areas.end() ? nullptr : &*it;
    }
    const Area *area(const std::string &id) const { return const_cast<Data *>(this)->area(id); }

    // Moves the area to where its sequence puts it (after the others of equal sequence).
    void place(Area area)
    {
        areas.erase(std::remove_if(areas.begin(), areas.end(),
                                   [&](const Area &a) { return a.id == area.id; }),
                    areas.end());
        auto at =
            std::upper_bound(areas.begin(), areas.end(), area.sequence,
                             [](int sequence, const Area &a) { return sequence < a.sequence; });
        areas.insert(at, std::move(area));
    }

    GroupAreaInfo info(const Area &a) const
    {
        GroupAreaInfo out{a.id, a.name, a.sequence, {}};
        out.elements.reserve(a.elementIds.size());
        for (const std::string &id : a.elementIds) {
            const auto it = elements.find(id);
            if (it != elements.end())
                out.elements.push_back(it->second);
        }
        return out;
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
        for (const protocol::ResourceGroupNode &group : answer.resourceGroupList) {
            Area area{group.guid, group.name, group.sequence, {}};
            area.elementIds.reserve(group.doorList.size());
            for (const protocol::DoorNode &door : group.doorList) {
                area.elementIds.push_back(door.guid);
                m_fresh.elements[door.guid] = GroupElementInfo{
                    door.guid, door.name, group.guid, door.deviceGuid, door.doorNo, door.online};
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
        Area *area = m_data.area(group.guid);
        if (is(type, "groupRemoved")) {
            if (area == nullptr)
                return;
            for (const std::string &id : area->elementIds) {
                m_data.elements.erase(id);
                changes.emplace_back(DataKind::Element, id);
            }
            m_data.areas.erase(m_data.areas.begin() + (area - m_data.areas.data()));
        } else if (is(type, "groupAdded")) {
            if (area != nullptr || group.guid.empty())
                return;
            m_data.place(Area{group.guid, group.name_, group.sequence, {}});
        } else { // groupOrderChanged
            if (area == nullptr)
                return;
            Area moved = *area;
            moved.sequence = group.sequence;
            m_data.place(std::move(moved));
        }
        changes.emplace_back(DataKind::Area, group.guid);
    }

    void renameArea(const std::string &id, const std::string &name, detail::ChangeList &changes)
    {
        if (Area *area = m_data.area(id)) {
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
        Area *area = m_data.area(element.groupGuid);
        if (area == nullptr) {
            LOG_WARN("Element [%s] added to the unknown resource group [%s].", element.guid.c_str(),
                     element.groupGuid.c_str());
            return;
        }
        if (element.guid.empty() || m_data.elements.count(element.guid) != 0)
            return;
        area->elementIds.push_back(element.guid);
        m_data.elements[element.guid] =
            GroupElementInfo{element.guid,       element.name_,  element.groupGuid,
                             element.deviceGuid, element.doorNo, element.online};
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
        for (auto &entry : m_data.elements) {
            if (entry.second.deviceId == device.guid && entry.second.online != online) {
                entry.second.online = online;
                changes.emplace_back(DataKind::Element, entry.first);
            }
        }
    }

    template <class Change>
    void update(const std::string &id, detail::ChangeList &changes, Change change)
    {
        const auto it = m_data.elements.find(id);
        if (it == m_data.elements.end())
            return;
        change(it->second);
        changes.emplace_back(DataKind::Element, id);
    }

    template <class Predicate> void removeIf(Predicate matches, detail::ChangeList &changes)
    {
        for (auto it = m_data.elements.begin(); it != m_data.elements.end();) {
            if (!matches(it->second)) {
                ++it;
                continue;
            }
            if (Area *area = m_data.area(it->second.areaId)) {
                auto &ids = area->elementIds;
                ids.erase(std::remove(ids.begin(), ids.end(), it->first), ids.end());
            }
            changes.emplace_back(DataKind::Element, it->first);
            it = m_data.elements.erase(it);
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
        const auto it = m_impl->m_data.elements.find(doorId);
        if (it == m_impl->m_data.elements.end() || it->second.areaId != areaId)
            return nullptr;
        return std::make_shared<CElement>(it->second);
    });
}

std::vector<GroupAreaInfo> CGroupManagerDeletage::getAreas() const
{
    return m_impl->locked([&] {
        std::vector<GroupAreaInfo> out;
        out.reserve(m_impl->m_data.areas.size());
        for (const Area &area : m_impl->m_data.areas)
            out.push_back(m_impl->m_data.info(area));
        return out;
    });
}

bool CGroupManagerDeletage::getArea(const std::string &areaId, GroupAreaInfo &area) const
{
    return m_impl->locked([&] {
        const Area *found = m_impl->m_data.area(areaId);
        if (found != nullptr)
            area = m_impl->m_data.info(*found);
        return found != nullptr;
    });
}

bool CGroupManagerDeletage::getElementInfo(const std::string &elementId,
                                           GroupElementInfo &element) const
{
    return m_impl->locked([&] {
        const auto it = m_impl->m_data.elements.find(elementId);
        if (it != m_impl->m_data.elements.end())
            element = it->second;
        return it != m_impl->m_data.elements.end();
    });
}

detail::CDataDelegateCore &CGroupManagerDeletage::core() const
{
    return *m_impl;
}

} // namespace clientcommonlogical
