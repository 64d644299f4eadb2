#include <clientcommonlogical/OrganizationManagerDelegate.h>

#include "DataDelegateCore.h"

#include <CommunicationLayer/COrganizationComm.h>

#include <JSONStruct/framework_services/OrganizationNotifyData.h>
#include <JSONStruct/framework_services/OrganizationTreeData.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/PersonnelNotifyData.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <unordered_map>

namespace clientcommonlogical {
namespace {

using qorva7310::DataKind;

constexpr int kPersonPageSize = 500; // the largest page the server hands out

bool is(const char *type, const char *name)
{
    return std::strcmp(type, name) == 0;
}

struct Data
{
    std::vector<OrganizationInfo> orgs; // each after its parent, siblings by sequence
    std::unordered_map<std::string, PersonInfo> persons;
    std::vector<std::string> personOrder; // by name

    OrganizationInfo *org(const std::string &id)
    {
        auto it = std::find_if(orgs.begin(), orgs.end(),
                               [&](const OrganizationInfo &o) { return o.id == id; });
        return it == orgs.end() ? nullptr : &*it;
    }

    void addPerson(PersonInfo person)
    {
        const auto at = std::upper_bound(personOrder.begin(), personOrder.end(), person.name,
                                         [this](const std::string &name, const std::string &id) {
                                             return name < persons[id].name;
                                         });
        personOrder.insert(at, person.id);
        persons[person.id] = std::move(person);
    }

    void removePerson(const std::string &id)
    {
        persons.erase(id);
        personOrder.erase(std::remove(personOrder.begin(), personOrder.end(), id),
                          personOrder.end());
    }
};

// Parents before children, siblings by sequence, whatever order the server sent.
std::vector<OrganizationInfo> treeOrder(std::vector<OrganizationInfo> orgs)
{
    std::stable_sort(orgs.begin(), orgs.end(),
                     [](const OrganizationInfo &a, const OrganizationInfo &b) {
                         return a.sequence < b.sequence;
                     });
    std::set<std::string> known;
    for (const OrganizationInfo &o : orgs)
        known.insert(o.id);
    std::vector<OrganizationInfo> out;
    std::set<std::string> placed;
    out.reserve(orgs.size());
    // Each pass places the organisations whose parent is placed (or absent); a cycle or a
    // dangling parent ends as roots.
    while (!orgs.empty()) {
        std::vector<OrganizationInfo> rest;
        for (OrganizationInfo &o : orgs) {
            if (o.parentId.empty() || placed.count(o.parentId) != 0 ||
                known.count(o.parentId) == 0) {
                placed.insert(o.id);
                out.push_back(std::move(o));
            } else {
                rest.push_back(std::move(o));
            }
        }
        if (rest.size() == orgs.size()) {
            for (OrganizationInfo &o : rest) {
                LOG_WARN("Organisation [%s] has a parent cycle; shown as a root.", o.id.c_str());
                o.parentId.clear();
            }
        }
        orgs = std::move(rest);
    }
    return out;
}

} // namespace

class OrganizationManagerDelegate::Impl final : public detail::CDataDelegateCore
{
public:
    explicit Impl(bool withPersons) : CDataDelegateCore("organisations"), m_withPersons(withPersons)
    {
        start();
    }
    ~Impl() override { stop(); }

    const bool m_withPersons;
    Data m_data; // guarded by m_mutex

protected:
    bool fetch() override
    {
        protocol::OrganizationTreeData tree;
        if (!commlayer::COrganizationComm::getOrganizationTree(tree)) {
            logFailure("organisation tree");
            return false;
        }
        std::vector<OrganizationInfo> orgs;
        orgs.reserve(tree.organizationList.size());
        for (const protocol::OrganizationNode &o : tree.organizationList)
            orgs.push_back(OrganizationInfo{o.guid, o.parentGuid, o.name, o.sequence});
        m_fresh = Data();
        m_fresh.orgs = treeOrder(std::move(orgs));
        if (!m_withPersons)
            return true;
        protocol::QueryOrgPersons query;
        query.pageSize = kPersonPageSize;
        for (query.pageNo = 1;; ++query.pageNo) {
            protocol::PersonListData page;
            if (!commlayer::COrganizationComm::getPersons(page, query)) {
                logFailure("persons");
                return false;
            }
            for (const protocol::PersonNode &p : page.personList) {
                m_fresh.personOrder.push_back(p.guid); // the server sends them by name
                m_fresh.persons[p.guid] =
                    PersonInfo{p.guid, p.orgGuid, p.name, p.gender, p.phone, p.sn};
            }
            const long long seen = static_cast<long long>(query.pageNo) * kPersonPageSize;
            if (page.personList.empty() || seen >= page.total)
                break;
        }
        return true;
    }

    void install() override { m_data = std::move(m_fresh); }

    bool handles(const char *type) const override
    {
        if (is(type, "organizationAdded") || is(type, "organizationModified") ||
            is(type, "organizationRemoved"))
            return true;
        return m_withPersons && (is(type, "personnelAdded") || is(type, "personnelRemoved") ||
                                 is(type, "personnelNameModified") || is(type, "parentModified") ||
                                 is(type, "personnelDataChanged"));
    }

    void apply(const protocol::IWebsocketData &data, detail::ChangeList &changes) override
    {
        const char *type = data.name();
        if (const auto *org = dynamic_cast<const protocol::OrganizationNotifyData *>(&data))
            applyOrganization(type, *org, changes);
        else if (const auto *person = dynamic_cast<const protocol::PersonnelNotifyData *>(&data))
            applyPerson(type, *person, changes);
        else
            LOG_WARN("Notification [%s] with an unexpected body ignored.", type);
    }

private:
    void logFailure(const char *what)
    {
        const Base::Error::ErrorCode error = Base::Error::GetLastError();
        LOG_ERROR("Failed to request the %s. [error-%u-%u].", what, error.module, error.code);
    }

