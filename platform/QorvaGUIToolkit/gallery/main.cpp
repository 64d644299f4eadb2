// A window that shows the toolkit's widgets in one skin, for visual checks:
//   toolkit-gallery --skin dark|neutral|bright|blue [--page N] [--dialogs] [--rtl]
// --page selects the navigation entry shown first; --dialogs also opens a message
// dialog, a wait dialog and notices (non-modal, so a screenshot catches them).

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/CChaseDialog.h>
#include <QorvaGUIToolkit/CCommandButton.h>
#include <QorvaGUIToolkit/CFile.h>
#include <QorvaGUIToolkit/CHyperlinkButton.h>
#include <QorvaGUIToolkit/CInformationDlg.h>
#include <QorvaGUIToolkit/CLabel.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CLocationViewWidget.h>
#include <QorvaGUIToolkit/CMiddleSwitchBox.h>
#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CScrollArea.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CToolPushButton.h>
#include <QorvaGUIToolkit/CWarningDlg.h>
#include <QorvaGUIToolkit/TipDialog.h>

#if __has_include(<QorvaGUIToolkit/CMultiPageServerTableView.h>)
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CStandardItem.h>
#include <QorvaGUIToolkit/CStandardItemModel.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/CTreeViewItem.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#define GALLERY_HAS_VIEWS 1
#endif
#if __has_include(<QorvaGUIToolkit/CRangeDateTimeEdit.h>)
#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CDateTimeEdit.h>
#include <QorvaGUIToolkit/CFancyLineEdit.h>
#include <QorvaGUIToolkit/CLocationComboBox.h>
#include <QorvaGUIToolkit/CMultilevelComboBox.h>
#include <QorvaGUIToolkit/CPathComboBox.h>
#include <QorvaGUIToolkit/CRangeDateTimeEdit.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CSearchLineEdit.h>
#include <QorvaGUIToolkit/CSpinBox.h>
#include <QorvaGUIToolkit/CStatusLineEdit.h>
#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CTextEdit.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>
#define GALLERY_HAS_INPUTS 1
#endif

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

using namespace QorvaGUIToolkit;

