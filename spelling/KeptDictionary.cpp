// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/KeptDictionary.h"

#include <QCoreApplication>

namespace {

std::uint32_t dialectNumber(Engine engine)
{
    return static_cast<std::uint32_t>(dialectOf(engine));
}

constexpr char kAlphabetNote[] = "alphabet";

} // namespace

KeptDictionary KeptDictionary::forFiles(const std::optional<std::filesystem::path> &folder,
    const std::string &dictionary, const FileStamp &aff, const FileStamp &dic)
{
    KeptDictionary kept;
    kept.m_entry.dictionary = dictionary;
    kept.m_entry.aff = aff;
    kept.m_entry.dic = dic;
    if (!folder)
        return kept;
    // An entry of other versions of the files, or of no use at all, is
    // worked out again and written over.
    auto read = CacheFile::read(CacheFile::fileFor(*folder, dictionary));
    if (read && read->dictionary == dictionary && read->aff == aff && read->dic == dic) {
        kept.m_entry = std::move(*read);
        kept.m_asRead = true;
    }
    return kept;
}

std::optional<EngineProbe::Verdict> KeptDictionary::verdict(Engine engine) const
{
    const std::string *note = m_entry.note(engineName(engine));
    return note ? ProbeReport::parse(*note) : std::nullopt;
}

void KeptDictionary::setVerdict(Engine engine, const EngineProbe::Verdict &verdict)
{
    m_entry.setNote(engineName(engine), verdict.usable ? "usable" : "refused\t" + verdict.why);
    m_asRead = false;
}

bool KeptDictionary::holdsIndexFor(Engine engine) const
{
    return m_entry.dialect == dialectNumber(engine)
        && (!m_entry.image.empty() || !m_entry.indexRefusal.empty());
}

std::optional<Alphabet> KeptDictionary::alphabet() const
{
    const std::string *note = m_entry.note(kAlphabetNote);
    return note ? Alphabet::fromSerialised(*note) : std::nullopt;
}

std::vector<std::uint64_t> KeptDictionary::takeImage()
{
    return std::exchange(m_entry.image, {});
}

void KeptDictionary::dropIndex()
{
    m_entry.image.clear();
    m_asRead = false;
}

void KeptDictionary::setIndexBuilt(std::optional<Engine> engine, const std::string &refusal,
    const std::optional<Alphabet> &alphabet)
{
    m_entry.setNote(kAlphabetNote, alphabet ? alphabet->serialised() : std::string());
    m_entry.dialect = engine ? std::optional(dialectNumber(*engine)) : std::nullopt;
    m_entry.indexRefusal = refusal;
    m_entry.image.clear();
    m_asRead = false;
}

std::optional<std::string> KeptDictionary::keep(
    const std::optional<std::filesystem::path> &folder, std::span<const std::uint64_t> image) const
{
    if (!folder || m_entry.dictionary.empty())
        return std::nullopt;
    if (m_asRead) {
        CacheFile::markUsed(*folder, m_entry.dictionary);
        return std::nullopt;
    }
    std::string why;
    if (CacheFile::write(*folder, m_entry, image, &why))
        return std::nullopt;
    return QCoreApplication::translate("KeptDictionary", "the cache in %1 is not written: %2")
        .arg(QString::fromStdString(folder->string()), QString::fromStdString(why))
        .toStdString();
}
