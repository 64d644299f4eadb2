#pragma once
// Filter proxy that matches a text in any column of a row.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QRegExp>
#include <QSortFilterProxyModel>

namespace QorvaGUIToolkit {

/// QSortFilterProxyModel with a custom filter: a row is accepted when the expression
/// matches the display text of any of its columns (or of any row below it in a tree),
/// and the ordinary filter of QSortFilterProxyModel accepts it too. An empty custom
/// filter accepts every row. Pages search literally with
/// QRegExp(text, Qt::CaseInsensitive, QRegExp::FixedString).
class QORVAGUITOOLKIT_EXPORT CMutilColumnFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CMutilColumnFilterProxyModel(QObject *parent = nullptr);

    /// Sets the custom filter and filters again.
    void SetCoustomFilter(const QRegExp &filter);
    QRegExp CoustomFilter() const { return m_filter; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool rowMatches(int sourceRow, const QModelIndex &sourceParent, int depth) const;

    QRegExp m_filter;
};

} // namespace QorvaGUIToolkit