namespace {

QLabel *sectionTitle(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPixelSize(14);
    f.setBold(true);
    label->setFont(f);
    return label;
}

QWidget *page(QVBoxLayout **layout)
{
    auto *w = new QWidget;
    *layout = new QVBoxLayout(w);
    (*layout)->setContentsMargins(24, 24, 24, 24);
    (*layout)->setSpacing(16);
    return w;
}

QWidget *buttonsPage()
{
    QVBoxLayout *layout;
    QWidget *w = page(&layout);
    layout->addWidget(sectionTitle(QStringLiteral("按钮 Buttons"), w));
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(new CPushButton(QStringLiteral("保存 Save"), w));
    row->addWidget(new CSecondaryButton(QStringLiteral("取消 Cancel"), w));
    auto *del = new CSecondaryButton(QStringLiteral("删除 Delete"), w);
    del->setDestructive(true);
    row->addWidget(del);
    auto *disabled = new CPushButton(QStringLiteral("Disabled"), w);
    disabled->setEnabled(false);
    row->addWidget(disabled);
    row->addWidget(new CCommandButton(QStringLiteral(":/QorvaGUIToolkit/Images/Widgets/edit.svg"),
                                      QStringLiteral("编辑 Edit"), w));
    auto *cmdDel = new CCommandButton(QStringLiteral(":/QorvaGUIToolkit/Images/Widgets/delete.svg"),
                                      QStringLiteral("删除"), w);
    cmdDel->setDestructive(true);
    row->addWidget(cmdDel);
    row->addWidget(new CToolPushButton(
        QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Clear.svg"), QString(), w));
    row->addWidget(new CHyperlinkButton(QStringLiteral("下载模板 DownloadTheTemplate"), w));
    row->addStretch(1);
    layout->addLayout(row);

    layout->addWidget(sectionTitle(QStringLiteral("切换 Switch"), w));
    auto *switchRow = new QHBoxLayout;
    switchRow->addWidget(
        new CMiddleSwitchBox({QStringLiteral("预约 Appointments"), QStringLiteral("记录 Records"),
                              QStringLiteral("黑名单 Blacklist")},
                             w));
    switchRow->addStretch(1);
    layout->addLayout(switchRow);

    layout->addWidget(sectionTitle(QStringLiteral("标签 Labels"), w));
    auto *form = new QFormLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(8);
    auto *required = new CLabelWithLeftPoint(QStringLiteral("访客姓名 Name"), w);
    required->setLeftPointVisible(true);
    form->addRow(required, new QLabel(QStringLiteral("张三 (required: dot on the left)"), w));
    form->addRow(new CLabelWithLeftPoint(QStringLiteral("备注 Remark"), w),
                 new QLabel(QStringLiteral("optional"), w));
    auto *elided = new CLabel(
        QStringLiteral("A very long caption that is elided to the width of the label"), w);
    elided->setElideMode(Qt::ElideRight);
    elided->setFixedWidth(200);
    form->addRow(new CLabelWithLeftPoint(QStringLiteral("CLabel"), w), elided);
    layout->addLayout(form);

    layout->addWidget(sectionTitle(QStringLiteral("滚动区域 Scroll area"), w));
    auto *scroll = new CScrollArea(w);
    scroll->setFixedHeight(120);
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    for (int i = 1; i <= 12; ++i)
        contentLayout->addWidget(new QLabel(QStringLiteral("第 %1 行 Row %1").arg(i), content));
    scroll->setWidget(content);
    layout->addWidget(scroll);
    layout->addStretch(1);
    return w;
}

#ifdef GALLERY_HAS_INPUTS
QWidget *inputsPage()
{
    QVBoxLayout *layout;
    QWidget *w = page(&layout);
    layout->addWidget(sectionTitle(QStringLiteral("输入 Inputs"), w));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    int row = 0;
    auto add = [&](const QString &caption, QWidget *field, bool requiredField = false) {
        auto *label = new CLabelWithLeftPoint(caption, w);
        label->setLeftPointVisible(requiredField);
        grid->addWidget(label, row / 2, (row % 2) * 2);
        field->setMinimumWidth(260);
        grid->addWidget(field, row / 2, (row % 2) * 2 + 1);
        ++row;
    };
    auto *name = new CValidateLineEditEx(w);
    name->setValidator(new CRegExpValidator(32, name));
    name->setPlaceholderText(QStringLiteral("请输入姓名"));
    add(QStringLiteral("姓名 Name"), name, true);
    auto *error = new CStatusValidateLineEdit(w);
    error->setText(QStringLiteral("13800000000x"));
    error->setStatus(2);
    add(QStringLiteral("电话 Phone (error)"), error, true);
    auto *search = new CSearchLineEdit(w);
    search->setPlaceholderText(QStringLiteral("搜索 Search"));
    add(QStringLiteral("CSearchLineEdit"), search);
    auto *fancy = new CFancyLineEdit(w);
    fancy->setText(QStringLiteral("Fancy"));
    add(QStringLiteral("CFancyLineEdit"), fancy);
    auto *combo = new CComboBox(w);
    combo->addItems({QStringLiteral("商务 Business"), QStringLiteral("面试 Interview"),
                     QStringLiteral("参观 Visit")});
    add(QStringLiteral("来访事由 Reason"), combo, true);
    auto *tree = new QStandardItemModel(w);
    auto *root = new QStandardItem(QStringLiteral("总部 Headquarters"));
    root->appendRow(new QStandardItem(QStringLiteral("前台 Reception")));
    root->appendRow(new QStandardItem(QStringLiteral("研发部 R&D")));
    tree->appendRow(root);
    auto *multi = new CMultilevelComboBox(w);
    multi->SetModel(tree);
    multi->SetCurrentIndex(tree->index(1, 0, tree->index(0, 0)));
    add(QStringLiteral("被访人 Host"), multi);
    auto *location = new CLocationComboBox(w);
    location->SetModel(tree);
    location->SetCurrentIndex(tree->index(0, 0));
    add(QStringLiteral("CLocationComboBox"), location);
    auto *status = new CStatusLineEdit(w);
    status->setText(QStringLiteral("CStatusLineEdit"));
    add(QStringLiteral("CStatusLineEdit"), status);
    auto *path = new CPathComboBox(w);
    path->SetPath(QStringLiteral("/home/operator/预约导入.xlsx"));
    add(QStringLiteral("CPathComboBox"), path);
    add(QStringLiteral("CDateTimeEdit"),
        new CDateTimeEdit(QDateTime(QDate(2026, 12, 5), QTime(9, 30)), w));
    auto *range = new CRangeDateTimeEdit(w);
    range->SetDefaultDateTime(QDateTime(QDate(2026, 12, 5), QTime(0, 0)),
                              QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)));
    add(QStringLiteral("访问时间 Visit time"), range, true);
    auto *spin = new CSpinBox(w);
    spin->setRange(1, 365);
    spin->setValue(30);
    add(QStringLiteral("可预约天数 Days"), spin);
    auto *check = new QCheckBox(QStringLiteral("显示 Show"), w);
    check->setChecked(true);
    add(QStringLiteral("QCheckBox"), check);
    auto *disabled = new CValidateLineEditEx(w);
    disabled->setText(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    add(QStringLiteral("Disabled"), disabled);
    layout->addLayout(grid);
    auto *text = new CTextEdit(w);
    text->setPlainText(QStringLiteral("备注：访客需佩戴访客证。\nRemark: visitors wear a badge."));
    text->setFixedHeight(80);
    layout->addWidget(text);
    layout->addStretch(1);
    return w;
}
#endif

#ifdef GALLERY_HAS_VIEWS
QWidget *tablesPage()
{
    QVBoxLayout *layout;
    QWidget *w = page(&layout);
    auto *toolbar = new QHBoxLayout;
    toolbar->addWidget(new CPushButton(QStringLiteral("添加 Add"), w));
    toolbar->addWidget(new CSecondaryButton(QStringLiteral("导入 Import"), w));
    toolbar->addWidget(new CSecondaryButton(QStringLiteral("导出 Export"), w));
    toolbar->addStretch(1);
    layout->addLayout(toolbar);

    auto *model = new CStandardItemModel(0, 5, w);
    model->SetHorizontalHeaderTexts({QString(), QStringLiteral("访客姓名"),
                                     QStringLiteral("被访人"), QStringLiteral("来访时间"),
                                     QStringLiteral("操作")});
    model->SetHeaderCheckable(0, true);
    const QStringList names{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"),
                            QStringLiteral("Alice Martin"), QStringLiteral("赵六")};
    for (int i = 0; i < names.size(); ++i) {
        QList<QStandardItem *> items;
        auto *check = new CStandardItem;
        check->setCheckable(true);
        items << check << new CStandardItem(names.at(i))
              << new CStandardItem(QStringLiteral("前台 Reception"))
              << new CStandardItem(
                     QStringLiteral("2026-12-05 %1:00:00").arg(9 + i, 2, 10, QLatin1Char('0')));
        auto *op = new CStandardItem;
        op->setData(QStringLiteral(":/QorvaGUIToolkit/Images/Widgets/edit.svg"),
                    ItemClickableIconRole);
        op->setData(QStringLiteral("Edit"), ItemIconToolTipRole);
        items << op;
        model->appendRow(items);
    }
    auto *table = new CMultiPageServerTableView(w);
    table->SetModel(model);
    table->SetSupportPageItemType({20, 50, 100});
    table->SetFilterCondition(128, 2, 20);
    table->GetTableView()->selectRow(1);
    layout->addWidget(table, 3);

    auto *bottom = new QHBoxLayout;
    auto *doors = new CTreeViewModel(w);
    auto *area = new CTreeViewItem(QStringLiteral("一号楼 Building 1"));
    area->appendRow(new CTreeViewItem(QIcon(QStringLiteral(":/common/Images/common/door.svg")),
                                      QStringLiteral("大门 Main door")));
    area->appendRow(
        new CTreeViewItem(QIcon(QStringLiteral(":/common/Images/common/dooroffline.svg")),
                          QStringLiteral("侧门 Side door (offline)")));
    area->appendRow(new CTreeViewItem(QIcon(QStringLiteral(":/common/Images/common/man.svg")),
                                      QStringLiteral("人员 Person")));
    doors->appendRow(area);
    auto *location = new CLocationViewWidget(w);
    location->setHeaderHidden(true);
    location->setSearchVisible(true);
    location->setSearchPlaceholder(QStringLiteral("搜索 Search"));
    location->setModel(doors);
    location->expandAll();
    bottom->addWidget(location, 1);
    layout->addLayout(bottom, 2);
    return w;
}
#endif

QWidget *dialogsPage(QWidget *window)
{
    QVBoxLayout *layout;
    QWidget *w = page(&layout);
    layout->addWidget(sectionTitle(QStringLiteral("对话框 Dialogs"), w));
    auto *row = new QHBoxLayout;
    auto *tip = new CSecondaryButton(QStringLiteral("TipDialog"), w);
    QObject::connect(tip, &QPushButton::clicked, w, [window] {
        TipDialog::showMessageInfo(4, QStringLiteral("确认"),
                                   QStringLiteral("确定要删除所选的预约吗？"), window);
    });
    auto *warn = new CSecondaryButton(QStringLiteral("CWarningDlg"), w);
    QObject::connect(warn, &QPushButton::clicked, w, [window] {
        CWarningDlg::ShowMessageInfo(QStringLiteral("错误"), QStringLiteral("名称已存在。"),
                                     window);
    });
    auto *chase = new CSecondaryButton(QStringLiteral("CChaseDialog"), w);
    QObject::connect(chase, &QPushButton::clicked, w, [window] {
        CChaseDialog dialog(window,
                            QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Loading.gif"),
                            QStringLiteral("正在查询… Loading"), true);
        QTimer::singleShot(2000, &dialog, &CChaseDialog::OnImmediatelyStopChase);
        dialog.exec();
    });
    auto *notice = new CSecondaryButton(QStringLiteral("Notice"), w);
    QObject::connect(notice, &QPushButton::clicked, w, [window] {
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("保存成功 Saved"),
                                                            window);
    });
    for (auto *b : {tip, warn, chase, notice})
        row->addWidget(b);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    return w;
}

void openDialogs(QWidget *window)
{
    auto *tip = new TipDialog(
        TipDialog::Question, QStringLiteral("确认 Confirm"),
        QStringLiteral("确定要删除所选的 3 条预约吗？\nDelete the 3 selected appointments?"), true,
        window);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->show();
    tip->move(window->geometry().center() - QPoint(tip->width() + 20, tip->height() / 2));
    auto *chase = new CChaseDialog(
        window, QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Loading.gif"),
        QStringLiteral("正在查询… Loading"), false);
    chase->setModal(false);
    chase->show();
    chase->move(window->geometry().center() + QPoint(40, -60));
    CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("保存成功 Saved"), window)
        ->setDisplayTime(600000);
    auto *error = new CInformationDlg(
        QStringLiteral("保存失败 SaveFailed: 服务器繁忙，请稍后重试。"), CInformationDlg::Error);
    error->setDisplayTime(600000);
    error->popUp(window);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption skinOption(QStringLiteral("skin"),
                                  QStringLiteral("dark, neutral, bright or blue"),
                                  QStringLiteral("dir"), QStringLiteral("dark"));
    QCommandLineOption pageOption(QStringLiteral("page"),
                                  QStringLiteral("navigation entry shown first (0-3)"),
                                  QStringLiteral("n"), QStringLiteral("0"));
    QCommandLineOption dialogsOption(QStringLiteral("dialogs"),
                                     QStringLiteral("open sample dialogs and notices"));
    QCommandLineOption rtlOption(QStringLiteral("rtl"),
                                 QStringLiteral("right-to-left layout and style sheets"));
    parser.addOptions({skinOption, pageOption, dialogsOption, rtlOption});
    parser.process(app);

