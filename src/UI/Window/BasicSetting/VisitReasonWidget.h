#pragma once
// The visit reasons of the settings page: one ReasonItemWidget per reason, the first row
// always present (with the add button), at most 16 rows.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QVector>
#include <QWidget>

class QVBoxLayout;

namespace visitorclient {

class ReasonItemWidget;

class VisitReasonWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxRows = BasicSettings::kMaxVisitReasons;
    static constexpr int kSpacing = 8;

    explicit VisitReasonWidget(QWidget *parent = nullptr);

    /// One row per reason, in order (the first row always stays); a reason without an
    /// identifier gets a new one. No reasons leave the first row empty.
    void setReasons(const QVector<VisitReasonData> &reasons);
    /// The reasons in row order, names without surrounding blanks. False when one cannot
    /// be saved (empty, or named like an earlier one): a tip says so at its edit, which
    /// gets the focus.
    bool getReasons(QVector<VisitReasonData> &reasons);
    /// Whether the operator may change the reasons.
    void setPermission(bool permitted);

    int count() const { return m_rows.size(); }
    ReasonItemWidget *row(int index) const { return m_rows.value(index); }

signals:
    void signalAdd();

public slots:
    /// Adds a row named "<reason>N" with the smallest free N and a new identifier.
    void onAdd();
    void onDelete(ReasonItemWidget *row);

private:
    ReasonItemWidget *appendRow();
    void updateRows();

    QVBoxLayout *m_pLayout = nullptr;
    QVector<ReasonItemWidget *> m_rows;
    bool m_bPermission = true;
};

} // namespace visitorclient
