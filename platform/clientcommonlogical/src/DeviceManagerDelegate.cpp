#include <clientcommonlogical/DeviceManagerDelegate.h>

#include "DataDelegateCore.h"

#include <CommunicationLayer/CDeviceComm.h>

#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/framework_services/DeviceListData.h>
#include <JSONStruct/framework_services/DeviceNotifyData.h>
#include <JSONStruct/framework_services/QueryDeviceCondition.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <algorithm>
#include <cstring>

namespace clientcommonlogical {
namespace {

using qorva7310::DataKind;
using qorva7310::DeviceInfo;

bool is(const char *type, const char *name)
{
    return std::strcmp(type, name) == 0;
}

bool typeWanted(const std::vector<int> &types, int type)
{
    return types.empty() || std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

class CDeviceManagerDelegate::Impl final : public detail::CDataDelegateCore
{
public:
    Impl() : CDataDelegateCore("devices") { start(); }
    ~Impl() override { stop(); }

    std::vector<DeviceInfo> m_devices; // server order; guarded by m_mutex

    DeviceInfo *find(const std::string &id)
    {
        auto it = std::find_if(m_devices.begin(), m_devices.end(),
                               [&](const DeviceInfo &d) { return d.id == id; });
        return it == m_devices.end() ? nullptr : &*it;
    }

protected:
    bool fetch() override
    {
        protocol::DeviceListData answer;
        if (!commlayer::CDeviceComm::getDevices(answer, protocol::QueryDeviceCondition())) {
            const Base::Error::ErrorCode error = Base::Error::GetLastError();
            LOG_ERROR("Failed to request the devices. [error-%u-%u].", error.module, error.code);
            return false;
        }
        m_fresh.clear();
        m_fresh.reserve(answer.deviceList.size());
        for (const protocol::DeviceNode &d : answer.deviceList)
            m_fresh.push_back(DeviceInfo{d.guid, d.name, d.type, d.ip, d.port, d.online});
        return true;
    }

    void install() override { m_devices = std::move(m_fresh); }

    bool handles(const char *type) const override
    {
        return is(type, "deviceAdded") || is(type, "deviceRemoved") || is(type, "deviceModified") ||
               is(type, "deviceLogin") || is(type, "deviceLogout");
    }

    void apply(const protocol::IWebsocketData &data, detail::ChangeList &changes) override
    {
        const char *type = data.name();
        if (const auto *removed = dynamic_cast<const protocol::DeviceRemovedNotifyData *>(&data)) {
            const auto before = m_devices.size();
            m_devices.erase(
                std::remove_if(m_devices.begin(), m_devices.end(),
                               [&](const DeviceInfo &d) { return d.id == removed->guid; }),
                m_devices.end());
            if (m_devices.size() != before)
                changes.emplace_back(DataKind::Device, removed->guid);
            return;
        }
        const auto *device = dynamic_cast<const protocol::DeviceNotifyData *>(&data);
        if (device == nullptr) {
            LOG_WARN("Notification [%s] with an unexpected body ignored.", type);
            return;
        }
        DeviceInfo *known = find(device->guid);
        if (is(type, "deviceAdded")) {
            if (known != nullptr || device->guid.empty())
                return;
            m_devices.push_back(DeviceInfo{device->guid, device->name_, device->type, device->ip,
                                           device->port, device->online});
        } else if (known == nullptr) {
            return;
        } else if (is(type, "deviceModified")) {
            // Only what the server names changed.
            if (device->hasKey("name"))
                known->name = device->name_;
            if (device->hasKey("type"))
                known->type = device->type;
            if (device->hasKey("ip"))
                known->ip = device->ip;
            if (device->hasKey("port"))
                known->port = device->port;
            if (device->hasKey("online"))
                known->online = device->online;
        } else {
            known->online = is(type, "deviceLogin");
        }
        changes.emplace_back(DataKind::Device, device->guid);
    }

private:
    std::vector<DeviceInfo> m_fresh; // loader thread only
};

CDeviceManagerDelegate::CDeviceManagerDelegate() : m_impl(std::make_unique<Impl>()) {}

CDeviceManagerDelegate::~CDeviceManagerDelegate() = default;

std::vector<std::string> CDeviceManagerDelegate::deviceIds(const std::vector<int> &types) const
{
    return m_impl->locked([&] {
        std::vector<std::string> ids;
        for (const DeviceInfo &d : m_impl->m_devices) {
            if (typeWanted(types, d.type))
                ids.push_back(d.id);
        }
        return ids;
    });
}

std::vector<DeviceInfo> CDeviceManagerDelegate::getDevices(const std::vector<int> &types) const
{
    return m_impl->locked([&] {
        std::vector<DeviceInfo> out;
        for (const DeviceInfo &d : m_impl->m_devices) {
            if (typeWanted(types, d.type))
                out.push_back(d);
        }
        return out;
    });
}

bool CDeviceManagerDelegate::getDevice(const std::string &deviceId, DeviceInfo &device) const
{
    return m_impl->locked([&] {
        const DeviceInfo *found = m_impl->find(deviceId);
        if (found != nullptr)
            device = *found;
        return found != nullptr;
    });
}

std::string CDeviceManagerDelegate::getDeviceName(const std::string &deviceId) const
{
    DeviceInfo device;
    return getDevice(deviceId, device) ? device.name : std::string();
}

detail::CDataDelegateCore &CDeviceManagerDelegate::core() const
{
    return *m_impl;
}

} // namespace clientcommonlogical
