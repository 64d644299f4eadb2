#pragma once
// Command line of ClientFramework.

#include "HostConfig.h"

#include <QStringList>

namespace clientframework {

struct HostOptions
{
    HostConfig config;
    bool headless = false;
    QString script;
    /// Start the component at once (off with --no-component).
    bool startComponent = true;

    /// Parses arguments (argv as strings); false with error (or help text) in message.
    bool parse(const QStringList &arguments, QString *message);
    /// <generic data dir>/qorva-7310, the default data root.
    static QString defaultDataRoot();
};

} // namespace clientframework
