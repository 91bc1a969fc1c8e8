// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordindex/CompoundSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The block of memory of a word index, which is also the file the cache
// keeps: a header of eleven 64-bit words, then the sections, each starting
// on a word.
//   header: magic, version, nodes, keys, forms, rules, text bytes, settings bytes,
//           own spellings' forms, own spellings' bytes, conversions' bytes
//   nodes: one word each, in the order of the tree (a node, then its children)
//   key forms, key text: 32-bit offsets, keys + 1 of each
//   roles: a byte a form
//   rules: (form, flags) word pairs, sorted by form
//   settings: the compound settings, written by writeSettings
//   text: the forms, key after key
//   own: a word for each form whose own spellings are kept (those whose
//        letters were folded), sorted by form: the form above, where its
//        spellings start in the own text below
//   own text: each such form's spellings, each ended by a NUL, form after form
//   conversions: the letters ICONV converts into one other, each ended by
//        a NUL: from, to, from, to ...
namespace IndexLayout {

// "QVINDEX" and a byte that is read back differently in the other byte order.
inline constexpr std::uint64_t kMagic = 0x015845444E495651ULL;
// Raised whenever the layout or what the index holds changes.
inline constexpr std::uint64_t kVersion = 4;
inline constexpr std::size_t kHeaderWords = 11;
// The longest word, and the most bytes, of each list of words the compound
// settings keep (CompoundSettings::forbidden, partStops).
inline constexpr std::size_t kMaxListedLetters = 64;
inline constexpr std::size_t kMaxListedBytes = std::size_t(256) << 10;

// A node: where its subtree ends, how many keys come before it, its key
// letter's number + 1 (0 for the root), the roles below it, whether a key ends there.
inline constexpr std::uint64_t kEndMask = (std::uint64_t(1) << 27) - 1;
inline constexpr int kKeysShift = 27;
inline constexpr std::uint64_t kKeysMask = (std::uint64_t(1) << 24) - 1;
inline constexpr int kLetterShift = 51;
inline constexpr std::uint64_t kLetterMask = 63;
inline constexpr int kRolesShift = 57;
// The roles a node keeps of the forms below it: those a walk looks for
// (FormRole::Sure and FormRole::Doubt are a form's own; the terminal's bit
// is the node's highest).
inline constexpr std::uint64_t kRolesMask = 63;
inline constexpr int kTerminalShift = 63;
inline constexpr std::size_t kMaxNodes = kEndMask;
inline constexpr std::size_t kMaxKeys = kKeysMask;

struct Counts {
    std::size_t nodes = 0;
    std::size_t keys = 0;
    std::size_t forms = 0;
    std::size_t rules = 0;
    std::size_t textBytes = 0;
    std::size_t settingsBytes = 0;
    std::size_t ownForms = 0;
    std::size_t ownBytes = 0;
    std::size_t conversionBytes = 0;
};

// Where each section starts, in words.
struct Sections {
    Counts counts;
    std::size_t nodes = 0;
    std::size_t keyForm = 0;
    std::size_t keyText = 0;
    std::size_t roles = 0;
    std::size_t rules = 0;
    std::size_t settings = 0;
    std::size_t text = 0;
    std::size_t own = 0;
    std::size_t ownText = 0;
    std::size_t conversions = 0;
    std::size_t total = 0;

    // The sections of counts laid out; nothing when they could not be.
    [[nodiscard]] static std::optional<Sections> layout(const Counts &counts);
    // The sections an image's header names; nothing unless they fill it exactly.
    [[nodiscard]] static std::optional<Sections> of(const std::vector<std::uint64_t> &image);
};

[[nodiscard]] std::string writeSettings(const CompoundSettings &settings);
[[nodiscard]] std::optional<CompoundSettings> readSettings(std::string_view bytes);

[[nodiscard]] std::string writeConversions(
    const std::vector<std::pair<std::string, std::string>> &conversions);
// Nothing when the bytes are not conversions of letters.
[[nodiscard]] std::optional<std::vector<std::pair<std::string, std::string>>> readConversions(
    std::string_view bytes);
// Whether bytes are spellings in UTF-8, each ended by a NUL, none empty.
[[nodiscard]] bool spellingList(std::string_view bytes);

} // namespace IndexLayout
