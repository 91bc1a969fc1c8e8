// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Asks the spelling checker about the arrangements ahead of the run, on one
// worker thread per checker, in blocks of counter values, and hands the
// answers out strictly in counter order, so the run sees exactly what it
// would see asking one question after another. At most a few blocks are held
// ahead; destruction stops the workers at once and waits for them.
class ParallelAnswers {
public:
    static constexpr std::uint32_t kBlockSize = 2048;
    // Letters a block may hold in accepted words: with very long input a
    // block has fewer arrangements, so memory does not grow with the letters.
    static constexpr std::size_t kBlockLetters = 1 << 20;

    ParallelAnswers(
        std::string letters, double total, std::vector<std::unique_ptr<SpellChecker>> checkers);
    ~ParallelAnswers();
    ParallelAnswers(const ParallelAnswers &) = delete;
    ParallelAnswers &operator=(const ParallelAnswers &) = delete;

    // The next arrangement's answer, waited for at most the timeout: the
    // accepted word (valid until the next call) or nullptr when it is no
    // word; nothing when the answer is not there yet.
    [[nodiscard]] std::optional<const std::string *> next(
        std::chrono::steady_clock::duration timeout);

    // Arrangements per block for this many letters.
    [[nodiscard]] static std::uint32_t blockSizeFor(std::size_t letters);
    [[nodiscard]] std::uint32_t blockSize() const { return m_blockSize; }

private:
    [[nodiscard]] bool waitForNext(std::chrono::steady_clock::duration timeout);
    const std::string *takeNext();
    struct Block {
        bool ready = false;
        std::vector<std::uint8_t> accepted; // one per counter value
        std::vector<std::string> words; // the accepted arrangements, in order
    };

    void work(SpellChecker &checker);
    void fill(SpellChecker &checker, double firstCounter, std::uint32_t count, Block &block);
    [[nodiscard]] std::uint32_t blockLength(std::uint64_t block) const;

    const std::string m_letters;
    const double m_total;
    const std::uint32_t m_blockSize;
    const std::uint64_t m_window; // blocks held ahead at most

    std::mutex m_mutex;
    std::condition_variable m_blockTaken; // workers wait for room
    std::condition_variable m_blockReady; // the run waits for its block
    std::vector<Block> m_blocks; // block k lives in m_blocks[k % m_window]
    std::uint64_t m_nextToFill = 0;
    std::uint64_t m_consumed = 0; // blocks the run has finished with
    bool m_stopping = false;
    std::atomic<bool> m_stopRequested { false }; // m_stopping, read by busy workers

    // The run's own position, touched by the run only.
    std::uint32_t m_index = 0;
    std::size_t m_word = 0;
    bool m_holdingBlock = false; // block m_consumed was seen ready
    bool m_releasePending = false; // the run is done with block m_consumed

    std::vector<std::unique_ptr<SpellChecker>> m_checkers;
    std::vector<std::jthread> m_workers; // last: joined before anything above goes
};
