#pragma once
// Where a component keeps the files it writes at run time. Layout under the data root
// (every directory ends with '/'; paths are file-system bytes, UTF-8 on this platform):
//
//   <root>/                          rootPath()      ($QORVA_DATA_ROOT when set, else init's root)
//   <root>/<component>/              componentPath() the component's own data (databases, ...)
//   <root>/<component>/log4cxx.properties   logPropertiesPath() (a default one is written when missing:
//                                    console at WARN and up, rolling file in logs/)
//   <root>/<component>/logs/         logPath()       log files
//   <root>/<component>/dumps/        dumpPath()      crash dumps
//   <root>/import/                   getImportDBPath() databases to import
//   <root>/Framework.C/              frameworkPath() the framework's data (DESetup.xml)
//
// getOSUserPath(false) is the user's home directory ($HOME, else the password database);
// getOSUserPath(true) the user's documents directory (XDG_DOCUMENTS_DIR from the
// environment or ~/.config/user-dirs.dirs, else <home>/Documents/).

#include <comm_methodlib/comm_methodlibExport.h>

#include <Base/Singleton.h>

#include <memory>
#include <string>

namespace comm_methodlib {

class COMM_METHODLIB_EXPORT CUserDataPath : public Base::CSingleton<CUserDataPath>
{
public:
    /// Sets the root and component name and creates the missing directories (root,
    /// component, logs, dumps, import) and the default logger configuration. The root may
    /// be relative (taken against the working directory) and may hold "..": it is
    /// normalised. A root that is not valid UTF-8 is taken as local code page text and
    /// converted. The environment variable QORVA_DATA_ROOT, when set and not empty,
    /// replaces root. The last two arguments are kept for the framework's signature and
    /// ignored. Returns false (and logs an error) when the component name is empty or
    /// invalid, a directory cannot be created or the component directory is not writable;
    /// the paths are then left empty. Safe from any thread; a later call re-initialises.
    bool init(const std::string &root, const std::string &componentName, int reserved1 = -1, int reserved2 = -1);
    bool isInitialised() const;

    /// The getters return empty text before a successful init.
    std::string rootPath() const;
    std::string componentName() const;
    std::string componentPath() const;
    std::string logPropertiesPath() const;
    std::string logPath() const;
    std::string dumpPath() const;
    std::string getImportDBPath() const;
    std::string frameworkPath() const;
    /// frameworkPath() + "DESetup.xml".
    std::string deSetupPath() const;

    /// Home directory (false) or the documents directory (true), ending with '/'.
    /// Independent of init.
    std::string getOSUserPath(bool documents) const;

private:
    friend class Base::CSingleton<CUserDataPath>;
    CUserDataPath();
    ~CUserDataPath();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace comm_methodlib

// Instantiated in its own library only: one instance per process.
extern template class Base::CSingleton<comm_methodlib::CUserDataPath>;
