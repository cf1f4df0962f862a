// The golden cases of tests/cases: each folder holds the two input files and
// what tenrix-calc must give for them. The expected figures were checked by
// hand (tests/cases/handcheck.py re-derives them from the handbook's steps),
// so a wrong formula anywhere between the unit loads and the cubic shows up
// here as a changed number.
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCasesFolder = TENRIX_CASES_DIR;
const fs::path kCalculator = TENRIX_CALC;

std::string readText(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoted(const fs::path &path)
{
    return "'" + path.string() + "'";
}

/// Numbers agree to 1e-6 relative; everything else exactly.
void expectSameJson(const nlohmann::json &actual, const nlohmann::json &expected, const std::string &where)
{
    if (expected.is_number() && actual.is_number()) {
        const double a = actual.get<double>();
        const double e = expected.get<double>();
        EXPECT_LE(std::fabs(a - e), 1e-6 * std::max(std::fabs(a), std::fabs(e))) << where << ": " << a << " vs " << e;
        return;
    }
    ASSERT_EQ(actual.type(), expected.type()) << where;
    if (expected.is_object()) {
        // Sections the case was not checked for (added later, checked by
        // their own tests) are not compared; inside a section every key is.
        if (where != "json") {
            ASSERT_EQ(actual.size(), expected.size()) << where;
        }
        for (auto item = expected.begin(); item != expected.end(); ++item) {
            ASSERT_TRUE(actual.contains(item.key())) << where << "." << item.key();
            expectSameJson(actual[item.key()], item.value(), where + "." + item.key());
        }
    } else if (expected.is_array()) {
        ASSERT_EQ(actual.size(), expected.size()) << where;
        for (std::size_t i = 0; i < expected.size(); ++i)
            expectSameJson(actual[i], expected[i], where + "[" + std::to_string(i) + "]");
    } else {
        EXPECT_EQ(actual, expected) << where;
    }
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(kCasesFolder)) {
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenCase : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tenrix-case-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        mOut = pattern;
    }
    void TearDown() override { fs::remove_all(mOut); }

    fs::path mOut;
};

TEST_P(GoldenCase, GivesTheCheckedResults)
{
    const fs::path folder = kCasesFolder / GetParam();
    // A case with a span file computes it; its two data files hold the same
    // inputs for the hand check, which reads only those.
    const std::string inputs = fs::exists(folder / "span.tenrix")
                                   ? quoted(folder / "span.tenrix")
                                   : " --input " + quoted(folder / "temp_input.dat") + " --options "
                                         + quoted(folder / "default.dat");
    const std::string command = quoted(kCalculator) + " " + inputs + " --json " + quoted(mOut / "result.json")
        + " --texts " + quoted(mOut / "texts.tsv") + " > " + quoted(mOut / "stdout.txt") + " 2> "
        + quoted(mOut / "stderr.txt");
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    const int exitCode = WEXITSTATUS(status);

    if (fs::exists(folder / "expected-exit")) {
        // A refusal: its exit code, its exact message, and no result at all.
        EXPECT_EQ(exitCode, std::stoi(readText(folder / "expected-exit")));
        EXPECT_EQ(readText(mOut / "stderr.txt"), readText(folder / "expected-stderr.txt"));
        EXPECT_EQ(readText(mOut / "stdout.txt"), "");
        EXPECT_FALSE(fs::exists(mOut / "result.json"));
        EXPECT_FALSE(fs::exists(mOut / "texts.tsv"));
        return;
    }
    ASSERT_EQ(exitCode, 0) << readText(mOut / "stderr.txt");
    EXPECT_EQ(readText(mOut / "texts.tsv"), readText(folder / "expected-texts.tsv"));
    expectSameJson(nlohmann::json::parse(readText(mOut / "result.json")),
                   nlohmann::json::parse(readText(folder / "expected.json")), "json");
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
