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

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool describing = mode == "--describe";
    const bool expecting = mode == "--expect" && argc > 2;
    std::map<std::string, std::string> expected;
    if (expecting) {
        std::ifstream file(argv[2]);
        for (std::string line; std::getline(file, line);) {
            const auto tab = line.find('\t');
            if (!line.empty() && line[0] != '#' && tab != std::string::npos)
                expected[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    if ((describing || expecting) && (!quorvelDescribeInput || (expecting && expected.empty()))) {
        std::fprintf(stderr, "no descriptions to check against%s%s\n", expecting ? " in " : "",
            expecting ? argv[2] : "");
        return 1;
    }
    int failed = 0;
    const int first = expecting ? 3 : describing ? 2 : 1;
    for (int i = first; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
        const std::string path = argv[i];
        const std::string name = path.substr(path.find_last_of('/') + 1);
        if (describing) {
            std::printf("%s\t%s\n", name.c_str(), quorvelDescribeInput(data, bytes.size()).c_str());
            continue;
        }
        LLVMFuzzerTestOneInput(data, bytes.size());
        if (!expecting)
            continue;
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
