#include <UiDataController/OrganizationManagerModel.h>

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
    const QStandardItem *item = m_personItems.value(fromStd(guid));
    return item != nullptr ? item->index() : QModelIndex();
}

QModelIndex OrganizationManagerModel::findOrganizationIndexByGuid(const std::string &guid) const
{
    const QStandardItem *item = m_orgItems.value(fromStd(guid));
    return item != nullptr ? item->index() : QModelIndex();
}

void OrganizationManagerModel::reload()
{
    const std::vector<OrganizationInfo> orgs = m_delegate->getOrganizations();
    const std::vector<PersonInfo> persons = m_delegate->getPersons();
    if (m_orgItems.isEmpty()) {
        fill(orgs, persons);
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
    removeUnlisted(m_personItems, personIds, [this](const QString &id) { removePerson(id); });
    removeUnlisted(m_orgItems, orgIds, [this](const QString &id) { removeOrganization(id); });
}

void OrganizationManagerModel::fill(const std::vector<OrganizationInfo> &orgs,
                                    const std::vector<PersonInfo> &persons)
{
    // The tree is built off the model (parents come first) and each root inserted with
    // its subtree: one insertion per root instead of one per node.
    QList<QStandardItem *> roots;
    for (const OrganizationInfo &org : orgs) {
        QStandardItem *item = newOrganizationItem(org);
        if (QStandardItem *parent = m_orgItems.value(fromStd(org.parentId));
            parent != nullptr && parent != item)
            parent->appendRow(item);
        else
            roots.push_back(item);
    }
    for (const PersonInfo &person : persons) {
        if (QStandardItem *org = m_orgItems.value(fromStd(person.orgId)))
            org->appendRow(newPersonItem(person));
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
            removeOrganization(fromStd(id));
    } else if (kind == qorva7310::DataKind::Person) {
        PersonInfo person;
        if (m_delegate->getPerson(id, person))
            syncPerson(person);
        else
            removePerson(fromStd(id));
    }
}

QStandardItem *OrganizationManagerModel::parentFor(const OrganizationInfo &org, int depth)
{
    if (org.parentId.empty() || depth > kMaxDepth)
        return invisibleRootItem();
    if (QStandardItem *parent = m_orgItems.value(fromStd(org.parentId)))
        return parent;
    OrganizationInfo parent;
    if (!m_delegate->getOrganization(org.parentId, parent))
        return invisibleRootItem();
    return syncOrganization(parent, depth + 1);
}

QStandardItem *OrganizationManagerModel::syncOrganization(const OrganizationInfo &org, int depth)
{
    QStandardItem *parent = parentFor(org, depth);
    QStandardItem *item = m_orgItems.value(fromStd(org.id));
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
    QStandardItem *org = m_orgItems.value(fromStd(person.orgId));
    if (org == nullptr)
        return;
    const QString name = fromStd(person.name);
    QStandardItem *item = m_personItems.value(fromStd(person.id));
    if (item == nullptr) {
        org->insertRow(personRowFor(org, name, nullptr), newPersonItem(person));
        return;
    }
    // A renamed person stays where it is (its node and the views' hold on it survive);
    // one that changed organisation is taken out and put in again.
    setIfChanged(item, name, Qt::DisplayRole);
    setIfChanged(item, fromStd(person.orgId), OrganizationIdRole);
    if (item->parent() != org)
        moveItem(item, org, personRowFor(org, name, item));
}

void OrganizationManagerModel::forget(QStandardItem *item)
{
    if (isPerson(item)) {
        m_personItems.remove(item->data(PersonGuidRole).toString());
        return;
    }
    m_orgItems.remove(item->data(OrganizationIdRole).toString());
    for (int row = 0; row < item->rowCount(); ++row)
        forget(item->child(row));
}

void OrganizationManagerModel::removeOrganization(const QString &orgId)
{
    QStandardItem *item = m_orgItems.value(orgId);
    if (item == nullptr)
        return;
    QStandardItem *parent = parentOrRoot(item);
    forget(item);
    parent->removeRow(item->row());
}

void OrganizationManagerModel::removePerson(const QString &personId)
{
    QStandardItem *item = m_personItems.take(personId);
    if (item != nullptr)
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
    m_orgItems.insert(fromStd(org.id), item);
    return item;
}

QStandardItem *OrganizationManagerModel::newPersonItem(const PersonInfo &person)
{
    auto *item = new QStandardItem(m_personIcon, fromStd(person.name));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(PersonNode, NodeTypeRole);
    item->setData(fromStd(person.id), PersonGuidRole);
    item->setData(fromStd(person.orgId), OrganizationIdRole);
    m_personItems.insert(fromStd(person.id), item);
    return item;
}

} // namespace UiDataController
