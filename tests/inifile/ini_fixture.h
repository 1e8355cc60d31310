#pragma once
// A program folder of its own for each test, with the settings file's path in it and a second folder
// beside it that stands for the rest of the system.

#include "platform/inifile/profile_strings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace usina::inifile {

class IniFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("usina-inifile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(folder_ = root_ / "programa");
        std::filesystem::create_directories(outside_ = root_ / "sistema");
        file_ = folder_ / "Parametros.ini";
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    static void writeRaw(const std::filesystem::path& file, const std::string& content) {
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string readRaw(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeRaw(const std::string& content) const { writeRaw(file_, content); }
    std::string readRaw() const { return readRaw(file_); }
    std::string read(const char* section, const char* key) const {
        return readProfileString(file_, section, key, "<default>");
    }

    std::filesystem::path root_;
    std::filesystem::path folder_;
    std::filesystem::path outside_;
    std::filesystem::path file_;
};

} // namespace usina::inifile
