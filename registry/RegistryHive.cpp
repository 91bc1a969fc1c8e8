// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/RegistryHive.h"

#include "fileio/BoundedFile.h"
#include "platform/Registry.h"
#include "registry/HiveText.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <variant>

using namespace HiveText;

namespace {

// Splits text into lines ended by CR, LF or CR LF, without copying it.
class LineReader {
public:
    explicit LineReader(QStringView text)
        : m_text(text)
    {
    }

    [[nodiscard]] std::optional<QStringView> next()
    {
        if (m_done)
            return std::nullopt;
        const qsizetype start = m_at;
        qsizetype end = start;
        while (end < m_text.size() && m_text[end] != u'\n' && m_text[end] != u'\r')
            ++end;
        if (end == m_text.size())
            m_done = true;
        else if (m_text[end] == u'\r' && end + 1 < m_text.size() && m_text[end + 1] == u'\n')
            m_at = end + 2;
        else
            m_at = end + 1;
        ++m_number;
        return m_text.sliced(start, end - start);
    }
    [[nodiscard]] qsizetype number() const { return m_number; }

private:
    QStringView m_text;
    qsizetype m_at = 0;
    qsizetype m_number = 0;
    bool m_done = false;
};

QString tooLong(qsizetype limit)
{
    return QStringLiteral("longer than %1 characters; skipped").arg(limit);
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

    void line(const QString &raw, qsizetype number)
    {
        m_number = number;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            return;
        if (line.startsWith(u'['))
            return section(line);
        if (!m_key)
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

    // A section line that was not read at all: what follows belongs to no key.
    void forgetKey() { m_key.reset(); }

private:
    void section(const QString &line)
    {
        m_key.reset();
        const qsizetype close = line.lastIndexOf(u']');
        // A key to delete ("[-HKEY_...") names no root of ours either.
        if (close < 0 || !onlyCommentAfter(line, close + 1))
            return;
        const QStringView path = QStringView(line).sliced(1, close - 1);
        const qsizetype cut = path.indexOf(u'\\');
        const QStringView root = cut < 0 ? path : path.first(cut);
        if (root.compare(u"HKEY_LOCAL_MACHINE", Qt::CaseInsensitive) != 0
            && root.compare(u"HKLM", Qt::CaseInsensitive) != 0)
            return;
        if (cut < 0)
            return;
        QString why;
        m_key = m_hive.addKey(path.sliced(cut + 1), why);
        if (!m_key)
            m_hive.addProblem(
                m_number, why + QStringLiteral("; the key and its values are skipped"));
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
                parsed = RegistryHive::Value { RegistryType::kString, text->toUtf8() + '\0' };
        } else if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
            if (const auto bytes = dwordData(data.mid(6)))
                parsed = RegistryHive::Value { RegistryType::kDword, *bytes };
        } else if (data.startsWith(u"hex", Qt::CaseInsensitive)) {
            parsed = hexValue(data.mid(3));
        }
        if (parsed)
            m_hive.m_values[*m_key].insert(RegistryHive::fold(name), *parsed);
    }

    // "hex:" or "hex(N):" then the byte list; N is at most eight hex digits.
    std::optional<RegistryHive::Value> hexValue(const QString &text)
    {
        std::uint32_t type = RegistryType::kBinary;
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
        const bool text16 = type == RegistryType::kString || type == RegistryType::kExpandString
            || type == RegistryType::kMultiString;
        if (m_unicodeFile && text16)
            *bytes = utf16ToAnsi(*bytes);
        return RegistryHive::Value { type, *bytes };
    }

    RegistryHive &m_hive;
    bool m_unicodeFile;
    std::optional<RegistryHive::KeyId> m_key;
    qsizetype m_number = 0;
};

RegistryHive RegistryHive::parse(const QByteArray &file)
{
    RegistryHive hive;
    const QString text = decode(file);
    LineReader lines(text);
    const auto first = lines.next();
    const QStringView header = first ? first->trimmed() : QStringView();
    const bool unicodeFile = header == u"Windows Registry Editor Version 5.00";
    if (!unicodeFile && header != u"REGEDIT4")
        return hive;

    HiveParser parser(hive, unicodeFile);
    QString pending; // a hex list continued over lines by a trailing backslash
    qsizetype pendingFrom = 0; // the line where it began
    while (const auto next = lines.next()) {
        const QStringView view = next->trimmed();
        if (view.size() > kMaxLineSize) {
            hive.addProblem(lines.number(), tooLong(kMaxLineSize));
            if (pending.isEmpty() && view.startsWith(u'['))
                parser.forgetKey();
            pending.clear();
            continue;
        }
        QString line = view.toString();
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
                hive.addProblem(pendingFrom, tooLong(kMaxLineSize));
                pending.clear(); // the value is dropped; its other lines read as nothing
                continue;
            }
        } else if (continued) {
            pending = line;
            pendingFrom = lines.number();
        }
        if (continued)
            continue;
        if (pending.isEmpty())
            parser.line(line, lines.number());
        else
            parser.line(pending, pendingFrom);
        pending.clear();
    }
    if (!pending.isEmpty())
        parser.line(pending, pendingFrom);
    return hive;
}

