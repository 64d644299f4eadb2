#pragma once
// Temporary directories for tests. Paths stay short: LPC sockets live in them and a
// socket path must fit the 108 bytes of sun_path.

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace testsupport {

/// A new directory under /tmp, removed with the returned object. Aborts the test
/// program when none can be made (nothing meaningful could run without it).
std::unique_ptr<QTemporaryDir> makeTempDir(const QString &prefix = QStringLiteral("qv"));

/// Path of name inside dir, as a UTF-8 byte string for the non-Qt APIs.
std::string pathIn(const QTemporaryDir &dir, const QString &name);

} // namespace testsupport
