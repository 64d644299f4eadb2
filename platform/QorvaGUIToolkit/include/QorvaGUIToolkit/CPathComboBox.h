#pragma once
// Path field with a browse button that opens a file dialog.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QComboBox>
#include <QFileDialog>

namespace QorvaGUIToolkit {

/// Editable combo box holding a file or folder path; the folder button at its right end
/// opens a QFileDialog in the configured mode and puts the chosen path in the field
/// (recent choices stay in the list). SignalPathChanged reports every new path.
class QORVAGUITOOLKIT_EXPORT CPathComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CPathComboBox(QWidget *parent = nullptr);

    /// QFileDialog::ExistingFile (default), AnyFile, Directory...
    void SetFileMode(QFileDialog::FileMode mode);
    QFileDialog::FileMode FileMode() const { return m_fileMode; }
    /// Name filter of the dialog, for example "xlsx (*.xlsx)".
    void SetNameFilter(const QString &filter);
    QString NameFilter() const { return m_nameFilter; }
    void SetDialogCaption(const QString &caption);

    QString GetPath() const;
    void SetPath(const QString &path);

public slots:
    /// Opens the file dialog (modal); a cancelled dialog changes nothing.
    void Browse();

signals:
    void SignalPathChanged(const QString &path);

private:
    QFileDialog::FileMode m_fileMode = QFileDialog::ExistingFile;
    QString m_nameFilter;
    QString m_caption;
};

} // namespace QorvaGUIToolkit
