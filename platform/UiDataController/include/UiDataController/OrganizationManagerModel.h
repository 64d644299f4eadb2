#pragma once
// The framework's organisation tree with its persons, over an organisation delegate.
// Organisation nodes: NodeTypeRole 1, OrganizationIdRole, OrganizationNameRole and the
// name as display text; their sub-organisations (by sequence) come before their persons
// (by name). Person nodes: NodeTypeRole 2, PersonGuidRole, OrganizationIdRole, the name
// as display text and a person icon. A renamed node keeps its place; a node that changes
// parent is taken out and put in again. GUI thread only.

#include <UiDataController/CDataItemModel.h>
#include <UiDataController/ModelRoles.h>

#include <clientcommonlogical/OrganizationManagerDelegate.h>

#include <QIcon>

namespace UiDataController {

class UIDATACONTROLLER_EXPORT OrganizationManagerModel : public CDataItemModel
{
    Q_OBJECT
public:
    explicit OrganizationManagerModel(
        std::shared_ptr<clientcommonlogical::OrganizationManagerDelegate> delegate,
        QObject *parent = nullptr);
    ~OrganizationManagerModel() override;

    /// The index of a person; invalid when the tree has no such person.
    QModelIndex findPersonIndexByGuid(const std::string &guid) const;
    QModelIndex findOrganizationIndexByGuid(const std::string &guid) const;

protected:
    void reload() override;
    void itemChanged(qorva7310::DataKind kind, const std::string &id) override;

private:
    void fill(const std::vector<clientcommonlogical::OrganizationInfo> &orgs,
              std::vector<clientcommonlogical::PersonInfo> persons);
    QStandardItem *syncOrganization(const clientcommonlogical::OrganizationInfo &org,
                                    int depth = 0);
    void syncPerson(const clientcommonlogical::PersonInfo &person);
    void removeOrganization(const std::string &orgId);
    void removePerson(const std::string &personId);
    void forget(QStandardItem *item);
    QStandardItem *newOrganizationItem(const clientcommonlogical::OrganizationInfo &org);
    QStandardItem *newPersonItem(clientcommonlogical::PersonInfo person);
    QStandardItem *parentFor(const clientcommonlogical::OrganizationInfo &org, int depth);
    int organizationRowFor(QStandardItem *parent, int sequence, const QStandardItem *self) const;
    int personRowFor(QStandardItem *org, const QString &name, const QStandardItem *self) const;

    std::shared_ptr<clientcommonlogical::OrganizationManagerDelegate> m_delegate;
    class CPersonItem;
    ItemMap m_orgItems;
    ItemMap m_personItems;
    QIcon m_personIcon;
};

} // namespace UiDataController
