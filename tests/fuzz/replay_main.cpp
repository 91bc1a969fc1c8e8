// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over the files named on the command line, as the test
// suite does with each target's seeds and the inputs that once crashed it.
// With --expect FILE, a target that describes what it read
// (describeFuzzInput) must also give, for each input, the line that FILE
// holds for it: "<file name><TAB><description>".
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
// Defined by the targets whose results are checked, not by the others.
std::string describeFuzzInput(const std::uint8_t *data, std::size_t size) __attribute__((weak));

namespace {

std::map<std::string, std::string> readExpectations(const char *path, bool &ok)
{
    std::map<std::string, std::string> expected;
    std::ifstream file(path);
    ok = static_cast<bool>(file);
    for (std::string line; std::getline(file, line);) {
        const auto tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string::npos)
            continue;
        expected[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return expected;
}

} // namespace

int main(int argc, char **argv)
{
    int first = 1;
    bool checking = false;
    std::map<std::string, std::string> expected;
    if (argc > 2 && std::strcmp(argv[1], "--expect") == 0) {
        bool ok = false;
        expected = readExpectations(argv[2], ok);
        if (!ok || !describeFuzzInput) {
            std::fprintf(stderr, "cannot check %s\n", argv[2]);
            return 1;
        }
        checking = true;
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
        if (!checking)
            continue;
        const std::string name = std::filesystem::path(argv[i]).filename().string();
        const std::string actual = describeFuzzInput(data, bytes.size());
        const auto wanted = expected.find(name);
        if (wanted == expected.end() || wanted->second != actual) {
            std::fprintf(stderr, "%s: expected \"%s\"\n%s\t%s\n", argv[i],
                wanted == expected.end() ? "(no line)" : wanted->second.c_str(), name.c_str(),
                actual.c_str());
            ++failed;
        }
    }
    std::printf("%d passed, %d failed\n", argc - first - failed, failed);
    return failed == 0 ? 0 : 1;
}
