#pragma once
// The QR-code encryption page: the operator enters a key and a vector, ticks access
// devices and writes the configuration to each of them on a worker behind the wait
// dialog; the devices that refused are named in one message. Built in its constructor.

#include <UI/Window/Application/Widget.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QPushButton;

namespace QorvaGUIToolkit {
class CStatusValidateLineEdit;
class CTreeView;
} // namespace QorvaGUIToolkit

namespace UiDataController {
class CCheckedDeviceManagerModel;
}

namespace qorva7310 {
class IAbstractDeviceManager;
}

namespace visitorclient {

class QRCodeCfgWidget : public Widget
{
    Q_OBJECT
public:
    /// Device types that take a QR-code key (access controllers).
    static const std::vector<int> &deviceTypes();

    /// Without a device manager the page makes its own (the product's way); tests and
    /// a host that already holds one pass it in.
    explicit QRCodeCfgWidget(QWidget *parent = nullptr,
                             std::shared_ptr<qorva7310::IAbstractDeviceManager> devices = nullptr);
    ~QRCodeCfgWidget() override;

    /// Nothing to do: the page is built in its constructor.
    void activatePage() override;
    /// The two edits, the buttons and the device tree follow the permission.
    void setPageEnabled(bool enabled) override;
    bool hasPermission() const { return m_bPermission; }

    /// Writes the configuration to every ticked device (as the last save collected
    /// them); failures are added to errorText as "name: error;". True when none failed.
    /// Runs on a worker while the GUI thread waits in the wait dialog.
    bool SetQRCodeParam(QString &errorText, std::string key, std::string iv);
    /// What the last write collected as failures (empty after a full success).
    QString lastErrorText() const { return m_strLastError; }

    UiDataController::CCheckedDeviceManagerModel *deviceModel() const { return m_pDeviceModel; }

public slots:
    void onSave();
    /// Empties both edits.
    void onCancel();

private:
    void buildForm();
    void applyPermission();
    void refuse(QWidget *field, const QString &text);

    QorvaGUIToolkit::CStatusValidateLineEdit *m_pKeyEdit = nullptr;
    QorvaGUIToolkit::CStatusValidateLineEdit *m_pVectorEdit = nullptr;
    QorvaGUIToolkit::CTreeView *m_pDeviceTree = nullptr;
    QPushButton *m_pSaveBtn = nullptr;
    QPushButton *m_pCancelBtn = nullptr;

    bool m_bPermission = true;
    bool m_bBuilt = false;
    // Rebuilt by each save on the GUI thread; read by the worker while the GUI thread
    // sits in the wait dialog.
    std::map<std::string, QString> m_mapCheckedDevice;
    std::shared_ptr<qorva7310::IAbstractDeviceManager> m_pDeviceManager;
    UiDataController::CCheckedDeviceManagerModel *m_pDeviceModel = nullptr;
    // Written by the worker, read by the GUI thread after it finished.
    QString m_strLastError;
};

} // namespace visitorclient
