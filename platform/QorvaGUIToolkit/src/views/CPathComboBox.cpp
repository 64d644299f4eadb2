#include <QorvaGUIToolkit/CPathComboBox.h>

#include <QAction>
#include <QLineEdit>
#include <QListView>

namespace QorvaGUIToolkit {

namespace {
constexpr int MaxRecentPaths = 10;
}

CPathComboBox::CPathComboBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("CPathComboBox"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setView(new QListView(this));
    QAction *browse =
        lineEdit()->addAction(QIcon(QStringLiteral(":/QorvaGUIToolkit/Views/images/Folder.svg")),
                              QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("PathBrowseAction"));
    browse->setToolTip(tr("Browse"));
    connect(browse, &QAction::triggered, this, &CPathComboBox::Browse);
    connect(this, &QComboBox::editTextChanged, this, &CPathComboBox::SignalPathChanged);
}

void CPathComboBox::SetFileMode(QFileDialog::FileMode mode)
{
    m_fileMode = mode;
}

void CPathComboBox::SetNameFilter(const QString &filter)
{
    m_nameFilter = filter;
}

void CPathComboBox::SetDialogCaption(const QString &caption)
{
    m_caption = caption;
}

QString CPathComboBox::GetPath() const
{
    return currentText().trimmed();
}

void CPathComboBox::SetPath(const QString &path)
{
    if (path.isEmpty()) {
        setEditText(QString());
        return;
    }
    int row = findText(path);
    if (row < 0) {
        insertItem(0, path);
        while (count() > MaxRecentPaths)
            removeItem(count() - 1);
        row = 0;
    }
    setCurrentIndex(row);
    setEditText(path);
}

void CPathComboBox::Browse()
{
    const QString start = GetPath();
    QString chosen;
    switch (m_fileMode) {
    case QFileDialog::Directory:
        chosen = QFileDialog::getExistingDirectory(this, m_caption, start);
        break;
    case QFileDialog::AnyFile:
        chosen = QFileDialog::getSaveFileName(this, m_caption, start, m_nameFilter);
        break;
    default:
        chosen = QFileDialog::getOpenFileName(this, m_caption, start, m_nameFilter);
        break;
    }
    if (!chosen.isEmpty())
        SetPath(chosen);
}

} // namespace QorvaGUIToolkit
