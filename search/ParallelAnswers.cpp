// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/ParallelAnswers.h"

#include "search/CheckerQuestions.h"
#include "search/Enumerator.h"

#include <algorithm>
#include <cmath>

namespace {

// Blocks held ahead per worker: enough that no worker waits for the run.
constexpr std::uint64_t kBlocksAheadPerWorker = 4;

} // namespace

ParallelAnswers::ParallelAnswers(
    std::string letters, double total, std::vector<std::unique_ptr<SpellChecker>> checkers)
    : m_letters(std::move(letters))
    , m_total(total)
    , m_blockSize(blockSizeFor(m_letters.size()))
    , m_window(kBlocksAheadPerWorker * checkers.size())
    , m_blocks(m_window)
    , m_checkers(std::move(checkers))
{
    m_workers.reserve(m_checkers.size());
    for (const auto &checker : m_checkers)
        m_workers.emplace_back([this, &checker] { work(*checker); });
}

ParallelAnswers::~ParallelAnswers()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_stopRequested = true;
    }
    m_blockTaken.notify_all();
    m_workers.clear(); // joins
}

std::uint32_t ParallelAnswers::blockSizeFor(std::size_t letters)
{
    const std::size_t fitting = kBlockLetters / std::max<std::size_t>(letters, 1);
    return static_cast<std::uint32_t>(std::clamp<std::size_t>(fitting, 1, kBlockSize));
}

std::uint32_t ParallelAnswers::blockLength(std::uint64_t block) const
{
    const double first = static_cast<double>(block) * m_blockSize;
    const double left = m_total - first;
    return left >= m_blockSize ? m_blockSize : static_cast<std::uint32_t>(std::max(left, 0.0));
}

void ParallelAnswers::work(SpellChecker &checker)
{
    for (;;) {
        std::uint64_t block = 0;
        {
            std::unique_lock lock(m_mutex);
            m_blockTaken.wait(lock, [this] {
                return m_stopping
                    || (m_nextToFill < m_consumed + m_window && blockLength(m_nextToFill) > 0);
            });
            if (m_stopping)
                return;
            block = m_nextToFill++;
        }
        Block filled;
        fill(checker, static_cast<double>(block) * m_blockSize, blockLength(block), filled);
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopping)
                return;
            filled.ready = true;
            m_blocks[block % m_window] = std::move(filled);
        }
        m_blockReady.notify_all();
    }
}

void ParallelAnswers::fill(
    SpellChecker &checker, double firstCounter, std::uint32_t count, Block &block)
{
    Arrangements arrangements(m_letters);
    arrangements.seek(firstCounter);
    block.accepted.assign(count, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (m_stopRequested.load(std::memory_order_relaxed))
            return;
        const std::string &candidate = arrangements.current();
        if (testword(checker, candidate)) {
            block.accepted[i] = 1;
            block.words.push_back(candidate);
        }
        if (i + 1 < count)
            arrangements.advance();
    }
}

std::optional<const std::string *> ParallelAnswers::next(
    std::chrono::steady_clock::duration timeout)
{
    if (!waitForNext(timeout))
        return std::nullopt;
    return takeNext();
}

bool ParallelAnswers::waitForNext(std::chrono::steady_clock::duration timeout)
{
    // Inside a block that was seen ready, nothing is left to wait for: no
    // lock for the thousands of answers between two blocks.
    if (m_holdingBlock && !m_releasePending)
        return true;
    std::unique_lock lock(m_mutex);
    if (m_releasePending) {
        // The last word of the finished block has been used by now.
        m_releasePending = false;
        m_holdingBlock = false;
        m_blocks[m_consumed % m_window] = Block();
        ++m_consumed;
        m_blockTaken.notify_all();
    }
    Block &block = m_blocks[m_consumed % m_window];
    m_holdingBlock = m_blockReady.wait_for(lock, timeout, [&block] { return block.ready; });
    return m_holdingBlock;
}

const std::string *ParallelAnswers::takeNext()
{
    // The block is ready and no worker writes it until the run lets it go.
    Block &block = m_blocks[m_consumed % m_window];
    const std::string *word = block.accepted[m_index] ? &block.words[m_word++] : nullptr;
    if (++m_index == block.accepted.size()) {
        // The word handed out last must stay valid until the next call, so
        // the block is let go only then.
        m_index = 0;
        m_word = 0;
        m_releasePending = true;
    }
    return word;
}