    const QString skinDir = parser.value(skinOption);
    const QString skinKey = skinDir == QLatin1String("neutral")  ? QStringLiteral("NeutralSkin")
                            : skinDir == QLatin1String("bright") ? QStringLiteral("GreyRedSkin")
                            : skinDir == QLatin1String("blue")   ? QStringLiteral("BlueSkin")
                                                                 : QStringLiteral("BlackRedSkin");
    initSkinType(skinKey);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    app.setFont(font);
    const bool rtl = parser.isSet(rtlOption);
    initGuiLayoutDirection(!rtl);
    app.setStyleSheet(rtl ? CFile::mirrorStyleSheet(skinStyleSheet(skinDir))
                          : skinStyleSheet(skinDir));

    CBaseCentralWidget window;
    window.setWindowTitle(QStringLiteral("toolkit-gallery (%1)").arg(skinDir));
    window.setSkinType(skinKey);
    const QString nor =
        QStringLiteral(":/QorvaGUIToolkit/Images/Widgets/folder_%1.svg")
            .arg(skinDir == QLatin1String("neutral") || skinDir == QLatin1String("bright")
                     ? "light"
                     : "dark");
    QList<QPair<QString, QWidget *>> controls{
        {QStringLiteral("按钮与标签 Buttons"), buttonsPage()}};
#ifdef GALLERY_HAS_INPUTS
    controls << qMakePair(QStringLiteral("输入框 Inputs"), inputsPage());
#endif
    window.add(nor, nor, QStringLiteral("控件 Controls"), controls);
#ifdef GALLERY_HAS_VIEWS
    window.add(nor, nor, QStringLiteral("表格 Tables"), tablesPage());
#endif
    window.add(nor, nor, QStringLiteral("对话框 Dialogs"),
               {{QStringLiteral("对话框与通知"), dialogsPage(&window)}});

    const int pageNo = parser.value(pageOption).toInt();
    QList<QPair<int, int>> positions{{0, 0}};
#ifdef GALLERY_HAS_INPUTS
    positions << qMakePair(0, 1);
#endif
#ifdef GALLERY_HAS_VIEWS
    positions << qMakePair(1, 0);
#endif
    positions << qMakePair(window.groupCount() - 1, 0);
    const auto pos = positions.value(qBound(0, pageNo, positions.size() - 1));
    window.setTriggered(pos.first, pos.second);

    window.resize(1180, 720);
    window.move(20, 20);
    window.show();
    if (parser.isSet(dialogsOption))
        QTimer::singleShot(300, &window, [&window] { openDialogs(&window); });
    return app.exec();
}
