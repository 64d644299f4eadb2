#pragma once
// The visitor parameter page: which visitor fields the appointment form shows and
// requires, the visit reasons and how many days ahead a visit may be booked. Built on
// its first activation from the settings AppointmentSettingManager holds; saving goes
// through the manager, and the main window forwards the saved settings to the
// appointment page.

#include <UI/Window/Application/Widget.h>
#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

class QLabel;
class QPushButton;
class QSpinBox;

namespace QorvaGUIToolkit {
class CScrollArea;
class CTreeView;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class SettingModel;
class VisitReasonWidget;

class BasicSettingWidget : public Widget
{
    Q_OBJECT
public:
    /// Type of the operation-log entry of a save.
    static constexpr int kSaveLogType = 9009;

    explicit BasicSettingWidget(QWidget *parent = nullptr);

    /// First activation: reads the settings (when nobody has yet), builds the form and
    /// shows them. Later activations keep what the operator sees.
    void activatePage() override;
    /// The operator's function permission: the boxes, reasons, booking days and the two
    /// buttons follow it; the page stays readable and scrollable.
    void setPageEnabled(bool enabled) override;
    bool hasPermission() const { return m_bPermission; }

    /// Null until the first activation.
    SettingModel *settingModel() const { return m_pModel; }
    VisitReasonWidget *reasonWidget() const { return m_pReasonWidget; }

signals:
    void signalBasicSettingChanged(BasicSettingData struSetting);

public slots:
    void onSave();
    /// Restores the default fields, one booking day and the five built-in reasons, after
    /// the operator confirmed.
    void onDefault();
    void onVisitReasonAdded();
    /// Scrolls to the bottom, where a new reason row appeared.
    void onChangeSliderPosition();

private:
    void buildForm();
    void loadForm();
    void applyPermission();
    void showStorageState();
    /// Saves through the manager; on success tells the other pages and logs logText.
    bool store(const BasicSettingData &data, const QString &logText);

    bool m_bPermission = true;
    SettingModel *m_pModel = nullptr;
    QorvaGUIToolkit::CScrollArea *m_pScrollArea = nullptr;
    QorvaGUIToolkit::CTreeView *m_pFieldView = nullptr;
    VisitReasonWidget *m_pReasonWidget = nullptr;
    QLabel *m_pReasonsNotStoredLabel = nullptr;
    QSpinBox *m_pDaySpinBox = nullptr;
    QPushButton *m_pSaveBtn = nullptr;
    QPushButton *m_pDefaultBtn = nullptr;
};

} // namespace visitorclient