namespace {

// Why the hive was not read, as its one problem; nothing for a missing file,
// which is what a program run from its build tree finds.
QString whyNotRead(const FileRefusal &refusal)
{
    switch (refusal.kind) {
    case FileRefusal::Kind::Missing:
        return {};
    case FileRefusal::Kind::NotRegular:
        return QStringLiteral("not a regular file; not read");
    case FileRefusal::Kind::TooLarge:
        return QStringLiteral("larger than %1 bytes; not read").arg(RegistryHive::kMaxFileSize);
    case FileRefusal::Kind::CannotOpen:
    case FileRefusal::Kind::ReadFailed:
    case FileRefusal::Kind::Cancelled:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(refusal.error));
}

} // namespace

RegistryHive RegistryHive::load(const QString &path)
{
    RegistryHive hive;
    // Without blocking and for a regular file only, so that a FIFO or a
    // device put in the hive's place cannot hold up the start.
    const auto file = readBounded(
        QFile::encodeName(path).toStdString(), { .maxBytes = std::size_t(kMaxFileSize) });
    if (const auto *bytes = std::get_if<FileBytes>(&file))
        hive = parse(QByteArray(bytes->bytes.data(), qsizetype(bytes->bytes.size())));
    else if (const QString why = whyNotRead(std::get<FileRefusal>(file)); !why.isEmpty())
        hive.addProblem(0, why);
    for (const QString &problem : hive.problems())
        std::fprintf(
            stderr, "quorvel: machine hive %s: %s\n", qPrintable(path), qPrintable(problem));
    return hive;
}

void RegistryHive::addProblem(qsizetype line, const QString &what)
{
    ++m_problemCount;
    if (m_problems.size() < kMaxProblems)
        m_problems.append(line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what);
    else if (m_problems.size() == kMaxProblems)
        m_problems.append(
            QStringLiteral("more problems; only the first %1 are told").arg(kMaxProblems));
}

std::optional<RegistryHive::KeyId> RegistryHive::addKey(QStringView keyPath, QString &why)
{
    // Checked whole before anything is stored, so a refused path leaves no
    // parents behind.
    qsizetype depth = 0;
    for (const QStringView name : keyPath.tokenize(u'\\')) {
        if (name.isEmpty())
            why = QStringLiteral("a key with an empty name");
        else if (name.size() > kMaxKeyNameSize)
            why = QStringLiteral("a key name over %1 characters").arg(kMaxKeyNameSize);
        else if (++depth > kMaxKeyDepth)
            why = QStringLiteral("a key over %1 levels deep").arg(kMaxKeyDepth);
        if (!why.isEmpty())
            return std::nullopt;
    }
    KeyId key = 0;
    for (const QStringView name : keyPath.tokenize(u'\\')) {
        const std::pair<KeyId, QString> child { key, fold(name) };
        auto found = m_children.constFind(child);
        if (found == m_children.cend())
            found = m_children.insert(child, m_children.size() + 1);
        key = found.value();
    }
    return key;
}

std::optional<RegistryHive::KeyId> RegistryHive::findKey(const QString &keyPath) const
{
    if (keyPath.isEmpty())
        return std::nullopt;
    KeyId key = 0;
    for (const QStringView name : QStringView(keyPath).tokenize(u'\\')) {
        const auto found = m_children.constFind({ key, fold(name) });
        if (found == m_children.cend())
            return std::nullopt;
        key = found.value();
    }
    return key;
}

bool RegistryHive::hasKey(const QString &keyPath) const
{
    return findKey(keyPath).has_value();
}

qsizetype RegistryHive::valueCount() const
{
    qsizetype count = 0;
    for (const auto &values : m_values)
        count += values.size();
    return count;
}

std::optional<RegistryHive::Value> RegistryHive::value(
    const QString &keyPath, const QString &name) const
{
    const auto key = findKey(keyPath);
    if (!key)
        return std::nullopt;
    const auto values = m_values.constFind(*key);
    if (values == m_values.cend())
        return std::nullopt;
    const auto found = values->constFind(fold(name));
    if (found == values->cend())
        return std::nullopt;
    return *found;
}
