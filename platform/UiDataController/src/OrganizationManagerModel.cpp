#include <UiDataController/OrganizationManagerModel.h>

#include "DataItem.h"

#include <unordered_set>

namespace UiDataController {
namespace {

using clientcommonlogical::OrganizationInfo;
using clientcommonlogical::PersonInfo;

// Display order of an organisation among its siblings; only the model reads it.
constexpr int kSequenceRole = Qt::UserRole + 961;
// A parent chain longer than this is a cycle the delegate let through.
constexpr int kMaxDepth = 64;

bool isPerson(const QStandardItem *item)
{
    return item->data(NodeTypeRole).toInt() == PersonNode;
}

} // namespace

class OrganizationManagerModel::CPersonItem final : public CDataItem
{
public:
    CPersonItem(PersonInfo person, const QIcon &icon) : m_person(std::move(person)), m_icon(icon) {}

    int type() const override { return UserType + PersonGuidRole; }
    const PersonInfo &person() const { return m_person; }
    void setPerson(const PersonInfo &person)
    {
        const bool shown = person.name != m_person.name || person.orgId != m_person.orgId;
        m_person = person;
        if (shown)
            changed();
    }

protected:
    QVariant value(int role) const override
    {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(m_person.name);
        case Qt::DecorationRole:
            return m_icon;
        case NodeTypeRole:
            return int(PersonNode);
        case PersonGuidRole:
            return QString::fromStdString(m_person.id);
        case OrganizationIdRole:
            return QString::fromStdString(m_person.orgId);
        default:
            return QVariant();
        }
    }

private:
    PersonInfo m_person;
    const QIcon &m_icon;
};

OrganizationManagerModel::OrganizationManagerModel(
    std::shared_ptr<clientcommonlogical::OrganizationManagerDelegate> delegate, QObject *parent)
    : CDataItemModel(delegate, parent), m_delegate(std::move(delegate)),
      m_personIcon(QStringLiteral(":/common/Images/common/man.svg"))
{
    startSync();
}

OrganizationManagerModel::~OrganizationManagerModel() = default;

QModelIndex OrganizationManagerModel::findPersonIndexByGuid(const std::string &guid) const
{
    const QStandardItem *item = find(m_personItems, guid);
    return item != nullptr ? item->index() : QModelIndex();
}

QModelIndex OrganizationManagerModel::findOrganizationIndexByGuid(const std::string &guid) const
{
    const QStandardItem *item = find(m_orgItems, guid);
    return item != nullptr ? item->index() : QModelIndex();
}

void OrganizationManagerModel::reload()
{
    const std::vector<OrganizationInfo> orgs = m_delegate->getOrganizations();
    std::vector<PersonInfo> persons = m_delegate->getPersons();
    if (m_orgItems.empty()) {
        fill(orgs, std::move(persons));
        return;
    }
    // Item by item, so that the current choice and expansion survive a reload.
    std::unordered_set<std::string> orgIds;
    std::unordered_set<std::string> personIds;
    for (const OrganizationInfo &org : orgs) {
        orgIds.insert(org.id);
        syncOrganization(org);
    }
    for (const PersonInfo &person : persons) {
        personIds.insert(person.id);
        syncPerson(person);
    }
    removeUnlisted(m_personItems, personIds, [this](const std::string &id) { removePerson(id); });
    removeUnlisted(m_orgItems, orgIds, [this](const std::string &id) { removeOrganization(id); });
}

void OrganizationManagerModel::fill(const std::vector<OrganizationInfo> &orgs,
                                    std::vector<PersonInfo> persons)
{
    // The tree is built off the model (parents come first) and each root inserted with
    // its subtree: one insertion per root instead of one per node.
    QList<QStandardItem *> roots;
    for (const OrganizationInfo &org : orgs) {
        QStandardItem *item = newOrganizationItem(org);
        if (QStandardItem *parent = find(m_orgItems, org.parentId);
            parent != nullptr && parent != item)
            parent->appendRow(item);
        else
            roots.push_back(item);
    }
    m_personItems.reserve(persons.size());
    for (PersonInfo &person : persons) {
        if (QStandardItem *org = find(m_orgItems, person.orgId))
            org->appendRow(newPersonItem(std::move(person)));
    }
    // appendRow, not appendRows: only a single-row insertion hands the model down to
    // the grandchildren (Qt 5.15).
    for (QStandardItem *root : roots)
        appendRow(root);
}

