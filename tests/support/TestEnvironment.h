#pragma once

#include <QString>
#include <QTemporaryDir>

// A private HOME and XDG tree for one test process, so no test touches the
// user's files. Made before the application object, removed at exit.
class TestEnvironment
{
public:
    TestEnvironment();
    QString root() const { return m_root.path(); }
    QString runtimeDir() const;

private:
    QTemporaryDir m_root;
};

// A fresh profile directory inside the test environment.
QString freshProfileDir();
