#pragma once
// The framework's organisation tree and (optionally) its persons, loaded from the server
// on a thread of its own and kept current from the server's organisation and personnel
// notifications.

#include <clientcommonlogical/DataSourceDelegate.h>
#include <clientcommonlogical/IDataSource.h>

#include <memory>
#include <string>
#include <vector>

namespace clientcommonlogical {

struct OrganizationInfo
{
    std::string id;
    std::string parentId; ///< empty for a root
    std::string name;
    int sequence = 0;
};

struct PersonInfo
{
    std::string id;
    std::string orgId;
    std::string name;
    int gender = 0;
    std::string phone;
    std::string sn;
};

class CLIENTCOMMONLOGICAL_EXPORT OrganizationManagerDelegate
    : public CDataSourceDelegate<qorva7310::IDataSource>
{
public:
    enum LoadType { OrganizationsOnly = 0, OrganizationsAndPersons = 1 };

    /// Starts loading at once (the constructor does not wait); until the load ends
    /// every query answers from empty data. iLoadType is a LoadType. Needs the backend
    /// library initialised.
    explicit OrganizationManagerDelegate(int iLoadType = OrganizationsAndPersons);
    /// Waits for a load in progress to end.
    ~OrganizationManagerDelegate() override;
    OrganizationManagerDelegate(const OrganizationManagerDelegate &) = delete;
    OrganizationManagerDelegate &operator=(const OrganizationManagerDelegate &) = delete;

    bool loadsPersons() const;
    /// Every organisation, each after its parent, siblings by sequence. Any thread.
    std::vector<OrganizationInfo> getOrganizations() const;
    /// Every person (none when persons are not loaded), by name. Any thread.
    std::vector<PersonInfo> getPersons() const;
    /// False when unknown. Any thread.
    bool getOrganization(const std::string &orgId, OrganizationInfo &org) const;
    bool getPerson(const std::string &personId, PersonInfo &person) const;

private:
    detail::CDataDelegateCore &core() const override;

    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace clientcommonlogical