void OrganizationManagerModel::itemChanged(qorva7310::DataKind kind, const std::string &id)
{
    if (kind == qorva7310::DataKind::Organization) {
        OrganizationInfo org;
        if (m_delegate->getOrganization(id, org))
            syncOrganization(org);
        else
            removeOrganization(id);
    } else if (kind == qorva7310::DataKind::Person) {
        PersonInfo person;
        if (m_delegate->getPerson(id, person))
            syncPerson(person);
        else
            removePerson(id);
    }
}

QStandardItem *OrganizationManagerModel::parentFor(const OrganizationInfo &org, int depth)
{
    if (org.parentId.empty() || depth > kMaxDepth)
        return invisibleRootItem();
    if (QStandardItem *parent = find(m_orgItems, org.parentId))
        return parent;
    OrganizationInfo parent;
    if (!m_delegate->getOrganization(org.parentId, parent))
        return invisibleRootItem();
    return syncOrganization(parent, depth + 1);
}

QStandardItem *OrganizationManagerModel::syncOrganization(const OrganizationInfo &org, int depth)
{
    QStandardItem *parent = parentFor(org, depth);
    QStandardItem *item = find(m_orgItems, org.id);
    if (item == nullptr) {
        item = newOrganizationItem(org);
        parent->insertRow(organizationRowFor(parent, org.sequence, nullptr), item);
        return item;
    }
    const QString name = fromStd(org.name);
    setIfChanged(item, name, Qt::DisplayRole);
    setIfChanged(item, name, OrganizationNameRole);
    if (parentOrRoot(item) != parent || item->data(kSequenceRole).toInt() != org.sequence) {
        item->setData(org.sequence, kSequenceRole);
        moveItem(item, parent, organizationRowFor(parent, org.sequence, item));
    }
    return item;
}

void OrganizationManagerModel::syncPerson(const PersonInfo &person)
{
    QStandardItem *org = find(m_orgItems, person.orgId);
    if (org == nullptr)
        return;
    auto *item = static_cast<CPersonItem *>(find(m_personItems, person.id));
    if (item == nullptr) {
        org->insertRow(personRowFor(org, fromStd(person.name), nullptr), newPersonItem(person));
        return;
    }
    // A renamed person stays where it is (its node and the views' hold on it survive);
    // one that changed organisation is taken out and put in again.
    item->setPerson(person);
    if (item->parent() != org)
        moveItem(item, org, personRowFor(org, fromStd(person.name), item));
}

void OrganizationManagerModel::forget(QStandardItem *item)
{
    if (isPerson(item)) {
        m_personItems.erase(static_cast<CPersonItem *>(item)->person().id);
        return;
    }
    m_orgItems.erase(item->data(OrganizationIdRole).toString().toStdString());
    for (int row = 0; row < item->rowCount(); ++row)
        forget(item->child(row));
}

void OrganizationManagerModel::removeOrganization(const std::string &orgId)
{
    QStandardItem *item = find(m_orgItems, orgId);
    if (item == nullptr)
        return;
    QStandardItem *parent = parentOrRoot(item);
    forget(item);
    parent->removeRow(item->row());
}

void OrganizationManagerModel::removePerson(const std::string &personId)
{
    QStandardItem *item = find(m_personItems, personId);
    if (item == nullptr)
        return;
    m_personItems.erase(personId);
    item->parent()->removeRow(item->row());
}

int OrganizationManagerModel::organizationRowFor(QStandardItem *parent, int sequence,
                                                 const QStandardItem *self) const
{
    // After the sub-organisations of lower or equal sequence, before the persons.
    int row = 0;
    for (; row < parent->rowCount(); ++row) {
        const QStandardItem *child = parent->child(row);
        if (child == self)
            continue;
        if (isPerson(child) || child->data(kSequenceRole).toInt() > sequence)
            break;
    }
    return row;
}

int OrganizationManagerModel::personRowFor(QStandardItem *org, const QString &name,
                                           const QStandardItem *self) const
{
    int row = 0;
    for (; row < org->rowCount(); ++row) {
        const QStandardItem *child = org->child(row);
        if (child != self && isPerson(child) && child->text() > name)
            break;
    }
    return row;
}

QStandardItem *OrganizationManagerModel::newOrganizationItem(const OrganizationInfo &org)
{
    const QString name = fromStd(org.name);
    auto *item = new QStandardItem(name);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(OrganizationNode, NodeTypeRole);
    item->setData(fromStd(org.id), OrganizationIdRole);
    item->setData(name, OrganizationNameRole);
    item->setData(org.sequence, kSequenceRole);
    m_orgItems[org.id] = item;
    return item;
}

QStandardItem *OrganizationManagerModel::newPersonItem(PersonInfo person)
{
    auto *item = new CPersonItem(std::move(person), m_personIcon);
    m_personItems[item->person().id] = item;
    return item;
}

} // namespace UiDataController
