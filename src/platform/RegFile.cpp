#include "platform/RegFile.h"

#include "platform/RegistryStore.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>

#include <optional>
#include <variant>

namespace {

const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kHeader4 = QStringLiteral("REGEDIT4");

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// hex:01,02,... wrapped the way the registry editor wraps it.
QString hexList(const QString &prefix, const QByteArray &bytes)
{
    QString out = prefix;
    int column = int(out.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const QString byte = QStringLiteral("%1").arg(quint8(bytes[i]), 2, 16, QLatin1Char('0'));
        const bool last = i + 1 == bytes.size();
        out += byte;
        column += 2;
        if (!last) {
            out += QLatin1Char(',');
            ++column;
            if (column > 76) {
                out += QLatin1String("\\\n  ");
                column = 2;
            }
        }
    }
    return out;
}

QString formatValue(const NamedValue &nv)
{
    const QString name = nv.name.isEmpty() ? QStringLiteral("@") : quoted(nv.name);
    const QString head = name + QLatin1Char('=');
    switch (nv.value.type) {
    case RegType::Dword:
        return head + QStringLiteral("dword:%1").arg(nv.value.dword, 8, 16, QLatin1Char('0'));
    case RegType::Sz:
        if (nv.value.text.contains(QLatin1Char('\n')) || nv.value.text.contains(QLatin1Char('\r'))
            || nv.value.text.contains(QChar(0))) {
            // Quoted strings cannot hold line breaks; such text goes as UTF-16 bytes.
            QByteArray utf16(reinterpret_cast<const char *>(nv.value.text.utf16()), nv.value.text.size() * 2);
            utf16.append(2, '\0');
            return hexList(head + QStringLiteral("hex(1):"), utf16);
        }
        return head + quoted(nv.value.text);
    case RegType::Binary:
        return hexList(head + QStringLiteral("hex:"), nv.value.binary);
    }
    return {};
}

// Each key is turned into UTF-8 as it is written, so the whole text is held
// once, not also as UTF-16.
void exportHive(const RegistryStore &store, Hive hive, QByteArray &out)
{
    store.walk(hive, QString(), [&](const QString &path, const QList<NamedValue> &values) {
        if (path.isEmpty() && values.isEmpty())
            return;
        QString section = QLatin1Char('[') + RegistryStore::hiveName(hive);
        if (!path.isEmpty())
            section += QLatin1Char('\\') + path;
        section += QLatin1String("]\n");
        for (const NamedValue &nv : values)
            section += formatValue(nv) + QLatin1Char('\n');
        section += QLatin1Char('\n');
        out += section.toUtf8();
    });
}

// One change the file asks for.
struct KeyOp { Hive hive; QString path; bool remove; };
struct ValueOp { Hive hive; QString path; QString name; std::optional<RegValue> value; };
using Op = std::variant<KeyOp, ValueOp>;

struct ParseError { int line; QString what; };

// Parses the text after '"' of a quoted string starting at pos; moves pos past
// the closing quote.
std::optional<QString> parseQuoted(const QString &s, qsizetype &pos)
{
    QString out;
    ++pos; // opening quote
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == QLatin1Char('"'))
            return out;
        if (c == QLatin1Char('\\')) {
            if (pos >= s.size())
                return std::nullopt;
            out += s[pos++];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> parseHexBytes(const QString &list)
{
    QByteArray bytes;
    const QString trimmed = list.trimmed();
    if (trimmed.isEmpty())
        return bytes;
    for (const QString &part : trimmed.split(QLatin1Char(','))) {
        const QString b = part.trimmed();
        bool ok = false;
        const uint v = b.toUInt(&ok, 16);
        if (!ok || b.size() > 2 || b.isEmpty())
            return std::nullopt;
        bytes.append(char(v));
    }
    return bytes;
}

std::optional<RegValue> parseData(const QString &data, QString &why)
{
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto text = parseQuoted(data, pos);
        if (!text || !data.mid(pos).trimmed().isEmpty()) {
            why = QCoreApplication::translate("RegFile", "字符串未结束或格式错误 (unterminated or malformed string)");
            return std::nullopt;
        }
        return RegValue::fromText(*text);
    }
    const QString lower = data.toLower();
    if (lower.startsWith(QLatin1String("dword:"))) {
        const QString digits = data.mid(6).trimmed();
        bool ok = false;
        const uint v = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 8) {
            why = QCoreApplication::translate("RegFile",
                    "dword 值需要八位十六进制数字 (a dword needs eight hexadecimal digits)");
            return std::nullopt;
        }
        return RegValue::fromDword(v);
    }
    if (lower.startsWith(QLatin1String("hex:"))) {
        const auto bytes = parseHexBytes(data.mid(4));
        if (!bytes) {
            why = QCoreApplication::translate("RegFile", "十六进制字节格式错误 (malformed hexadecimal bytes)");
            return std::nullopt;
        }
        return RegValue::fromBinary(*bytes);
    }
    if (lower.startsWith(QLatin1String("hex(1):"))) {
        auto bytes = parseHexBytes(data.mid(7));
        if (!bytes || bytes->size() % 2) {
            why = QCoreApplication::translate("RegFile", "UTF-16 文本格式错误 (malformed UTF-16 text)");
            return std::nullopt;
        }
        QString text(reinterpret_cast<const QChar *>(bytes->constData()), bytes->size() / 2);
        while (text.endsWith(QChar(0)))
            text.chop(1);
        return RegValue::fromText(text);
    }
    why = QCoreApplication::translate("RegFile",
            "不支持的值类型, 只保存字符串、dword 和 hex (unsupported value type: only strings, dword and hex are kept)");
    return std::nullopt;
}

