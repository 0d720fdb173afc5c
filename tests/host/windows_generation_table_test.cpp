// The Windows generation table: version numbers and service-pack texts to generation numbers.
#include <gtest/gtest.h>

#include "payload/windows_generation_table.h"

namespace {

struct GenerationCase {
    unsigned long major, minor, build;
    const wchar_t* servicePack;
    int generation;
};

TEST(WindowsGenerationTable, ClassifiesEveryRowAndItsBounds) {
    const GenerationCase cases[] = {
        {10, 0, 22000, L"", 11},  // Windows 11 starts at build 22000
        {10, 0, 21999, L"", 10},
        {10, 0, 19045, L"", 10},
        {11, 0, 100, L"", 10},  // a later major with a low build
        {6, 3, 9600, L"", 8},   // 8.1
        {6, 2, 9200, L"", 8},
        {9, 5, 0, L"", 8},
        {6, 1, 7601, L"Service Pack 1", 7},
        {6, 0, 6002, L"Service Pack 2", 6},
        {5, 1, 2600, L"Service Pack 3", 5},
        {5, 2, 3790, L"Service Pack 3", 5},  // Server 2003 with that text
        {5, 1, 2600, L"Service Pack 2", 1},
        {5, 1, 2600, L"service pack 3", 1},  // the text test is case-sensitive
        {5, 2, 3790, L"", 1},
        {5, 0, 2195, L"Service Pack 4", 0},  // Windows 2000
        {4, 10, 0, L"", 0},
        {0, 0, 0, L"", 0},
    };
    for (const GenerationCase& c : cases) {
        EXPECT_EQ(lp::ClassifyWindowsGeneration(c.major, c.minor, c.build, c.servicePack),
                  c.generation)
            << c.major << "." << c.minor << "." << c.build;
    }
}

}  // namespace
