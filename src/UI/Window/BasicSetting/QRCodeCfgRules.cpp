#include "QRCodeCfgRules.h"

#include <UiDataController/ModelRoles.h>

#include <QAbstractItemModel>

namespace visitorclient {
namespace QRCodeCfgRules {

namespace {

void collectChecked(const QAbstractItemModel &model, const QModelIndex &parent,
                    std::map<std::string, QString> &devices)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked) {
            const QString id = index.data(UiDataController::DeviceIdRole).toString();
            if (!id.isEmpty())
                devices[id.toStdString()] = index.data(UiDataController::DeviceNameRole).toString();
        }
        if (model.hasChildren(index))
            collectChecked(model, index, devices);
    }
}

} // namespace

InputError checkInput(const QString &key, const QString &vector)
{
    if (key.isEmpty())
        return InputError::KeyEmpty;
    if (key.size() != kKeyLength)
        return InputError::KeyLength;
    if (vector.isEmpty())
        return InputError::VectorEmpty;
    if (vector.size() != kKeyLength)
        return InputError::VectorLength;
    return InputError::None;
}

const char *messageKey(InputError error)
{
    switch (error) {
    case InputError::KeyEmpty:
        return QT_TRANSLATE_NOOP("visitorclient::QRCodeCfgWidget",
                                 "Qorva-7310_Client.f5ec5cb47c234fca8f05329d43c8413c.msg");
    case InputError::KeyLength:
        return QT_TRANSLATE_NOOP("visitorclient::QRCodeCfgWidget", "Qorva-7310_Client.KeyLen.msg");
    case InputError::VectorEmpty:
        return QT_TRANSLATE_NOOP("visitorclient::QRCodeCfgWidget",
                                 "Qorva-7310_Client.VeyEmpty.msg");
    case InputError::VectorLength:
        return QT_TRANSLATE_NOOP("visitorclient::QRCodeCfgWidget", "Qorva-7310_Client.VeyLen.msg");
    case InputError::None:
        break;
    }
    return "";
}

bool concernsKey(InputError error)
{
    return error == InputError::KeyEmpty || error == InputError::KeyLength;
}

std::map<std::string, QString> checkedDevices(const QAbstractItemModel &model)
{
    std::map<std::string, QString> devices;
    collectChecked(model, QModelIndex(), devices);
    return devices;
}

QString failurePart(const QString &deviceName, const QString &errorText)
{
    return QStringLiteral("%1: %2;").arg(deviceName, errorText);
}

} // namespace QRCodeCfgRules
} // namespace visitorclient
