// Files of a parameter study test: a folder of its own, the case written
// into it, the CSV read back as rows of fields.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/case_scripts.h"

namespace cfhx::testing {

class SweepFiles {
public:
    SweepFiles() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("cfhx-sweep-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::ofstream(path("gas.cfhx")) << kGasCase;
    }
    ~SweepFiles() { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string gasCase() const { return path("gas.cfhx"); }

    // The rows of a CSV file; a quoted field may hold commas and doubled quotes.
    static std::vector<std::vector<std::string>> readCsv(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::vector<std::vector<std::string>> rows;
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> fields(1);
            bool quoted = false;
            for (size_t i = 0; i < line.size(); ++i) {
                const char c = line[i];
                if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                    fields.back() += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = !quoted;
                } else if (c == ',' && !quoted) {
                    fields.emplace_back();
                } else {
                    fields.back() += c;
                }
            }
            rows.push_back(fields);
        }
        return rows;
    }

private:
    std::filesystem::path dir_;
};

}  // namespace cfhx::testing
