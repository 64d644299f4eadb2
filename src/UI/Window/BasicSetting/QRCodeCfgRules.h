#pragma once
// What the QR-code configuration page decides without a window: whether the entered key
// and vector may be sent, which devices are ticked, and how per-device failures read.

#include <QString>

#include <map>
#include <string>

class QAbstractItemModel;

namespace visitorclient {
namespace QRCodeCfgRules {

/// The only encryption the devices are given.
constexpr const char *kEncryptType = "AES128_CBC";
/// Key and vector are 128 bits written as 32 characters.
constexpr int kKeyLength = 32;

/// The first input check that fails, in the order the operator meets the fields.
enum class InputError { None, KeyEmpty, KeyLength, VectorEmpty, VectorLength };

InputError checkInput(const QString &key, const QString &vector);
/// Translation key of the message that explains error (empty for None).
const char *messageKey(InputError error);
/// True when error concerns the key edit (otherwise the vector edit).
bool concernsKey(InputError error);

/// Ticked devices: identifier (DeviceIdRole) to name (DeviceNameRole) of every row, at
/// any depth, whose check state is Qt::Checked.
std::map<std::string, QString> checkedDevices(const QAbstractItemModel &model);

/// One device's part of the combined failure message: "name: error;".
QString failurePart(const QString &deviceName, const QString &errorText);

} // namespace QRCodeCfgRules
} // namespace visitorclient
