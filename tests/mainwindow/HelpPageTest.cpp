#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(HelpPage, IsBuiltBesideTheProgramAndExplainsModesAndPanel) {
  std::ifstream in(std::string(TINTONIA_BIN_DIR) + "/SetUp/Help/TnaHelp.htm", std::ios::binary);
  ASSERT_TRUE(in) << "help page missing";
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string page = ss.str();
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n", 0), 0u);
  EXPECT_NE(page.find("</html>\r\n"), std::string::npos);
  for (const char* heading : {"Harmony chord mode</h2>", "By music mode</h2>", "Colour edit mode</h2>",
                              "The scheme panel</h2>"}) {
    EXPECT_NE(page.find(heading), std::string::npos) << heading;
  }
  // Text is escaped, not passed through as markup.
  EXPECT_NE(page.find("Window &gt; Default Align"), std::string::npos);
}

}  // namespace
