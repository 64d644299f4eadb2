#include "SettingModel.h"

#include <QCoreApplication>

namespace visitorclient {

namespace {

using Data = BasicSettingData;

struct Row
{
    const char *labelKey;
    Data::FieldMember field;
};

const Row kRowTable[SettingModel::kRows] = {
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "Gender"), &Data::vecGender},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "MobilePhoneNumber"), &Data::vecPhone},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "DocumentType"), &Data::vecIdentityType},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "IdNo1Y8JOA4K"), &Data::vecIdentityCode},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "LicensePlaBBlHEgez"), &Data::vecPlateCode},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "TheCompany"), &Data::vecCompany},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "ArticlesCarriedByEJpEumGr"),
     &Data::vecBelongings},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "Address"), &Data::vecAddress},
    {QT_TRANSLATE_NOOP("visitorclient::SettingModel", "Remark"), &Data::vecRemark},
};

QStandardItem *checkItem(bool checked)
{
    auto *item = new QStandardItem;
    item->setEditable(false);
    item->setCheckable(true);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

SettingModel::SettingModel(QObject *parent) : QStandardItemModel(0, 3, parent)
{
    setHorizontalHeaderLabels(
        {tr("Name"), tr("WhetherOrNotShownjKJGgYdD"), tr("IfRequiredTCxaHtSQ")});
    for (const Row &row : kRowTable) {
        auto *label = new QStandardItem(tr(row.labelKey));
        label->setEditable(false);
        appendRow({label, checkItem(true), checkItem(false)});
    }
    connect(this, &QStandardItemModel::itemChanged, this, &SettingModel::onItemChanged);
}

BasicSettingData::FieldMember SettingModel::rowField(int row)
{
    return row >= 0 && row < kRows ? kRowTable[row].field : nullptr;
}

void SettingModel::setSettingData(const BasicSettingData &data)
{
    if (data.vecName.size() != 3)
        return;
    for (int row = 0; row < kRows; ++row) {
        const QVector<int> &setting = data.*kRowTable[row].field;
        if (!BasicSettings::hasSetting(setting))
            continue;
        item(row, ShownColumn)
            ->setCheckState(BasicSettings::isShown(setting) ? Qt::Checked : Qt::Unchecked);
        item(row, RequiredColumn)
            ->setCheckState(BasicSettings::isRequired(setting) ? Qt::Checked : Qt::Unchecked);
        // The required box may not have changed (no signal), yet the shown box must follow.
        syncShown(row);
    }
}

void SettingModel::getSettingData(BasicSettingData &data) const
{
    for (Data::FieldMember field : BasicSettings::fixedFields())
        data.*field = BasicSettings::fieldSetting(true, true, true);
    for (int row = 0; row < kRows; ++row) {
        const QStandardItem *required = item(row, RequiredColumn);
        data.*kRowTable[row].field = BasicSettings::fieldSetting(
            item(row, ShownColumn)->checkState() == Qt::Checked,
            required->checkState() == Qt::Checked, !required->isEditable());
    }
}

void SettingModel::setPermission(bool permitted)
{
    for (int row = 0; row < kRows; ++row) {
        item(row, ShownColumn)->setCheckable(permitted);
        item(row, RequiredColumn)->setCheckable(permitted);
    }
}

void SettingModel::onItemChanged(QStandardItem *pItem)
{
    if (pItem != nullptr && pItem->column() == RequiredColumn)
        syncShown(pItem->row());
}

void SettingModel::syncShown(int row)
{
    QStandardItem *shown = item(row, ShownColumn);
    if (item(row, RequiredColumn)->checkState() == Qt::Checked) {
        shown->setCheckState(Qt::Checked);
        shown->setEnabled(false);
    } else {
        shown->setEnabled(true);
    }
}

} // namespace visitorclient
