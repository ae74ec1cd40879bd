#pragma once
// Programs of the desktop stood in for by shell scripts put first on PATH
// for as long as the object lives.

#include <QDir>
#include <QFile>
#include <QString>

class OnlyOnPath
{
public:
    // PATH holds only folder while this lives.
    explicit OnlyOnPath(const QString &folder)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~OnlyOnPath() { qputenv("PATH", m_saved); }
    OnlyOnPath(const OnlyOnPath &) = delete;
    OnlyOnPath &operator=(const OnlyOnPath &) = delete;

private:
    QByteArray m_saved;
};

class FakeTool
{
public:
    // A program `name` in folder running the shell script, first on PATH.
    FakeTool(const QString &folder, const QString &name, const QString &script)
        : m_path(QDir(folder).filePath(name))
        , m_saved(qgetenv("PATH"))
    {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder) + ':' + m_saved);
    }
    ~FakeTool()
    {
        qputenv("PATH", m_saved);
        QFile::remove(m_path);
    }
    FakeTool(const FakeTool &) = delete;
    FakeTool &operator=(const FakeTool &) = delete;

private:
    QString m_path;
    QByteArray m_saved;
};
