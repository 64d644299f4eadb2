#pragma once
// Statements on the "Template" table of the component's database. Names travel as bound
// parameters, so any text (quotes included) is stored as given. Failures are logged;
// ok() tells whether the last operation succeeded.

#include <string>

namespace visitorclient {

struct TemplateStruct
{
    /// UTF-8.
    std::string Name;
};

class TemplateSession
{
public:
    void insert(const TemplateStruct &data);
    /// Adds the row only when the table has none yet.
    void seed(const TemplateStruct &data);
    /// The newest row's name; data is left as it was when the table is empty.
    void query(TemplateStruct &data);
    /// Renames every row.
    void update(TemplateStruct &data);
    void deleteData(TemplateStruct &data);
    void begin();
    void commit();

    bool ok() const { return m_bOk; }

private:
    bool m_bOk = true;
};

} // namespace visitorclient
