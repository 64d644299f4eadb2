#pragma once
// Base of a page-bench test program: starts the bench once, gives every test a freshly
// seeded site and checks after each test that nothing was left open.
//
//   class TestMyPage : public pagebench::BenchTestCase {
//       Q_OBJECT
//       std::unique_ptr<MyPage> m_page;
//       void releaseTestObjects() override { m_page.reset(); }
//   private slots:
//       void deletesAfterConfirmation();
//   };
//
// The derived class declares no initTestCase/init/cleanup/cleanupTestCase of its own
// (QtTest would run those instead); it uses the hooks below.

#include "pagebench/PageBench.h"

#include <QObject>

namespace pagebench {

class BenchTestCase : public QObject
{
    Q_OBJECT
protected:
    /// The site every test starts on.
    virtual Site site() const { return Site::Demo; }
    /// Once, after the bench started.
    virtual void prepareTestCase() {}
    /// Before every test, after its site is ready.
    virtual void prepareTest() {}
    /// After every test, before the bench checks that nothing is left open: destroy the
    /// pages and windows the test class holds.
    virtual void releaseTestObjects() {}

    PageBench m_bench;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
};

} // namespace pagebench
