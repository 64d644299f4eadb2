#pragma once
// The rows of one server page of appointments: 11 columns, the row's id under role 356
// and its whole record under role 456 of column 0, the reason id under role 456 of
// column 7, the edit icon in the last column.

#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QorvaGUIToolkit/CStandardItemModel.h>

#include <QPixmap>

namespace visitorclient {

class AppointmentModel : public QorvaGUIToolkit::CStandardItemModel
{
    Q_OBJECT
public:
    enum Column {
        CheckColumn = 0,
        NameColumn,
        GenderColumn,
        PhoneColumn,
        AuthCodeColumn,
        ReceptionistColumn,
        OrganizationColumn,
        ReasonColumn,
        VisitTimeColumn,
        LeaveTimeColumn,
        OperationColumn,
        ColumnCount
    };
    /// Left and vertically centred, headers and cells alike.
    static constexpr int kAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    static const char *const kEditIcon;

    explicit AppointmentModel(QObject *parent = nullptr);

    static int columnWidth(int column);

    /// Every cell answers kAlignment for the alignment role: one answer here instead of
    /// one stored value per cell (5,500 on a page of 500).
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Puts the record on top as row 0.
    void insertAppointment(const AppointmentInfoData &info);
    /// The rows of a loaded page: as if each record were inserted in order, so the last
    /// one ends on top.
    void setAppointments(const QVector<AppointmentInfoData> &records);
    AppointmentInfoData appointmentAt(int row) const;
    /// A row past the end is ignored.
    void removeAppointmentRow(int row);
    void clearAppointments();
    /// Updates the row with the record's id (the reservation code stays); false when no
    /// row has it. The stored reason key is shown by its display name.
    bool modifyAppointment(const AppointmentInfoData &info);
    /// The first row holding the id, or -1.
    int rowOf(const QString &id) const;
    bool isChecked(int row) const;

private:
    QList<QStandardItem *> newRow(const AppointmentInfoData &info) const;
    /// Gives an existing row another record, as newRow would have built it.
    void refillRow(int row, const AppointmentInfoData &info);
    static void fillRow(const QList<QStandardItem *> &items, const AppointmentInfoData &info,
                        const QString &reasonText);

    QPixmap m_editIcon;
};

} // namespace visitorclient
