#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

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

// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}
