#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlite {

// A prepared statement that finalizes itself. Binding indices start at 1,
// column indices at 0, as in the C API.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    Statement &bind(int index, qint64 value);
    Statement &bind(int index, const QString &text);
    Statement &bind(int index, const QByteArray &blob);

    // Returns the SQLite result code: SQLITE_ROW, SQLITE_DONE or an error.
    int step();
    // Steps once and reports whether the statement completed without error.
    bool exec();
    void reset();

    qint64 columnInt(int column) const;
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;

private:
    sqlite3_stmt *m_stmt = nullptr;
};

// Runs one or more statements without results; returns the SQLite result code.
int execute(sqlite3 *db, const char *sql);

} // namespace sqlite
