#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class RegistryStore;

// Reads and writes the Windows registry text format ("Windows Registry Editor
// Version 5.00"), so settings can be backed up, moved or edited by hand.
namespace RegFile {

// The whole store, every hive, as UTF-8 text.
QByteArray exportAll(const RegistryStore &store);

// A key or a value an import deleted.
struct Deleted
{
    QString key;   // the full path, hive first
    QString value; // the value's name, for a value ("" is the default value)
    bool isKey = false;
};

struct ImportResult
{
    bool ok = false;
    int line = 0;       // the line at fault when !ok (1-based; 0 when not tied to a line)
    QString error;      // what is wrong with it
    int keys = 0;       // keys named by the file
    int values = 0;     // values set or deleted
    QList<Deleted> deleted; // what was really there and is gone, keys with all they held
};

// Merges a file into the store. The file is parsed whole before anything is
// written, and written in one transaction: a bad line writes nothing.
ImportResult import(RegistryStore &store, const QByteArray &content);
// Reads a file as an import would, without a store: ok with the number of
// keys and values it names, or the fault. Nothing is deleted or written.
ImportResult check(const QByteArray &content);

} // namespace RegFile
