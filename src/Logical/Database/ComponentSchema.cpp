#include "ComponentSchema.h"

#include <Common/CommonMethod/InitDBLogical.h>

#include <DatabaseUpdate/DBCheckImplHelper.h>

namespace visitorclient {

void registerComponentSchema()
{
    // Append new migrations; never change one that has shipped.
    DatabaseUpdate::CDBCheckImplHelper::registerSchema(
        comm_method::kComponentDBName,
        {
            {1, "Template table",
             "CREATE TABLE IF NOT EXISTS Template (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT "
             "NOT NULL DEFAULT '');"},
            // Deleting by name looks rows up by name.
            {2, "Template name index",
             "CREATE INDEX IF NOT EXISTS TemplateName ON Template (Name);"},
        });
}

} // namespace visitorclient
