#pragma once
// One entry of the local operation log.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <QDateTime>
#include <QString>

namespace clientcommonlogical {

struct CLIENTCOMMONLOGICAL_EXPORT LocalLogRecord
{
    enum Category
    {
        Detail = 1, ///< a successful change by the operator (types 9000..9008)
        Other = 2   ///< anything else worth keeping
    };

    QDateTime time;
    QString user;
    int category = Detail;
    int type = 0;
    QString text;
};

} // namespace clientcommonlogical
