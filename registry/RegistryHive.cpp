#include "registry/RegistryHive.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

// Text of the file: UTF-16LE when it starts with that byte-order mark (as
// regedit writes it), UTF-8 otherwise.
QString decode(const QByteArray &file)
{
    if (file.startsWith("\xFF\xFE")) {
        const QByteArray body = file.mid(2);
        return QString::fromUtf16(
            reinterpret_cast<const char16_t *>(body.constData()), body.size() / 2);
    }
    if (file.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(file.mid(3));
    return QString::fromUtf8(file);
}

// True when nothing but blanks and a comment follow position at.
bool onlyCommentAfter(const QString &line, qsizetype at)
{
    for (; at < line.size(); ++at) {
        if (line[at] == u';')
            return true;
        if (line[at] != u' ' && line[at] != u'\t')
            return false;
    }
    return true;
}

// A quoted string starting at line[at] == '"'; sets end to just past the
// closing quote. Nothing when it is not closed or has an unknown escape.
std::optional<QString> quoted(const QString &line, qsizetype at, qsizetype &end)
{
    QString text;
    for (qsizetype i = at + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            end = i + 1;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i >= line.size())
            return std::nullopt;
        switch (line[i].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u'"':
            text += u'"';
            break;
        case u'n':
            text += u'\n';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'0':
            text += QChar(0);
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "dword:" and exactly eight hex digits.
std::optional<QByteArray> dwordData(const QString &text)
{
    if (text.size() < 8)
        return std::nullopt;
    for (qsizetype i = 0; i < 8; ++i) {
        if (!isHexDigit(text[i]))
            return std::nullopt;
    }
    if (!onlyCommentAfter(text, 8))
        return std::nullopt;
    const std::uint32_t number = text.left(8).toUInt(nullptr, 16);
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

// A comma-separated list of two-digit hex bytes (line continuations already
// joined); an empty list is allowed.
std::optional<QByteArray> hexBytes(const QString &text, qsizetype limit)
{
    QByteArray bytes;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    while (i < text.size() && text[i] != u';') {
        if (i + 1 >= text.size() || !isHexDigit(text[i]) || !isHexDigit(text[i + 1]))
            return std::nullopt;
        if (bytes.size() >= limit)
            return std::nullopt;
        bytes.append(static_cast<char>(text.mid(i, 2).toUInt(nullptr, 16)));
        i += 2;
        skipBlanks();
        if (i < text.size() && text[i] == u',') {
            ++i;
            skipBlanks();
        } else if (i < text.size() && text[i] != u';') {
            return std::nullopt;
        }
    }
    return bytes;
}

QByteArray utf16ToAnsi(const QByteArray &bytes)
{
    return QString::fromUtf16(
        reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
        .toUtf8();
}

} // namespace

// Reads the file line by line; kept apart from RegistryHive so the hive's
// interface stays what its readers need.
class HiveParser {
public:
    HiveParser(RegistryHive &hive, bool unicodeFile)
        : m_hive(hive)
        , m_unicodeFile(unicodeFile)
    {
    }

    void line(const QString &raw)
    {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            return;
        if (line.startsWith(u'['))
            return section(line);
        if (m_key.isEmpty())
            return; // values of a key that could not be read, or of another root
        if (line.startsWith(u'@'))
            return value(QString(), line, 1);
        if (line.startsWith(u'"')) {
            qsizetype end = 0;
            const auto name = quoted(line, 0, end);
            if (name)
                value(*name, line, end);
        }
    }

private:
    void section(const QString &line)
    {
        m_key.clear();
        const qsizetype close = line.lastIndexOf(u']');
        if (close < 0 || !onlyCommentAfter(line, close + 1) || line.startsWith(u"[-"))
            return;
        const QString path = line.mid(1, close - 1);
        const QString root = path.section(u'\\', 0, 0);
        if (root.compare(u"HKEY_LOCAL_MACHINE", Qt::CaseInsensitive) != 0
            && root.compare(u"HKLM", Qt::CaseInsensitive) != 0)
            return;
        const QString rest = path.section(u'\\', 1);
        if (rest.isEmpty() || rest.startsWith(u'\\') || rest.endsWith(u'\\'))
            return;
        m_key = RegistryHive::fold(rest);
        m_hive.addKey(m_key);
    }

    void value(const QString &name, const QString &line, qsizetype at)
    {
        while (at < line.size() && (line[at] == u' ' || line[at] == u'\t'))
            ++at;
        if (at >= line.size() || line[at] != u'=')
            return;
        QString data = line.mid(at + 1).trimmed();
        std::optional<RegistryHive::Value> parsed;
        if (data.startsWith(u'"')) {
            qsizetype end = 0;
            const auto text = quoted(data, 0, end);
            if (text && onlyCommentAfter(data, end))
                parsed = RegistryHive::Value { kRegSz, text->toUtf8() + '\0' };
        } else if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
            if (const auto bytes = dwordData(data.mid(6)))
                parsed = RegistryHive::Value { kRegDword, *bytes };
        } else if (data.startsWith(u"hex", Qt::CaseInsensitive)) {
            parsed = hexValue(data.mid(3));
        }
        if (parsed)
            m_hive.m_values[m_key].insert(RegistryHive::fold(name), *parsed);
    }

    // "hex:" or "hex(N):" then the byte list; N is at most eight hex digits.
    std::optional<RegistryHive::Value> hexValue(const QString &text)
    {
        std::uint32_t type = 3; // REG_BINARY
        qsizetype at = 0;
        if (text.startsWith(u'(')) {
            const qsizetype close = text.indexOf(u')');
            const QString digits = text.mid(1, close - 1);
            if (close < 2 || digits.size() > 8
                || !std::all_of(digits.begin(), digits.end(), isHexDigit))
                return std::nullopt;
            type = digits.toUInt(nullptr, 16);
            at = close + 1;
        }
        if (at >= text.size() || text[at] != u':')
            return std::nullopt;
        auto bytes = hexBytes(text.mid(at + 1), RegistryHive::kMaxLineSize);
        if (!bytes)
            return std::nullopt;
        const bool text16 = type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
        if (m_unicodeFile && text16)
            *bytes = utf16ToAnsi(*bytes);
        return RegistryHive::Value { type, *bytes };
    }

    RegistryHive &m_hive;
    bool m_unicodeFile;
    QString m_key;
};

RegistryHive RegistryHive::parse(const QByteArray &file)
{
    RegistryHive hive;
    const QString text = decode(file.left(kMaxFileSize));
    QStringList lines = text.split(u'\n');
    if (lines.isEmpty())
        return hive;
    const QString header = lines.first().trimmed();
    const bool unicodeFile = header == u"Windows Registry Editor Version 5.00";
    if (!unicodeFile && header != u"REGEDIT4")
        return hive;

    HiveParser parser(hive, unicodeFile);
    QString pending; // a hex list continued over lines by a trailing backslash
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.size() > kMaxLineSize) {
            pending.clear();
            continue;
        }
        const bool continued = line.endsWith(u'\\')
            && (!pending.isEmpty() || line.contains(u"=hex", Qt::CaseInsensitive));
        if (continued)
            line.chop(1);
        if (!pending.isEmpty()) {
            // The list goes on after the line break, with or without a comma
            // before the backslash.
            if (!pending.endsWith(u',') && !pending.endsWith(u':') && !line.isEmpty())
                pending += u',';
            pending += line;
            if (pending.size() > kMaxLineSize) {
                pending.clear(); // the value is dropped; its other lines read as nothing
                continue;
            }
        } else if (continued) {
            pending = line;
        }
        if (continued)
            continue;
        parser.line(pending.isEmpty() ? line : pending);
        pending.clear();
    }
    if (!pending.isEmpty())
        parser.line(pending);
    return hive;
}

RegistryHive RegistryHive::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(kMaxFileSize));
}

void RegistryHive::addKey(const QString &keyPath)
{
    QString path = keyPath;
    while (!path.isEmpty() && !m_keys.contains(path)) {
        m_keys.insert(path);
        const qsizetype cut = path.lastIndexOf(u'\\');
        path = cut < 0 ? QString() : path.left(cut);
    }
}

bool RegistryHive::hasKey(const QString &keyPath) const
{
    return m_keys.contains(fold(keyPath));
}

std::optional<RegistryHive::Value> RegistryHive::value(
    const QString &keyPath, const QString &name) const
{
    const auto key = m_values.constFind(fold(keyPath));
    if (key == m_values.cend())
        return std::nullopt;
    const auto found = key->constFind(fold(name));
    if (found == key->cend())
        return std::nullopt;
    return *found;
}
