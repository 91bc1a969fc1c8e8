// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over the files named on the command line, as the test
// suite does with each target's seeds and the inputs that once crashed it.
//   replay_X [--expect FILE | --describe] INPUT...
// With --expect, the target also describes what it made of each input, and
// the replay fails unless that matches the input's line in FILE
// ("name<TAB>description"), so a regression fails for its reason, not only
// on a crash. --describe prints such lines for new inputs.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);
__attribute__((weak)) std::string quorvelDescribeInput(const std::uint8_t *data, std::size_t size);

namespace {

std::string baseName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::map<std::string, std::string> readExpectations(const char *path, bool &ok)
{
    std::map<std::string, std::string> expected;
    std::ifstream file(path);
    ok = bool(file);
    for (std::string line; std::getline(file, line);) {
        const auto tab = line.find('\t');
        if (!line.empty() && line[0] != '#' && tab != std::string::npos)
            expected[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return expected;
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int first = 1;
    std::map<std::string, std::string> expected;
    bool expecting = false;
    if (argc > 1 && std::string(argv[1]) == "--describe" && quorvelDescribeInput) {
        for (int i = 2; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), {});
            std::printf("%s\t%s\n", baseName(argv[i]).c_str(),
                quorvelDescribeInput(
                    reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size())
                    .c_str());
        }
        return 0;
    }
    if (argc > 2 && std::string(argv[1]) == "--expect") {
        bool ok = false;
        expected = readExpectations(argv[2], ok);
        if (!ok || !quorvelDescribeInput) {
            std::fprintf(stderr, "cannot check against %s\n", argv[2]);
            return 1;
        }
        expecting = true;
        first = 3;
    }
    int failed = 0;
    for (int i = first; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
        LLVMFuzzerTestOneInput(data, bytes.size());
        if (!expecting)
            continue;
        const std::string name = baseName(argv[i]);
        const std::string got = quorvelDescribeInput(data, bytes.size());
        const auto found = expected.find(name);
        if (found == expected.end() || found->second != got) {
            ++failed;
            std::fprintf(stderr, "%s\n  expected: %s\n  got:      %s\n", name.c_str(),
                found == expected.end() ? "(no line in the expectations)" : found->second.c_str(),
                got.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", argc - first - failed, failed);
    return failed == 0 ? 0 : 1;
}
