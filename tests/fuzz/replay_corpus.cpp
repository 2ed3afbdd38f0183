// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Runs the fuzz target once on every file of the given corpus directories and on every token of
// the given dictionaries, so that the seeds and the inputs of crashes once found guard every
// ordinary build, with any compiler, and not only the timed fuzzing runs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// A dictionary line holds one token in double quotes, with \\, \" and \xNN escapes; lines that
// are empty or start with '#' hold none.
std::optional<std::string> dictionaryToken(const std::string& line)
{
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    if (line.empty() || line.front() == '#' || open == std::string::npos || close <= open)
        return std::nullopt;
    std::string token;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (line[i] != '\\' || i + 1 >= close) {
            token += line[i];
        } else if (line[i + 1] == 'x' && i + 3 < close) {
            token += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            token += line[++i];
        }
    }
    return token;
}

void replay(const std::string& name, const std::string& bytes)
{
    std::cout << name << std::endl; // named before it runs: a failing input aborts the process
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int a = 1; a < argc; ++a) {
        const std::filesystem::path path = argv[a];
        if (std::filesystem::is_directory(path)) {
            std::vector<std::filesystem::path> files(std::filesystem::directory_iterator(path), {});
            std::sort(files.begin(), files.end());
            for (const auto& file : files) {
                std::ifstream in(file, std::ios::binary);
                replay(file.string(), std::string(std::istreambuf_iterator<char>(in), {}));
                ++inputs;
            }
        } else {
            std::ifstream in(path);
            if (!in) {
                std::cerr << "cannot read " << path << '\n';
                return EXIT_FAILURE;
            }
            for (std::string line; std::getline(in, line);) {
                if (const auto token = dictionaryToken(line)) {
                    replay(path.string() + ": " + line, *token);
                    ++inputs;
                }
            }
        }
    }
    std::cout << inputs << " inputs replayed" << std::endl;
    return inputs > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
