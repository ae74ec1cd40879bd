#include "favorites/BookmarkFile.h"

#include "favorites/FavoriteShortcut.h"
#include "platform/DataText.h"

#include <QStringDecoder>

#include <cctype>

namespace BookmarkFile {

Node Node::folder(const QString &title, std::vector<Node> children, qint64 addDate)
{
    Node node;
    node.title = title;
    node.children = std::move(children);
    node.addDate = addDate;
    return node;
}

Node Node::link(const QString &title, const QString &url, qint64 addDate)
{
    Node node;
    node.kind = Link;
    node.title = title;
    node.url = url;
    node.addDate = addDate;
    return node;
}

namespace {

// The charset a <META> near the top names, lower case; empty when none.
QByteArray declaredCharset(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(4096).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0)
        return {};
    qsizetype end = at + 8;
    while (end < head.size()) {
        const char c = head.at(end);
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' || c == ':'))
            break;
        ++end;
    }
    return head.mid(at + 8, end - at - 8);
}

QString decodeText(const QByteArray &bytes)
{
    const QByteArray charset = declaredCharset(bytes);
    if (!charset.isEmpty() && charset != "utf-8" && charset != "utf8") {
        QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return DataText::decode(bytes);
}

void appendCodePoint(QString &out, char32_t c)
{
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = QChar::ReplacementCharacter;
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

// The character an entity at text[at] == '&' stands for, and the length of
// the entity; length 0 when it is none we know.
char32_t entityAt(QStringView text, qsizetype at, qsizetype *length)
{
    *length = 0;
    const qsizetype semicolon = text.mid(at, 12).indexOf(QLatin1Char(';'));
    if (semicolon < 2)
        return 0;
    const QStringView name = text.mid(at + 1, semicolon - 1);
    char32_t c = 0;
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex = name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
        bool ok = false;
        const uint value = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok)
            return 0;
        c = value;
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = QChar::ReplacementCharacter;
    } else if (name == QLatin1String("amp")) {
        c = U'&';
    } else if (name == QLatin1String("lt")) {
        c = U'<';
    } else if (name == QLatin1String("gt")) {
        c = U'>';
    } else if (name == QLatin1String("quot")) {
        c = U'"';
    } else if (name == QLatin1String("apos")) {
        c = U'\'';
    } else if (name == QLatin1String("nbsp")) {
        c = 0xA0;
    } else {
        return 0;
    }
    *length = semicolon + 1;
    return c;
}

// Appends text with its entities decoded until out holds limit characters.
// With collapse, every run of white space or control characters becomes one
// blank and none leads.
void appendDecoded(QStringView text, QString &out, qsizetype limit, bool collapse)
{
    for (qsizetype i = 0; i < text.size() && out.size() < limit;) {
        char32_t c = text.at(i).unicode();
        qsizetype length = 1;
        if (c == U'&') {
            qsizetype entity = 0;
            const char32_t decoded = entityAt(text, i, &entity);
            if (entity > 0) {
                c = decoded;
                length = entity;
            }
        }
        i += length;
        // Titles hold no control characters: they would not survive being
        // written again, nor become part of a file name.
        if (collapse && (QChar::isSpace(c) || c < 0x20 || c == 0x7F)) {
            if (!out.isEmpty() && !out.endsWith(QLatin1Char(' ')))
                out += QLatin1Char(' ');
            continue;
        }
        if (length > 1) {
            appendCodePoint(out, c);
        } else if (QChar::isHighSurrogate(c) && i < text.size() && text.at(i).isLowSurrogate()) {
            out += QChar(char16_t(c));
            out += text.at(i++);
        } else {
            // Half a pair (from a file declared UTF-16, say) would not survive being written.
            out += QChar::isSurrogate(c) ? QChar(QChar::ReplacementCharacter) : QChar(char16_t(c));
        }
    }
}

// Trims a collected text, and drops half a surrogate pair a cut left.
QString finished(QString text, qsizetype limit)
{
    if (text.size() > limit)
        text.truncate(limit);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text.trimmed();
}

qint64 dateValue(QStringView text)
{
    bool ok = false;
    qint64 value = text.trimmed().left(18).toLongLong(&ok);
    if (!ok || value < 0)
        return 0;
    // Some browsers write milliseconds or microseconds.
    while (value > 100'000'000'000LL)
        value /= 1000;
    return value;
}

bool isNameChar(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
           || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

struct Tag
{
    QStringView name;
    bool closing = false;
    QStringView href;
    QStringView addDate;
    bool hasHref = false;
};

class Parser
{
public:
    explicit Parser(const QString &text)
        : m_text(text)
    {
        m_levels.push_back({&m_root, 0});
    }

    Node run()
    {
        const qsizetype size = m_text.size();
        qsizetype pos = 0;
        while (pos < size) {
            const qsizetype lt = m_text.indexOf(QLatin1Char('<'), pos);
            if (lt < 0) {
                text(m_text.mid(pos));
                break;
            }
            if (lt > pos)
                text(m_text.mid(pos, lt - pos));
            pos = markup(lt);
        }
        finishText();
        return std::move(m_root);
    }

private:
    enum class Collect { None, Title, Description };

    struct Level
    {
        Node *folder;
        int depth;
    };

    // Reads the markup at text[at] == '<' and returns where the text after it starts.
    qsizetype markup(qsizetype at)
    {
        const qsizetype size = m_text.size();
        if (m_text.mid(at, 4) == QLatin1String("<!--")) {
            const qsizetype end = m_text.indexOf(QLatin1String("-->"), at + 4);
            return end < 0 ? size : end + 3;
        }
        qsizetype pos = at + 1;
        if (pos < size && (m_text.at(pos) == QLatin1Char('!') || m_text.at(pos) == QLatin1Char('?'))) {
            const qsizetype end = m_text.indexOf(QLatin1Char('>'), pos);
            return end < 0 ? size : end + 1;
        }
        Tag tag;
        if (pos < size && m_text.at(pos) == QLatin1Char('/')) {
            tag.closing = true;
            ++pos;
        }
        const qsizetype nameStart = pos;
        while (pos < size && isNameChar(m_text.at(pos)))
            ++pos;
        if (pos == nameStart || !m_text.at(nameStart).isLetter()) {
            text(m_text.mid(at, 1)); // a lone "<" is text
            return at + 1;
        }
        tag.name = m_text.mid(nameStart, pos - nameStart);
        pos = attributes(pos, tag);
        handle(tag);
        return pos;
    }

    // Reads the attributes up to the closing ">" and returns the position after it.
    qsizetype attributes(qsizetype pos, Tag &tag)
    {
        const qsizetype size = m_text.size();
        while (pos < size) {
            const QChar c = m_text.at(pos);
            if (c == QLatin1Char('>'))
                return pos + 1;
            if (c.isSpace() || c == QLatin1Char('/')) {
                ++pos;
                continue;
            }
            const qsizetype nameStart = pos;
            while (pos < size) {
                const QChar n = m_text.at(pos);
                if (n.isSpace() || n == QLatin1Char('=') || n == QLatin1Char('>') || n == QLatin1Char('/'))
                    break;
                ++pos;
            }
            if (pos == nameStart) {
                ++pos; // a "=" without a name
                continue;
            }
            const QStringView name = m_text.mid(nameStart, pos - nameStart);
            while (pos < size && m_text.at(pos).isSpace())
                ++pos;
            QStringView value;
            if (pos < size && m_text.at(pos) == QLatin1Char('=')) {
                ++pos;
                while (pos < size && m_text.at(pos).isSpace())
                    ++pos;
                if (pos < size && (m_text.at(pos) == QLatin1Char('"') || m_text.at(pos) == QLatin1Char('\''))) {
                    const qsizetype end = m_text.indexOf(m_text.at(pos), pos + 1);
                    const qsizetype stop = end < 0 ? size : end;
                    value = m_text.mid(pos + 1, stop - pos - 1);
                    pos = end < 0 ? size : end + 1;
                } else {
                    const qsizetype valueStart = pos;
                    while (pos < size && !m_text.at(pos).isSpace() && m_text.at(pos) != QLatin1Char('>'))
                        ++pos;
                    value = m_text.mid(valueStart, pos - valueStart);
                }
            }
            if (name.compare(QLatin1String("href"), Qt::CaseInsensitive) == 0) {
                tag.href = value;
                tag.hasHref = true;
            } else if (name.compare(QLatin1String("add_date"), Qt::CaseInsensitive) == 0) {
                tag.addDate = value;
            }
        }
        return size;
    }

    bool is(const Tag &tag, const char *name) const
    {
        return tag.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    }

    void handle(const Tag &tag)
    {
        if (tag.closing) {
            if (is(tag, "a") || is(tag, "h3")) {
                finishText();
            } else if (is(tag, "dl")) {
                finishText();
                m_pendingFolder = nullptr;
                m_last = nullptr;
                if (m_levels.size() > 1)
                    m_levels.pop_back();
            }
            return;
        }
        if (is(tag, "dl")) {
            finishText();
            // A list after a folder's heading is that folder's; any other
            // list (the outer one, a stray one, one too deep) stays in the
            // folder it is in, so that its end closes nothing else.
            const Level top = m_levels.back();
            m_levels.push_back(m_pendingFolder ? Level{m_pendingFolder, top.depth + 1} : top);
            m_pendingFolder = nullptr;
            m_last = nullptr;
        } else if (is(tag, "h3")) {
            finishText();
            m_pendingFolder = nullptr;
            m_last = nullptr;
            const Level top = m_levels.back();
            if (top.depth < kMaxDepth) {
                top.folder->children.push_back(Node::folder({}, {}, dateValue(tag.addDate)));
                m_pendingFolder = m_last = &top.folder->children.back();
                collect(Collect::Title, kMaxTitle);
            }
        } else if (is(tag, "a")) {
            finishText();
            m_pendingFolder = nullptr;
            m_last = nullptr;
            QString url;
            appendDecoded(tag.href, url, kMaxUrl + 1, false);
            // An address too long is dropped, not cut.
            url = url.size() > kMaxUrl ? QString() : FavoriteShortcut::oneLine(url);
            if (tag.hasHref && FavoriteShortcut::isAllowedUrl(url)) {
                Node *folder = m_levels.back().folder;
                folder->children.push_back(Node::link({}, url, dateValue(tag.addDate)));
                m_last = &folder->children.back();
                collect(Collect::Title, kMaxTitle);
            }
        } else if (is(tag, "dd")) {
            finishText();
            if (m_last)
                collect(Collect::Description, kMaxDescription);
        } else if (is(tag, "dt") || is(tag, "hr")) {
            finishText();
            m_pendingFolder = nullptr;
            m_last = nullptr;
        }
    }

    void collect(Collect what, qsizetype limit)
    {
        m_collect = what;
        m_limit = limit;
        m_buffer.clear();
    }

    void text(QStringView text)
    {
        if (m_collect != Collect::None)
            appendDecoded(text, m_buffer, m_limit + 1, true);
    }

    void finishText()
    {
        if (m_collect != Collect::None && m_last)
            (m_collect == Collect::Title ? m_last->title : m_last->description) = finished(m_buffer, m_limit);
        m_collect = Collect::None;
        m_buffer.clear();
    }

    QStringView m_text;
    Node m_root;
    std::vector<Level> m_levels;
    Node *m_pendingFolder = nullptr; // a heading whose list has not begun
    Node *m_last = nullptr;          // what a <DD> describes
    Collect m_collect = Collect::None;
    qsizetype m_limit = 0;
    QString m_buffer;
};

// Text for a title or an attribute value: nothing that could end either, no
// control characters.
void appendEscaped(QByteArray &out, const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        case '\'': escaped += QLatin1String("&#39;"); break;
        default: escaped += (c.unicode() < 0x20 || c.unicode() == 0x7F) ? QChar(u' ') : c;
        }
    }
    out += escaped.toUtf8();
}

void writeChildren(QByteArray &out, const Node &folder, int depth)
{
    const QByteArray indent(4 * depth, ' ');
    for (const Node &node : folder.children) {
        out += indent;
        if (node.kind == Node::Folder) {
            out += "<DT><H3";
            if (node.addDate > 0)
                out += " ADD_DATE=\"" + QByteArray::number(node.addDate) + "\" LAST_MODIFIED=\""
                       + QByteArray::number(node.addDate) + '"';
            out += '>';
            appendEscaped(out, node.title);
            out += "</H3>\n";
        } else {
            out += "<DT><A HREF=\"";
            appendEscaped(out, FavoriteShortcut::oneLine(node.url));
            out += '"';
            if (node.addDate > 0)
                out += " ADD_DATE=\"" + QByteArray::number(node.addDate) + '"';
            out += '>';
            appendEscaped(out, node.title);
            out += "</A>\n";
        }
        if (!node.description.isEmpty()) {
            out += indent + "<DD>";
            appendEscaped(out, node.description);
            out += '\n';
        }
        if (node.kind == Node::Folder) {
            out += indent + "<DL><p>\n";
            writeChildren(out, node, depth + 1);
            out += indent + "</DL><p>\n";
        }
    }
}

} // namespace

Node parse(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    return Parser(text).run();
}

QByteArray write(const Node &root)
{
    QByteArray out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                     "<!-- This is an automatically generated file.\n"
                     "     It will be read and overwritten.\n"
                     "     DO NOT EDIT! -->\n"
                     "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                     "<TITLE>Bookmarks</TITLE>\n"
                     "<H1>Bookmarks</H1>\n"
                     "<DL><p>\n";
    writeChildren(out, root, 1);
    out += "</DL><p>\n";
    return out;
}

} // namespace BookmarkFile
