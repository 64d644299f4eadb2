#pragma once
// The read-only detail of the selected visitor record, in four sections, and the
// error-detail dialog listing the devices on which its permission download failed.

#include "VisitorRecordData.h"

#include <QHash>
#include <QPair>
#include <QPointer>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace visitorclient {

class ErrorInformationModel;

class RecordDetailWidget : public QWidget
{
    Q_OBJECT
public:
    /// Caption keys of the panel, section by section, in the order shown.
    static const QVector<QPair<const char *, QVector<const char *>>> &sections();
    /// Caption key -> shown value of every field of record ("-" for empty texts; gender,
    /// download result, companions and document type as they are).
    static QHash<QString, QString> fieldValues(const VisitorRecordData &record);

    explicit RecordDetailWidget(QWidget *parent = nullptr);

    /// Shows record; its guid becomes the record whose errors the button lists.
    void setRecord(const VisitorRecordData &record);
    QString recordGuid() const { return m_strGuid; }
    /// The value label of a caption key (null for an unknown key); for tests.
    QLabel *valueLabel(const QString &captionKey) const { return m_values.value(captionKey); }
    QPushButton *errorDetailButton() const { return m_pErrorBtn; }
    ErrorInformationModel *errorModel() const { return m_pErrorModel; }
    /// The open error-detail dialog, or null.
    QWidget *errorDialog() const { return m_pDialog; }

public slots:
    void OnShowErrorDetail();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildForm(QVBoxLayout *content);
    void retranslate();

    QString m_strGuid;
    VisitorRecordData m_record;
    QHash<QString, QLabel *> m_captions;
    QHash<QString, QLabel *> m_values;
    QVector<QLabel *> m_sectionTitles;
    QPushButton *m_pErrorBtn = nullptr;
    ErrorInformationModel *m_pErrorModel = nullptr;
    QPointer<QWidget> m_pDialog;
};

} // namespace visitorclient