    void applyOrganization(const char *type, const protocol::OrganizationNotifyData &n,
                           detail::ChangeList &changes)
    {
        OrganizationInfo *known = m_data.org(n.guid);
        if (is(type, "organizationRemoved")) {
            if (known != nullptr)
                removeOrganization(n.guid, changes);
            return;
        }
        if (is(type, "organizationAdded")) {
            if (known != nullptr || n.guid.empty())
                return;
            m_data.orgs.push_back(OrganizationInfo{n.guid, n.parentGuid, n.name_, n.sequence});
        } else { // organizationModified: only what the server names changed
            if (known == nullptr)
                return;
            if (n.hasKey("name"))
                known->name = n.name_;
            if (n.hasKey("parentGuid") && n.parentGuid != n.guid)
                known->parentId = n.parentGuid;
            if (n.hasKey("sequence"))
                known->sequence = n.sequence;
        }
        m_data.orgs = treeOrder(std::move(m_data.orgs));
        changes.emplace_back(DataKind::Organization, n.guid);
    }

    void removeOrganization(const std::string &id, detail::ChangeList &changes)
    {
        // The sub-organisations and persons go with it.
        std::set<std::string> gone{id};
        for (const OrganizationInfo &o : m_data.orgs) { // parents come first
            if (gone.count(o.parentId) != 0)
                gone.insert(o.id);
        }
        for (auto it = m_data.persons.begin(); it != m_data.persons.end();) {
            if (gone.count(it->second.orgId) == 0) {
                ++it;
                continue;
            }
            changes.emplace_back(DataKind::Person, it->first);
            const std::string personId = it->first;
            ++it;
            m_data.removePerson(personId);
        }
        m_data.orgs.erase(
            std::remove_if(m_data.orgs.begin(), m_data.orgs.end(),
                           [&](const OrganizationInfo &o) { return gone.count(o.id) != 0; }),
            m_data.orgs.end());
        for (const std::string &org : gone)
            changes.emplace_back(DataKind::Organization, org);
    }

    void applyPerson(const char *type, const protocol::PersonnelNotifyData &n,
                     detail::ChangeList &changes)
    {
        const auto known = m_data.persons.find(n.guid);
        if (is(type, "personnelRemoved")) {
            if (known == m_data.persons.end())
                return;
            m_data.removePerson(n.guid);
        } else if (is(type, "personnelAdded")) {
            if (known != m_data.persons.end() || n.guid.empty())
                return;
            if (m_data.org(n.orgGuid) == nullptr) {
                LOG_WARN("Person [%s] added to the unknown organisation [%s].", n.guid.c_str(),
                         n.orgGuid.c_str());
                return;
            }
            m_data.addPerson(PersonInfo{n.guid, n.orgGuid, n.name_, n.gender, n.phone, n.sn});
        } else { // a change of some fields: only what the server names changed
            if (known == m_data.persons.end())
                return;
            PersonInfo person = known->second;
            if (n.hasKey("orgGuid") && m_data.org(n.orgGuid) != nullptr)
                person.orgId = n.orgGuid;
            if (n.hasKey("name"))
                person.name = n.name_;
            if (n.hasKey("gender"))
                person.gender = n.gender;
            if (n.hasKey("phone"))
                person.phone = n.phone;
            if (n.hasKey("sn"))
                person.sn = n.sn;
            m_data.removePerson(n.guid); // a new name takes a new place
            m_data.addPerson(std::move(person));
        }
        changes.emplace_back(DataKind::Person, n.guid);
    }

    Data m_fresh; // loader thread only
};

OrganizationManagerDelegate::OrganizationManagerDelegate(int iLoadType)
    : m_impl(std::make_unique<Impl>(iLoadType == OrganizationsAndPersons))
{}

OrganizationManagerDelegate::~OrganizationManagerDelegate() = default;

bool OrganizationManagerDelegate::loadsPersons() const
{
    return m_impl->m_withPersons;
}

std::vector<OrganizationInfo> OrganizationManagerDelegate::getOrganizations() const
{
    return m_impl->locked([&] { return m_impl->m_data.orgs; });
}

std::vector<PersonInfo> OrganizationManagerDelegate::getPersons() const
{
    return m_impl->locked([&] {
        std::vector<PersonInfo> out;
        out.reserve(m_impl->m_data.personOrder.size());
        for (const std::string &id : m_impl->m_data.personOrder)
            out.push_back(m_impl->m_data.persons.at(id));
        return out;
    });
}

bool OrganizationManagerDelegate::getOrganization(const std::string &orgId,
                                                  OrganizationInfo &org) const
{
    return m_impl->locked([&] {
        const OrganizationInfo *found = m_impl->m_data.org(orgId);
        if (found != nullptr)
            org = *found;
        return found != nullptr;
    });
}

bool OrganizationManagerDelegate::getPerson(const std::string &personId, PersonInfo &person) const
{
    return m_impl->locked([&] {
        const auto it = m_impl->m_data.persons.find(personId);
        if (it != m_impl->m_data.persons.end())
            person = it->second;
        return it != m_impl->m_data.persons.end();
    });
}

detail::CDataDelegateCore &OrganizationManagerDelegate::core() const
{
    return *m_impl;
}

} // namespace clientcommonlogical
