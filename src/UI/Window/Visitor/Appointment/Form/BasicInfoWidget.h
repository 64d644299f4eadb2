#pragma once
// Basic information of an appointment: name, gender, phone, visit and leave times, visit
// reason, receptionist and the receptionist's organisation.

#include "FormSection.h"

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QDateTime>
#include <QModelIndex>

#include <memory>

class QLineEdit;
class QRadioButton;
class QStandardItemModel;

namespace QorvaGUIToolkit {
class CComboBox;
class CDateTimeEdit;
} // namespace QorvaGUIToolkit

namespace UiDataController {
class OrganizationManagerModel;
}

namespace visitorclient {

class PersonComboBox;

class BasicInfoWidget : public FormSection
{
    Q_OBJECT
public:
    /// Visit reasons keep their GUID under this role of the reason model.
    static constexpr int kReasonGuidRole = 556;

    explicit BasicInfoWidget(QWidget *parent = nullptr);
    ~BasicInfoWidget() override;

    bool checkInput() override;
    void resetInput() override;
    /// The time checks measure against this moment (the current time when invalid).
    void setNow(const QDateTime &now) { m_now = now; }

    void setName(const QString &name);
    QString name() const;
    void setGender(int gender);
    int gender() const;
    void setPhone(const QString &phone);
    QString phone() const;
    void setTimes(const QDateTime &visit, const QDateTime &leave);
    QDateTime visitTime() const;
    QDateTime leaveTime() const;
    QString visitTimeText() const;
    QString leaveTimeText() const;
    /// Shows text in the reason box, then selects the reason with that GUID when one has it.
    void setReason(const QString &text, const QString &guid);
    void selectFirstReason();
    QString reasonText() const;
    QString reasonGuid() const;
    /// Chooses the person in the tree; an unknown person leaves name as the picker's text.
    void setReceptionist(const QString &personGuid, const QString &name);
    QString receptionistName() const;
    /// Empty when the picker holds no person of the tree.
    QString receptionistGuid() const;
    QString organization() const;
    void setOrganization(const QString &organization);
    int bookingDays() const { return m_iAppointmentDay; }

    /// Reasons, booking days and field settings of data.
    void applySettings(const BasicSettingData &data);

    PersonComboBox *receptionistBox() const { return m_pReceptionistBox; }
    UiDataController::OrganizationManagerModel *organizationModel() const { return m_pOrgModel; }
    QStandardItemModel *reasonModel() const { return m_pReasonModel; }
    QorvaGUIToolkit::CComboBox *reasonBox() const { return m_pReasonBox; }
    QorvaGUIToolkit::CDateTimeEdit *visitEdit() const { return m_pVisitEdit; }

public slots:
    void onReceptionistChanged(QModelIndex qmIndex);
    void onBasicSettingDataChanged() override;
    void onLeaveTimeChanged(QDateTime);
    void onVisitTimeChanged(QDateTime);

private:
    void applyFieldSettings(const BasicSettingData &data);
    void fillReasons(const QVector<VisitReasonData> &reasons);

    QLineEdit *m_pNameEdit;
    QRadioButton *m_pMaleBtn;
    QRadioButton *m_pFemaleBtn;
    QWidget *m_pGenderBox;
    QLineEdit *m_pPhoneEdit;
    QorvaGUIToolkit::CDateTimeEdit *m_pVisitEdit;
    QorvaGUIToolkit::CDateTimeEdit *m_pLeaveEdit;
    QorvaGUIToolkit::CComboBox *m_pReasonBox;
    QStandardItemModel *m_pReasonModel;
    PersonComboBox *m_pReceptionistBox;
    UiDataController::OrganizationManagerModel *m_pOrgModel;
    QLineEdit *m_pOrganizationEdit;
    QString m_strKeptReceptionistId; // a person the tree did not know (yet)

    enum Row {
        NameRow,
        GenderRow,
        PhoneRow,
        VisitRow,
        LeaveRow,
        ReasonRow,
        ReceptionistRow,
        OrganizationRow,
        RowCount
    };
    FormField m_fields[RowCount];
    int m_iAppointmentDay = 0;
    QDateTime m_now;
};

} // namespace visitorclient
