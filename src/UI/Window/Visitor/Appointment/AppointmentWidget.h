#pragma once
// The appointment list page: one server page of appointments at a time, a literal
// search within that page, the drawer form for adding and changing, deletion of the
// ticked rows and the spreadsheet import. The main window passes the operator's right
// to change data and forwards renamed visit reasons and access-point groups.
//
// Decisions of this page:
// - Loads are serialised: reloadData runs one at a time (GUI thread, workers and the
//   notification thread alike), each load stages its whole page and replaces what an
//   earlier load staged but the GUI thread has not shown yet, so the later load wins
//   and two pages never mix.
// - A change saved from the form is sent once; modifyAppointment only updates the row.
//   Renamed reasons and groups are sent for every row they change, with an empty
//   receptionist number (the server keeps the stored one).
// - The form's receptionist and organisation checks use their own required marks.
// - After an import the success notice appears only when the batch was stored.

#include <UI/Window/Application/Widget.h>
#include <UI/Window/BasicSetting/Data/BasicSettingData.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <clientcommonlogical/INotifyCenterManagerObserver.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QMap>
#include <QModelIndex>

#include <atomic>
#include <mutex>

class QPushButton;

namespace QorvaGUIToolkit {
class CMultiPageServerTableView;
class CMutilColumnFilterProxyModel;
class CSearchLineEdit;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class AddAppointmentInfoWidget;
class AppointmentModel;
class ImportWidget;

class AppointmentWidget : public Widget, public clientcommonlogical::INotifyCenterManagerObserver
{
    Q_OBJECT
public:
    /// Operation-log types of an add, a change and each deleted appointment.
    static constexpr int kAddLogType = 9000;
    static constexpr int kModifyLogType = 9001;
    static constexpr int kDeleteLogType = 9002;
    static constexpr int kInitDelayMs = 300;

    explicit AppointmentWidget(QWidget *parent = nullptr);
    ~AppointmentWidget() override;

    void activatePage() override;
    /// The operator's function permission; see setEditable.
    void setPageEnabled(bool enabled) override;
    /// Add, Import, the search and the edit icon follow the flag; the page stays
    /// readable and pageable.
    void setEditable(bool editable);
    bool isEditable() const { return m_bEditable; }
    bool hasPermission() const { return m_bEditable; }

    /// Loads the table's current page from the server. Any thread; loads run one at a time.
    void reloadData();
    /// Stores a batch of imported rows; true when the server took every row. Any thread.
    bool importData(const QVector<AppointmentInfoData> &vsData);

    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override;

    // For tests and the UI driver; null until the first show.
    AppointmentModel *model() const { return m_pModel; }
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *proxy() const { return m_pProxy; }
    QorvaGUIToolkit::CMultiPageServerTableView *table() const { return m_pTable; }
    QPushButton *addButton() const { return m_pAddBtn; }
    QPushButton *deleteButton() const { return m_pDeleteBtn; }
    QPushButton *importButton() const { return m_pImportBtn; }
    QorvaGUIToolkit::CSearchLineEdit *searchEdit() const { return m_pSearchEdit; }
    /// Null until first used.
    AddAppointmentInfoWidget *form() const { return m_pForm; }
    ImportWidget *importWidget() const { return m_pImport; }
    /// A load has staged rows that the GUI thread has not shown yet.
    bool hasPendingRows() const;
    /// Whether the first page has been asked for.
    bool isInitialised() const { return m_bInitialised; }

signals:
    void signalAddImportData();

public slots:
    void onInitConfig();
    void onAdd();
    void onDelete();
    void onImport();
    void onSave(AppointmentInfoData struData);
    void onAddAndNew(AppointmentInfoData);
    void onCancel();
    void onOperation(QModelIndex miIndex, QorvaGUIToolkit::CItemDataRole enumItemDataRole);
    void onLocalSearch(QString strValue);
    void onRowDataChanged();
    void onDoubleClick(QModelIndex);
    void onImportData(QVector<AppointmentInfoData> vsData);
    void onAddImportData();
    void onTableHeaderClicked(int iColumn);
    void onBasicSettingChanged(BasicSettingData struSetting);
    void onAccessPointDataChanged(QMap<QString, QString> mapData);

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// reloadData for a page the operator chose; 0 takes the table's value.
    void reloadPage(int requestedPage, int requestedPageSize);
    void buildControls();
    AddAppointmentInfoWidget *ensureForm();
    void applyEditable();
    int currentTotal() const;
    /// Sends changed rows to the server (renamed reasons or groups) behind the wait dialog.
    void sendChanges(const QVector<AppointmentInfoData> &changed);
    void writeLog(int type, const QString &name);

    QorvaGUIToolkit::CMultiPageServerTableView *m_pTable = nullptr;
    QPushButton *m_pAddBtn = nullptr;
    QPushButton *m_pDeleteBtn = nullptr;
    QPushButton *m_pImportBtn = nullptr;
    QorvaGUIToolkit::CSearchLineEdit *m_pSearchEdit = nullptr;
    AppointmentModel *m_pModel = nullptr;
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *m_pProxy = nullptr;
    AddAppointmentInfoWidget *m_pForm = nullptr;
    ImportWidget *m_pImport = nullptr;

    std::mutex m_loadMutex;            // one load at a time
    mutable std::mutex m_stagingMutex; // guards the two below
    QVector<AppointmentInfoData> m_staging;
    bool m_bStaged = false;

    bool m_bEditable = true;
    bool m_bInitialised = false;
    QMetaObject::Connection m_clickConnection;
};

} // namespace visitorclient