// Joins continuation lines (ending in '\') and remembers where each began.
struct Line { int number; QString text; };

QList<Line> logicalLines(const QString &text)
{
    QList<Line> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (int i = 0; i < raw.size(); ++i) {
        QString line = raw[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int start = i + 1;
        while (line.trimmed().endsWith(QLatin1Char('\\')) && !line.trimmed().startsWith(QLatin1Char('['))
               && i + 1 < raw.size()) {
            line = line.trimmed();
            line.chop(1);
            QString next = raw[++i];
            if (next.endsWith(QLatin1Char('\r')))
                next.chop(1);
            line += next.trimmed();
        }
        lines << Line{start, line};
    }
    return lines;
}

std::variant<QList<Op>, ParseError> parse(const QString &text)
{
    QList<Op> ops;
    const QList<Line> lines = logicalLines(text);
    bool sawHeader = false;
    std::optional<KeyOp> current;
    for (const Line &line : lines) {
        const QString t = line.text.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
            continue;
        if (!sawHeader) {
            if (t != kHeader && t != kHeader4)
                return ParseError{line.number, QCoreApplication::translate("RegFile",
                        "不是注册表文件: 第一行必须是 \"%1\" (not a registry file: the first line must be \"%1\")").arg(kHeader)};
            sawHeader = true;
            continue;
        }
        if (t.startsWith(QLatin1Char('['))) {
            if (!t.endsWith(QLatin1Char(']')))
                return ParseError{line.number, QCoreApplication::translate("RegFile",
                        "键行必须以 ']' 结尾 (a key line must end with ']')")};
            QString full = t.mid(1, t.size() - 2);
            const bool remove = full.startsWith(QLatin1Char('-'));
            if (remove)
                full.remove(0, 1);
            const qsizetype slash = full.indexOf(QLatin1Char('\\'));
            const auto hive = RegistryStore::hiveFromName(slash < 0 ? full : full.left(slash));
            if (!hive)
                return ParseError{line.number, QCoreApplication::translate("RegFile",
                        "\"%1\" 中的根键未知 (unknown hive in \"%1\")").arg(full)};
            const QString path = slash < 0 ? QString() : full.mid(slash + 1);
            switch (RegistryStore::checkPath(path)) {
            case RegistryStore::PathProblem::None: break;
            case RegistryStore::PathProblem::TooDeep:
                return ParseError{line.number,
                                  QCoreApplication::translate("RegFile",
                                          "键路径超过 %1 层 (a key path may be at most %1 levels deep)")
                                      .arg(RegistryStore::kMaxKeyDepth)};
            case RegistryStore::PathProblem::NameTooLong:
                return ParseError{line.number,
                                  QCoreApplication::translate("RegFile",
                                          "键名超过 %1 个字符 (a key name may be at most %1 characters long)")
                                      .arg(RegistryStore::kMaxKeyNameLength)};
            }
            if (remove && RegistryStore::splitPath(path).isEmpty())
                return ParseError{line.number, QCoreApplication::translate("RegFile",
                        "不能删除整个根键 (a whole hive cannot be deleted)")};
            current = KeyOp{*hive, path, remove};
            ops << *current;
            if (remove)
                current.reset();
            continue;
        }
        if (!current)
            return ParseError{line.number, QCoreApplication::translate("RegFile",
                    "值必须在键行之后 (a value must follow a key line)")};
        QString name;
        qsizetype pos = 0;
        if (t.startsWith(QLatin1Char('@'))) {
            pos = 1;
        } else if (t.startsWith(QLatin1Char('"'))) {
            const auto parsed = parseQuoted(t, pos);
            if (!parsed)
                return ParseError{line.number, QCoreApplication::translate("RegFile",
                        "值名称未结束 (unterminated value name)")};
            name = *parsed;
        } else {
            return ParseError{line.number, QCoreApplication::translate("RegFile",
                    "此处应为键行、带引号的值名称或 '@' (expected a key line, a quoted value name or '@')")};
        }
        const QString rest = t.mid(pos).trimmed();
        if (!rest.startsWith(QLatin1Char('=')))
            return ParseError{line.number, QCoreApplication::translate("RegFile",
                    "值名称之后应为 '=' (expected '=' after the value name)")};
        const QString data = rest.mid(1).trimmed();
        if (data == QLatin1String("-")) {
            ops << ValueOp{current->hive, current->path, name, std::nullopt};
            continue;
        }
        QString why;
        const auto value = parseData(data, why);
        if (!value)
            return ParseError{line.number, why};
        ops << ValueOp{current->hive, current->path, name, value};
    }
    if (!sawHeader)
        return ParseError{0, QCoreApplication::translate("RegFile", "文件是空的 (the file is empty)")};
    return ops;
}

// The registry editor writes UTF-16. A file that lost its byte order mark
// still shows it in its first line: text with a zero byte in every other
// place, the first of each pair for big-endian, the second for little-endian.
std::optional<QStringDecoder::Encoding> utf16WithoutMark(const QByteArray &content)
{
    bool little = true;
    bool big = true;
    qsizetype pairs = 0;
    for (qsizetype i = 0; i + 1 < content.size() && (little || big); i += 2, ++pairs) {
        const char a = content[i];
        const char b = content[i + 1];
        little = little && a != 0 && b == 0;
        big = big && a == 0 && b != 0;
        if ((little && a == '\n') || (big && b == '\n'))
            break;
    }
    if (pairs < 2 || little == big)
        return std::nullopt;
    return little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
}

std::optional<QString> decode(const QByteArray &content, QString &why)
{
    if (content.startsWith("\xff\xfe") || content.startsWith("\xfe\xff")) {
        auto decoder = QStringDecoder(QStringDecoder::Utf16, QStringDecoder::Flag::Stateless);
        // The decoder reads and drops the byte order mark itself.
        QString text = decoder.decode(content);
        if (decoder.hasError() || content.size() % 2) {
            why = QCoreApplication::translate("RegFile", "文件不是有效的 UTF-16 文本 (the file is not valid UTF-16 text)");
            return std::nullopt;
        }
        return text;
    }
    if (const auto encoding = utf16WithoutMark(content)) {
        auto decoder = QStringDecoder(*encoding, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(content);
        if (decoder.hasError() || content.size() % 2) {
            why = QCoreApplication::translate("RegFile",
                                              "文件像是没有字节顺序标记的 UTF-16 文本, 但不是有效的 UTF-16 "
                                              "(the file looks like UTF-16 without a byte order mark, but is not valid UTF-16)");
            return std::nullopt;
        }
        return text;
    }
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    QString text = decoder.decode(content);
    if (decoder.hasError()) {
        why = QCoreApplication::translate("RegFile",
                "文件既不是 UTF-8 也不是 UTF-16 文本 (the file is neither UTF-8 nor UTF-16 text)");
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return text;
}

QString fullPath(Hive hive, const QString &path)
{
    return (QStringList{RegistryStore::hiveName(hive)} + RegistryStore::splitPath(path)).join(QLatin1Char('\\'));
}

} // namespace

namespace RegFile {

QByteArray exportAll(const RegistryStore &store)
{
    QByteArray out = (kHeader + QLatin1String("\n\n")).toUtf8();
    for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine, Hive::ClassesRoot})
        exportHive(store, hive, out);
    return out;
}

namespace {

// Reads the file's changes; nothing when it cannot be read, with the fault in result.
std::optional<QList<Op>> readOps(const QByteArray &content, ImportResult &result)
{
    QString why;
    const auto text = decode(content, why);
    if (!text) {
        result.error = why;
        return std::nullopt;
    }
    auto parsed = parse(*text);
    if (const auto *error = std::get_if<ParseError>(&parsed)) {
        result.line = error->line;
        result.error = error->what;
        return std::nullopt;
    }
    auto &ops = std::get<QList<Op>>(parsed);
    for (const Op &op : ops) {
        if (std::holds_alternative<KeyOp>(op))
            ++result.keys;
        else
            ++result.values;
    }
    return std::move(ops);
}

} // namespace

ImportResult check(const QByteArray &content)
{
    ImportResult result;
    result.ok = readOps(content, result).has_value();
    return result;
}

ImportResult import(RegistryStore &store, const QByteArray &content)
{
    ImportResult result;
    const auto read = readOps(content, result);
    if (!read)
        return result;
    const QList<Op> &ops = *read;
    result.ok = store.transaction([&] {
        for (const Op &op : ops) {
            if (const auto *k = std::get_if<KeyOp>(&op)) {
                if (!k->remove) {
                    if (!store.createKey(k->hive, k->path))
                        return false;
                    continue;
                }
                if (!store.keyExists(k->hive, k->path))
                    continue;
                // Everything under the key goes with it: say so, key by key.
                store.walk(k->hive, k->path, [&](const QString &path, const QList<NamedValue> &values) {
                    const QString key = fullPath(k->hive, path);
                    result.deleted << RegFile::Deleted{key, QString(), true};
                    for (const NamedValue &nv : values)
                        result.deleted << RegFile::Deleted{key, nv.name, false};
                });
                if (!store.deleteKey(k->hive, k->path))
                    return false;
            } else {
                const auto &v = std::get<ValueOp>(op);
                if (v.value) {
                    if (!store.setValue(v.hive, v.path, v.name, *v.value))
                        return false;
                    continue;
                }
                if (!store.query(v.hive, v.path, v.name))
                    continue;
                if (!store.deleteValue(v.hive, v.path, v.name))
                    return false;
                result.deleted << RegFile::Deleted{fullPath(v.hive, v.path), v.name, false};
            }
        }
        return true;
    });
    if (!result.ok) {
        result.deleted.clear(); // rolled back: nothing is gone
        result.error = QCoreApplication::translate("RegFile", "无法写入设置存储 (the settings store could not be written)");
    }
    return result;
}

} // namespace RegFile
