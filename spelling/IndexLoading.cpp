// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/IndexLoading.h"

#include "spelling/Reasons.h"
#include "wordindex/IndexBuilder.h"

#include <QCoreApplication>

std::chrono::steady_clock::duration indexReadyIn(const KeptDictionary &kept, Engine engine)
{
    if (kept.holdsIndexFor(engine))
        return std::chrono::milliseconds(2 + kept.imageWords() / 125'000);
    return std::chrono::milliseconds(100 + kept.dicStamp().size / 1200);
}

LoadedIndex loadIndex(KeptDictionary &kept, const std::filesystem::path &base, Engine engine,
    const std::atomic<bool> &cancel, const std::function<void(const std::string &)> &tell)
{
    if (kept.holdsIndexFor(engine)) {
        auto alphabet = kept.alphabet();
        auto shared = alphabet ? std::make_shared<const Alphabet>(std::move(*alphabet)) : nullptr;
        if (!kept.indexRefusal().empty())
            return { nullptr, kept.indexRefusal(), std::move(shared) };
        std::string why;
        if (auto index = readWordIndex(kept.takeImage(), base, dialectOf(engine), &why))
            return { std::move(index), {}, std::move(shared) };
        tell(
            QCoreApplication::translate("IndexLoading", "the kept word index of %1 is not used: %2")
                .arg(QString::fromStdString(kept.dictionary()), Reasons::said(why))
                .toStdString());
        kept.dropIndex();
    }
    const WordIndexBuild build = buildWordIndexFromFiles(base, dialectOf(engine), {}, &cancel);
    kept.setIndexBuilt(
        cancel ? std::nullopt : std::optional(engine), build.refusal, build.alphabet);
    return { build.forms, build.refusal,
        build.alphabet ? std::make_shared<const Alphabet>(*build.alphabet) : nullptr };
}
