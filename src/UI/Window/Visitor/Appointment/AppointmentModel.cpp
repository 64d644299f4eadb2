#include "AppointmentModel.h"

#include <UI/Window/Common/DisplayTexts.h>

#include <QorvaGUIToolkit/CStandardItem.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QPixmap>
#include <QSignalBlocker>

namespace visitorclient {

namespace {

using QorvaGUIToolkit::HeaderCheckBoxRole;
using QorvaGUIToolkit::HeaderColumnWidthRole;
using QorvaGUIToolkit::ItemClickableIconRole;
using QorvaGUIToolkit::ItemRecordRole;
using QorvaGUIToolkit::ItemRowIdRole;

// Sized to the longest usual content at the 12 px table font (a ten-digit code, an
// eleven-digit phone, "yyyy-MM-dd HH:mm:ss") plus the cell padding, so that the eleven
// columns (1,012 px) fit beside the navigation in a 1280 px window; the operation column
// takes what is left.
const int kWidths[AppointmentModel::ColumnCount] = {40, 96, 60, 96, 112, 88, 108, 92, 128, 128, 64};

QStandardItem *newCell(const QString &text = QString())
{
    return new QorvaGUIToolkit::CStandardItem(text);
}

} // namespace

const char *const AppointmentModel::kEditIcon = ":/VisitorManagement/Images/button/Edit.svg";

AppointmentModel::AppointmentModel(QObject *parent) : CStandardItemModel(0, ColumnCount, parent)
{
    const QStringList headers = {QString(),
                                 tr("TheName"),
                                 tr("Gender"),
                                 tr("MobilePhoneNumber"),
                                 tr("ReservationCodegaDDkHCJ"),
                                 tr("TheReceptionistfXJPXQpw"),
                                 tr("Organization"),
                                 tr("VisitingReasontnaiesDc"),
                                 tr("EstimatedTimeOfVisitTDpmssKL"),
                                 tr("EstimatedTimeOfDeparNPEjYRqn"),
                                 tr("Operation")};
    for (int column = 0; column < ColumnCount; ++column) {
        setHeaderData(column, Qt::Horizontal, headers.at(column), Qt::DisplayRole);
        setHeaderData(column, Qt::Horizontal, kAlignment, Qt::TextAlignmentRole);
        setHeaderData(column, Qt::Horizontal, kWidths[column], HeaderColumnWidthRole);
    }
    setHeaderData(CheckColumn, Qt::Horizontal, Qt::Unchecked, Qt::CheckStateRole);
    setHeaderData(CheckColumn, Qt::Horizontal, 1, HeaderCheckBoxRole);
    m_editIcon = QPixmap(QString::fromLatin1(kEditIcon));
}

QVariant AppointmentModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.isValid())
        return kAlignment;
    return CStandardItemModel::data(index, role);
}

int AppointmentModel::columnWidth(int column)
{
    return column >= 0 && column < ColumnCount ? kWidths[column] : 0;
}

QList<QStandardItem *> AppointmentModel::newRow(const AppointmentInfoData &info) const
{
    QList<QStandardItem *> items;
    items.reserve(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        items.append(newCell());
    items[CheckColumn]->setCheckable(true);
    items[CheckColumn]->setCheckState(Qt::Unchecked);
    items[OperationColumn]->setData(m_editIcon, ItemClickableIconRole);
    items[AuthCodeColumn]->setText(info.strAuthCode);
    // Filled before the row joins the model: no change signal per cell.
    fillRow(items, info, info.strVisitReason);
    return items;
}

void AppointmentModel::insertAppointment(const AppointmentInfoData &info)
{
    insertRow(0, newRow(info));
}

void AppointmentModel::setAppointments(const QVector<AppointmentInfoData> &records)
{
    // One reset instead of a removal and a signal per row: the proxy and the view re-read
    // the page once instead of mapping 500 insertions one by one. Rows already there are
    // refilled in place: a page change then neither frees nor allocates its 5,500 cells.
    beginResetModel();
    {
        const QSignalBlocker quiet(this);
        const int count = records.size();
        if (rowCount() > count)
            removeRows(count, rowCount() - count);
        const int kept = rowCount();
        for (int row = 0; row < kept; ++row)
            refillRow(row, records.at(count - 1 - row));
        for (int row = kept; row < count; ++row)
            appendRow(newRow(records.at(count - 1 - row)));
    }
    endResetModel();
}

void AppointmentModel::refillRow(int row, const AppointmentInfoData &info)
{
    QList<QStandardItem *> items;
    items.reserve(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        items.append(item(row, column));
    items[CheckColumn]->setCheckState(Qt::Unchecked);
    items[AuthCodeColumn]->setText(info.strAuthCode);
    fillRow(items, info, info.strVisitReason);
}

AppointmentInfoData AppointmentModel::appointmentAt(int row) const
{
    const QStandardItem *cell = item(row, CheckColumn);
    return cell ? cell->data(ItemRecordRole).value<AppointmentInfoData>() : AppointmentInfoData();
}

void AppointmentModel::removeAppointmentRow(int row)
{
    if (row >= 0 && row < rowCount())
        removeRow(row);
}

void AppointmentModel::clearAppointments()
{
    removeRows(0, rowCount());
}

bool AppointmentModel::modifyAppointment(const AppointmentInfoData &info)
{
    const int row = rowOf(info.strId);
    if (row < 0)
        return false;
    QList<QStandardItem *> items;
    for (int column = 0; column < ColumnCount; ++column)
        items.append(item(row, column));
    fillRow(items, info, CDisplayTexts::visitReason(info.strVisitReason));
    return true;
}

int AppointmentModel::rowOf(const QString &id) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, CheckColumn)->data(ItemRowIdRole).toString() == id)
            return row;
    }
    return -1;
}

bool AppointmentModel::isChecked(int row) const
{
    const QStandardItem *cell = item(row, CheckColumn);
    return cell && cell->checkState() == Qt::Checked;
}

void AppointmentModel::fillRow(const QList<QStandardItem *> &items, const AppointmentInfoData &info,
                               const QString &reasonText)
{
    QStandardItem *check = items[CheckColumn];
    check->setData(info.strId, ItemRowIdRole);
    check->setData(QVariant::fromValue(info), ItemRecordRole);
    items[NameColumn]->setText(info.strName);
    items[GenderColumn]->setText(CDisplayTexts::gender(info.iGender));
    items[PhoneColumn]->setText(info.strPhone);
    items[ReceptionistColumn]->setText(info.strReceptionistName);
    items[OrganizationColumn]->setText(info.strOrganization);
    items[ReasonColumn]->setText(reasonText);
    items[ReasonColumn]->setData(info.strVisitReasonId, ItemRecordRole);
    items[VisitTimeColumn]->setText(info.strVisitTime);
    items[LeaveTimeColumn]->setText(info.strLeaveTime);
}

} // namespace visitorclient
