#pragma once
// The appointment form of the list page's drawer: basic information, access-point
// groups and extended attributes (the accompanying count travels unseen). setData fills
// it, the buttons check the sections in order and hand the collected record to the page
// through the signals; the form itself never talks to the server about appointments.

#include <UI/Window/Application/BaseWidget.h>
#include <UI/Window/BasicSetting/Data/BasicSettingData.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QMap>

class QPushButton;

namespace QorvaGUIToolkit {
class CScrollArea;
}

namespace visitorclient {

class AccessControlWidget;
class AccompanyingPersonnelWidget;
class AdditionalInfoWidget;
class BasicInfoWidget;
class FormSection;
class TitleContent;

class AddAppointmentInfoWidget : public BaseWidget
{
    Q_OBJECT
public:
    explicit AddAppointmentInfoWidget(QWidget *parent = nullptr);

    /// An empty id opens a new appointment (today's times, the default group). Reads the
    /// server's access-point groups afresh.
    void setData(const AppointmentInfoData &info);
    AppointmentInfoData collectData() const;

    void onBasicSettingChanged(const BasicSettingData &setting);
    void onAccessPointDataChanged(const QMap<QString, QString> &mapData);

    BasicInfoWidget *basicInfo() const { return m_pBasicInfo; }
    AccessControlWidget *accessControl() const { return m_pAccessControl; }
    AccompanyingPersonnelWidget *accompanying() const { return m_pAccompanying; }
    AdditionalInfoWidget *additionalInfo() const { return m_pAdditionalInfo; }
    QPushButton *addAndNewButton() const { return m_pAddAndNewBtn; }

signals:
    void signalSave(AppointmentInfoData sruData);
    void signalAddAndNew(AppointmentInfoData);
    void signalCancel();

public slots:
    void onSave();
    void onAddAndNew();
    void onCancel();

private:
    /// True when every section accepts its input; otherwise the refusing section is
    /// scrolled into view.
    bool checkSections();
    void resetSections();

    QorvaGUIToolkit::CScrollArea *m_pScrollArea;
    BasicInfoWidget *m_pBasicInfo;
    AccessControlWidget *m_pAccessControl;
    AccompanyingPersonnelWidget *m_pAccompanying;
    AdditionalInfoWidget *m_pAdditionalInfo;
    TitleContent *m_pAccompanyingTitle;
    QPushButton *m_pAddAndNewBtn;
    QString m_strId;
    AppointmentInfoData m_info;
};

} // namespace visitorclient
