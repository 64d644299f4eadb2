#pragma once
// The shell of a component window: a 200 px navigation column at the left with groups
// (an icon and a text, normal and selected icon) and their entries, and a content area
// that shows the page of the selected entry. A group may also be a page of its own.
// GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QList>
#include <QPair>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QStackedWidget;
class QVBoxLayout;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CBaseCentralWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CBaseCentralWidget(QWidget *parent = nullptr);
    ~CBaseCentralWidget() override;

    /// Skin key ("BlackRedSkin", ...); exposed to style sheets as property "skinType".
    void setSkinType(const QString &skinType);
    QString skinType() const;

    /// Adds a group with entries; entry texts are already translated, icons are
    /// resource paths. The pages become children of the content area.
    void add(const QString &normalIcon, const QString &selectedIcon, const QString &groupText,
             const QList<QPair<QString, QWidget *>> &entries);
    /// Adds a group that is itself a page (no entries).
    void add(const QString &normalIcon, const QString &selectedIcon, const QString &groupText,
             QWidget *page);

    /// Selects entry `entry` of group `group` (entry is ignored for a single-page group),
    /// shows its page and emits signalActionClicked. Out-of-range numbers are logged
    /// and change nothing.
    void setTriggered(int group, int entry);

    QWidget *currentPage() const;
    int groupCount() const;
    /// Number of entries of a group (0 for a single-page group or a bad number).
    int entryCount(int group) const;
    /// Selected (group, entry); (-1, -1) before anything was selected.
    QPair<int, int> currentPosition() const;
    /// Folds or unfolds the entries of a group.
    void setGroupExpanded(int group, bool expanded);
    bool isGroupExpanded(int group) const;

signals:
    /// The translated text of the selected entry (or single-page group).
    void signalActionClicked(const QString &text);

private:
    struct Entry
    {
        QString text;
        QWidget *page = nullptr;
        QAbstractButton *button = nullptr;
    };
    struct Group
    {
        QString normalIcon;
        QString selectedIcon;
        QString text;
        QAbstractButton *header = nullptr;
        QWidget *entryBox = nullptr; // holds the entry buttons; null for a page group
        QWidget *page = nullptr;     // single-page group
        QList<Entry> entries;
        bool expanded = true;
    };

    QAbstractButton *makeHeader(const QString &icon, const QString &text, bool selectable);
    void select(int group, int entry, bool emitSignal);
    void refreshGroupIcons();

    QString m_skinType;
    QList<Group> m_groups;
    QWidget *m_pNavigation;
    QVBoxLayout *m_pNavLayout;
    QStackedWidget *m_pContent;
    QButtonGroup *m_pSelection;
    int m_currentGroup = -1;
    int m_currentEntry = -1;
};

} // namespace QorvaGUIToolkit
