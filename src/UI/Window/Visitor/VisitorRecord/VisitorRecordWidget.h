#pragma once
// The visitor record page: server pages of records filtered by name, status, visit and
// leave time; the detail of the selected record; the export of the search result to a
// spreadsheet; and sending permissions again, for one record from the list or for the
// ticked rows of the list of failed downloads, with the outcome arriving by notification.
//
// Decisions of this page:
// - The first activation runs a search with the default filters (today's visits), so
//   the page opens with records instead of an empty table.
// - A permission download waits for its notifications at most the configured time
//   (VisitorRecordRules::configuredDownloadWaitMs); after it the wait ends, the rows
//   still pending keep their icon and a notice says how many did not answer.
// - Without the operator's right the icon of a row and Apply send nothing.

#include "VisitorRecordData.h"
#include "VisitorRecordRules.h"

#include <Base/HandOffList.h>
#include <UI/Window/Application/Widget.h>

#include <clientcommonlogical/INotifyCenterManagerObserver.h>

#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QItemSelection>
#include <QModelIndex>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace QorvaGUIToolkit {
class CMultiPageServerTableView;
class CMutilColumnFilterProxyModel;
class CRangeDateTimeEdit;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class RecordDetailWidget;
class VisitorRecordModel;

class VisitorRecordWidget : public Widget, public clientcommonlogical::INotifyCenterManagerObserver
{
    Q_OBJECT
public:
    explicit VisitorRecordWidget(QWidget *parent = nullptr);
    ~VisitorRecordWidget() override;

    /// The first call builds the page and runs the first search.
    void activatePage() override;
    /// The operator's right: Search, Reset, batch apply, Export and re-sending follow it.
    void setPageEnabled(bool enabled) override;
    /// The operator's function permission as last given by the main window.
    bool hasPermission() const { return m_bPermission; }

    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override;

    /// Longest wait for the notifications of a permission download (the configured one
    /// unless set).
    void setDownloadWaitMs(int ms) { m_downloadWaitMs = ms; }
    int downloadWaitMs() const { return m_downloadWaitMs; }

    // For tests and the UI driver; null until the first activation.
    bool isInitialised() const { return m_bInit; }
    bool isFailedMode() const;
    VisitorRecordModel *recordModel() const { return m_pRecordModel; }
    VisitorRecordModel *failedModel() const { return m_pFailedModel; }
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *proxy() const { return m_pProxy; }
    QorvaGUIToolkit::CMultiPageServerTableView *table() const { return m_pTable; }
    RecordDetailWidget *detail() const { return m_pDetail; }
    QLineEdit *nameEdit() const { return m_pNameEdit; }
    QComboBox *statusBox() const { return m_pStatusBox; }
    QorvaGUIToolkit::CRangeDateTimeEdit *visitTimeEdit() const { return m_pVisitTimeEdit; }
    QorvaGUIToolkit::CRangeDateTimeEdit *leaveTimeEdit() const { return m_pLeaveTimeEdit; }
    QPushButton *searchButton() const { return m_pSearchBtn; }
    QPushButton *resetButton() const { return m_pResetBtn; }
    QPushButton *batchApplyButton() const { return m_pBatchApplyBtn; }
    QPushButton *exportButton() const { return m_pExportBtn; }
    QPushButton *applyButton() const { return m_pApplyBtn; }
    QPushButton *cancelButton() const { return m_pCancelBtn; }
    QLabel *selectedCountLabel() const { return m_pSelectedLabel; }
    QWidget *collapsiblePanel() const { return m_pCollapsible; }
    /// The filters and page of the last search.
    protocol::QueryVisitorRecordCondition storedCondition() const { return m_condition; }
    /// Records whose permission download has not been reported yet.
    QStringList pendingDownloads() const { return m_pending.guids(); }

public slots:
    void onSearch();
    void onShrink();
    void onBatchApplyPermission();
    void onCancel();
    void onClickedItem();
    void onSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void onPageChanged(int iPageSize, int iPageNo);
    void onReset();
    void onBatchDownload();
    void onOperation(const QModelIndex &miIndex, QorvaGUIToolkit::CItemDataRole enumItemDataRole);
    void onExportVisitRecords();
    void onSearchBtnClicked();
    void onTableHeaderClicked(int iColumn);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initPage();
    void buildControls();
    void fillCombos();
    void retranslate();
    void fitColumnWidths();
    void applyPermission();
    void updateExportEnabled();
    VisitorRecordModel *shownModel() const;
    VisitorRecordRules::SearchForm readForm() const;
    /// Sends the pending list and waits behind the wait dialog for its notifications.
    void runPermissionDownload();
    /// Reported downloads on the GUI thread, in arrival order: both models, and the detail
    /// once the last pending record has answered.
    Q_INVOKABLE void applyDownloadNotices();
    void refreshDetail();

    QLineEdit *m_pNameEdit = nullptr;
    QComboBox *m_pStatusBox = nullptr;
    QLabel *m_pRegisterTypeLabel = nullptr;
    QComboBox *m_pRegisterTypeBox = nullptr;
    QLabel *m_pNameLabel = nullptr;
    QLabel *m_pStatusLabel = nullptr;
    QLabel *m_pVisitTimeLabel = nullptr;
    QLabel *m_pLeaveTimeLabel = nullptr;
    QorvaGUIToolkit::CRangeDateTimeEdit *m_pVisitTimeEdit = nullptr;
    QorvaGUIToolkit::CRangeDateTimeEdit *m_pLeaveTimeEdit = nullptr;
    QPushButton *m_pSearchBtn = nullptr;
    QPushButton *m_pResetBtn = nullptr;
    QPushButton *m_pBatchApplyBtn = nullptr;
    QPushButton *m_pExportBtn = nullptr;
    QPushButton *m_pApplyBtn = nullptr;
    QPushButton *m_pCancelBtn = nullptr;
    QToolButton *m_pShrinkBtn = nullptr;
    QWidget *m_pCollapsible = nullptr;
    QWidget *m_pFailedPanel = nullptr;
    QLabel *m_pFailedTip = nullptr;
    QLabel *m_pSelectedLabel = nullptr;
    QLabel *m_pDetailTitle = nullptr;
    QorvaGUIToolkit::CMultiPageServerTableView *m_pTable = nullptr;
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *m_pProxy = nullptr;
    VisitorRecordModel *m_pRecordModel = nullptr;
    VisitorRecordModel *m_pFailedModel = nullptr;
    RecordDetailWidget *m_pDetail = nullptr;

    protocol::QueryVisitorRecordCondition m_condition;
    VisitorRecordRules::CPendingDownloads m_pending;
    struct DownloadNotice
    {
        QString guid;
        int result = 0;
        QString accessGroups;
        bool lastOne = false;
    };
    Base::CHandOffList<DownloadNotice> m_downloadNotices;
    bool m_bPermission = true;
    int m_downloadWaitMs = 0;
};

} // namespace visitorclient
