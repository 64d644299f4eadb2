#pragma once
// Table of one server page with a pager bar under it.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QList>
#include <QWidget>

#include <mutex>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace QorvaGUIToolkit {

class CTableView;

/// A CTableView over the rows of one server page and, right-aligned under it, the pager:
/// total count, page-size choice, first/previous/next/last, current page of all pages
/// and a page-number entry. The pager only shows and asks; the page owner loads rows
/// and reports the answer with SetFilterCondition. Pages are numbered from 1; page 0
/// means "none yet". SetFilterCondition, GetFilterCondition and getTotalPage may be
/// called from any thread (pages load on workers); everything else on the GUI thread.
class QORVAGUITOOLKIT_EXPORT CMultiPageServerTableView : public QWidget
{
    Q_OBJECT
public:
    /// Page sizes commonly offered; the value is the number of rows.
    enum PageItemType {
        PageItem30 = 30,
        PageItem50 = 50,
        PageItem100 = 100,
        PageItem200 = 200,
        PageItem500 = 500
    };

    explicit CMultiPageServerTableView(QWidget *parent = nullptr);

    /// Shows model in the table (null clears it).
    void SetModel(QAbstractItemModel *model);
    CTableView *GetTableView() const { return m_pTableView; }

    /// Page sizes offered to the operator, in the given order; sizes below 1 and
    /// duplicates are dropped; an empty result keeps the previous list.
    void SetSupportPageItemType(const QList<int> &pageSizes);
    QList<int> SupportPageItemType() const { return m_pageSizes; }

    /// Sorting of the table by header clicks; order is a Qt::SortOrder value for the
    /// current sort indicator.
    void SetSortingEnabled(bool enable, int order = Qt::AscendingOrder);

    /// Sets what the pager shows; emits nothing. Negative total or page count as 0;
    /// a page size below 1 keeps the current one, an unknown one is added to the choice.
    /// From another thread the pager's widgets update when the GUI thread next runs.
    void SetFilterCondition(int total, int page, int pageSize);
    /// The values last set or chosen by the operator.
    void GetFilterCondition(int &total, int &page, int &pageSize) const;
    /// Number of pages: total divided by page size, rounded up (0 when total is 0).
    int getTotalPage() const;

    void HideBottom();
    void ShowBottom();
    bool IsBottomVisible() const;

signals:
    /// The operator chose another page or page size (never 0); the owner loads
    /// page `page` of `pageSize` rows. Not emitted by SetFilterCondition.
    void SiganlFilterConditionChanged(int pageSize, int page);
    /// A header section of the table was clicked.
    void SignalTableHeaderClicked(int column);

protected:
    void changeEvent(QEvent *event) override;

private:
    void goToPage(int page);
    void onPageSizeActivated(int comboIndex);
    void onPageEntered();
    int effectivePage() const;
    void refreshPager();
    void fillPageSizeCombo();
    void retranslate();
    Q_INVOKABLE void applyCondition();
    int currentPageSize() const;

    CTableView *m_pTableView = nullptr;
    QWidget *m_pBottom = nullptr;
    QLabel *m_pTotalLabel = nullptr;
    QComboBox *m_pPageSizeCombo = nullptr;
    QToolButton *m_pFirstButton = nullptr;
    QToolButton *m_pPreviousButton = nullptr;
    QToolButton *m_pNextButton = nullptr;
    QToolButton *m_pLastButton = nullptr;
    QLabel *m_pPageLabel = nullptr;
    QLineEdit *m_pPageEdit = nullptr;
    QLabel *m_pGoLabel = nullptr;

    QList<int> m_pageSizes; // GUI thread only
    // Guards the three numbers below, which page loads set from worker threads. A standard
    // mutex so that ThreadSanitizer sees the ordering (Debian's Qt is not instrumented).
    mutable std::mutex m_mutex;
    int m_total = 0;
    int m_page = 0;
    int m_pageSize = 50;
};

} // namespace QorvaGUIToolkit
