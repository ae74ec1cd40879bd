#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The three value types the program stores, numbered as on Windows.
enum class RegType { Sz = 1, Binary = 3, Dword = 4 };

enum class Hive { CurrentUser, LocalMachine, ClassesRoot };

struct RegValue
{
    RegType type = RegType::Sz;
    quint32 dword = 0;
    QString text;
    QByteArray binary;

    static RegValue fromDword(quint32 v) { return {RegType::Dword, v, {}, {}}; }
    static RegValue fromText(const QString &t) { return {RegType::Sz, 0, t, {}}; }
    static RegValue fromBinary(const QByteArray &b) { return {RegType::Binary, 0, {}, b}; }

    friend bool operator==(const RegValue &a, const RegValue &b)
    {
        if (a.type != b.type)
            return false;
        switch (a.type) {
        case RegType::Dword: return a.dword == b.dword;
        case RegType::Sz: return a.text == b.text;
        case RegType::Binary: return a.binary == b.binary;
        }
        return false;
    }
};

struct NamedValue
{
    QString name;
    RegValue value;
    friend bool operator==(const NamedValue &a, const NamedValue &b)
    {
        return a.name == b.name && a.value == b.value;
    }
};
