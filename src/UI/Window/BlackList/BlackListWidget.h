#pragma once
// The blacklist page: persons who are not to be admitted, kept in memory for the
// lifetime of the process. Add opens the form in the drawer, Delete removes the ticked
// rows after a confirmation; the list is paged and sortable. It has no navigation entry:
// the main window creates it hidden and a host shows it on request.

#include <UI/Window/Application/Widget.h>

class QPushButton;
class QSortFilterProxyModel;

namespace QorvaGUIToolkit {
class CMultiPageServerTableView;
}

namespace visitorclient {

class AddBlackWidget;
class BlackListModel;
class BlackListPageProxy;

class BlackListWidget : public Widget
{
    Q_OBJECT
public:
    static constexpr int kFormWidth = 560;

    explicit BlackListWidget(QWidget *parent = nullptr);

    /// First call: builds the buttons, the table and the model. Later calls keep the list.
    void activatePage() override;
    void setPageEnabled(bool enabled) override;
    /// The operator's function permission as last given by the main window.
    bool hasPermission() const { return m_bPermission; }

    /// Null until the first activation.
    BlackListModel *model() const { return m_pModel; }
    /// Null until the first add.
    AddBlackWidget *form() const { return m_pAddWidget; }
    QorvaGUIToolkit::CMultiPageServerTableView *table() const { return m_pTable; }

public slots:
    void onAdd();
    void onDelete();
    /// Importing is not offered yet: the button does nothing.
    void onImport();
    /// The form was confirmed: its entry joins the list and the drawer closes.
    void onConfirm();
    void onCancel();

private:
    void buildPage();
    /// Shows the wanted page of the list (pulled back into range) in the table and pager.
    void showPage(int page, int pageSize);
    void refreshPage();

    bool m_bPermission = true;
    QPushButton *m_pAddBtn = nullptr;
    QPushButton *m_pDeleteBtn = nullptr;
    QPushButton *m_pImportBtn = nullptr;
    QorvaGUIToolkit::CMultiPageServerTableView *m_pTable = nullptr;
    BlackListModel *m_pModel = nullptr;
    QSortFilterProxyModel *m_pSortProxy = nullptr;
    BlackListPageProxy *m_pPageProxy = nullptr;
    AddBlackWidget *m_pAddWidget = nullptr;
};

} // namespace visitorclient
