#include <UiDataController/CCheckedDeviceManagerModel.h>

#include <QorvaGUIToolkit/SkinPalette.h>

#include <QBrush>

#include <algorithm>
#include <unordered_set>

namespace UiDataController {

CCheckedDeviceManagerModel::CCheckedDeviceManagerModel(
    const VideoDeviceNodeParam &param,
    std::shared_ptr<qorva7310::IAbstractDeviceManager> deviceManager, QObject *parent)
    : CDataItemModel(deviceManager, parent), m_param(param), m_manager(std::move(deviceManager))
{
    startSync();
}

CCheckedDeviceManagerModel::~CCheckedDeviceManagerModel() = default;

QModelIndex CCheckedDeviceManagerModel::GetDeviceIndexByDeviceID(const QString &deviceId) const
{
    const QStandardItem *item = find(m_deviceItems, deviceId.toStdString());
    return item != nullptr ? item->index() : QModelIndex();
}

QStringList CCheckedDeviceManagerModel::GetCheckedDeviceIDs() const
{
    QStringList ids;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row)->checkState() == Qt::Checked)
            ids << item(row)->data(DeviceIdRole).toString();
    }
    return ids;
}

bool CCheckedDeviceManagerModel::listed(const qorva7310::DeviceInfo &device) const
{
    const std::vector<int> &types = m_param.vecDeviceType;
    return types.empty() || std::find(types.begin(), types.end(), device.type) != types.end();
}

void CCheckedDeviceManagerModel::reload()
{
    const std::vector<qorva7310::DeviceInfo> devices = m_manager->getDevices(m_param.vecDeviceType);
    std::unordered_set<std::string> ids;
    for (const qorva7310::DeviceInfo &device : devices) {
        ids.insert(device.id);
        syncDevice(device);
    }
    removeUnlisted(m_deviceItems, ids, [this](const std::string &id) { removeDevice(id); });
}

void CCheckedDeviceManagerModel::itemChanged(qorva7310::DataKind kind, const std::string &id)
{
    if (kind != qorva7310::DataKind::Device)
        return;
    qorva7310::DeviceInfo device;
    if (m_manager->getDevice(id, device) && listed(device))
        syncDevice(device);
    else
        removeDevice(id);
}

void CCheckedDeviceManagerModel::syncDevice(const qorva7310::DeviceInfo &device)
{
    if (QStandardItem *item = find(m_deviceItems, device.id)) {
        setDeviceData(item, device);
        return;
    }
    auto *item = new QStandardItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                   (m_param.iCheckable != 0 ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
    if (m_param.iCheckable != 0)
        item->setCheckState(Qt::Unchecked);
    item->setData(fromStd(device.id), DeviceIdRole);
    setDeviceData(item, device);
    m_deviceItems[device.id] = item;
    appendRow(item);
}

void CCheckedDeviceManagerModel::removeDevice(const std::string &deviceId)
{
    QStandardItem *item = find(m_deviceItems, deviceId);
    if (item == nullptr)
        return;
    m_deviceItems.erase(deviceId);
    removeRow(item->row());
}

void CCheckedDeviceManagerModel::setDeviceData(QStandardItem *item,
                                               const qorva7310::DeviceInfo &device)
{
    const QString name = fromStd(device.name);
    setIfChanged(item, name, Qt::DisplayRole);
    setIfChanged(item, name, DeviceNameRole);
    setIfChanged(item, device.type, DeviceTypeRole);
    setIfChanged(item, QStringLiteral("%1:%2").arg(fromStd(device.ip)).arg(device.port),
                 Qt::ToolTipRole);
    const QVariant online = item->data(DeviceOnlineRole);
    if (!online.isValid() || online.toBool() != device.online) {
        item->setData(device.online, DeviceOnlineRole);
        if (device.online)
            item->setData(QVariant(), Qt::ForegroundRole);
        else
            item->setForeground(QBrush(QorvaGUIToolkit::SkinPalette::current().secondaryText));
    }
}

} // namespace UiDataController
