#include "analysis/CssColors.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

// A value padded to 12 characters, as a list shows it.
std::string Padded(std::string value) {
  value.resize(std::max<std::size_t>(value.size(), 12), ' ');
  return value;
}

std::string Item(const std::string& value, const std::string& selector) {
  return Padded(value) + " " + selector;
}

TEST(ExtractCssColors, ItemsInTextOrder) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> items;
  } cases[] = {
      {"one rule", "a{color:#ff0000;}", {Item("#ff0000", "a")}},
      {"a value before the closing brace gets its terminator",
       "a{color:#123}",
       {Item("#123", "a")}},
      {"colours of one rule share its selector",
       "a{color: #abc; background:#FFF}",
       {Item("#abc", "a"), Item("#FFF", "a")}},
      {"a value without a terminator after it ends the list", "p{color:#fff !important}", {}},
      {"letters after f are no colour", "b{color:#xyz;}", {}},
      {"X and Y are not rejected", "b{color:#XY1234;}", {Item("#XY1234", "b")}},
      {"rules on their own lines",
       "h1.title {\r\n  color: #ff0000;\r\n}\r\np { background:#00ff00; }",
       {Item("#ff0000", "h1.title"), Item("#00ff00", "p")}},
      {"comments are left out", "/* #123456 */ a{color:#abcdef;}", {Item("#abcdef", "a")}},
      {"several selectors of one rule", "h1, h2 {color:#010203;}", {Item("#010203", "h1, h2")}},
      {"a value longer than 12 characters is not cut",
       "a{color:#0123456789abcdef;}",
       {"#0123456789abcdef a"}},
      {"a rule without colour is passed over",
       "a{margin:0} b{color:#0a0b0c;}",
       {Item("#0a0b0c", "b")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::vector<std::string>> items =
        ExtractCssColors(c.text, ColorListOrder::AsFound);
    ASSERT_TRUE(items.has_value());
    EXPECT_EQ(*items, c.items);
  }
}

TEST(ExtractCssColors, SortedWithoutDuplicates) {
  const std::optional<std::vector<std::string>> items =
      ExtractCssColors("a{color:#fff;} b{color:#bbb;} c{color:#FFF;} d{color:#AAA;} e{color:#ccc;}",
                       ColorListOrder::SortedUnique);
  ASSERT_TRUE(items.has_value());
  EXPECT_EQ(*items, (std::vector<std::string>{Padded("#AAA"), Padded("#bbb"), Padded("#ccc"),
                                              Padded("#fff")}));
}

TEST(ExtractCssColors, TextWithoutColourValuesLeavesTheListAlone) {
  for (const char* text : {"", "a{margin:0}", "p { color: red; }"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ExtractCssColors(text, ColorListOrder::AsFound).has_value());
  }
}

TEST(ExtractCssColors, ManyRulesInOnePass) {
  // Every pass over the text is linear: a large style sheet is listed at once.
  std::string text;
  const int rules = 40000;
  for (int i = 0; i < rules; ++i)
    text += ".r" + std::to_string(i) + " { color: #a0b0c0; }\r\n";
  const std::optional<std::vector<std::string>> items =
      ExtractCssColors(text, ColorListOrder::AsFound);
  ASSERT_TRUE(items.has_value());
  ASSERT_EQ(items->size(), static_cast<std::size_t>(rules));
  EXPECT_EQ(items->back(), Item("#a0b0c0", ".r" + std::to_string(rules - 1)));
}

TEST(ColorSourcePreparation, StyleSheets) {
  EXPECT_EQ(PrepareStyleSheetForColors("a{x:1}/* #fff */b{s:\"\\\"}\\\"\"}"), "a{x:1}b{s:}");
}

TEST(ColorSourcePreparation, PageSources) {
  EXPECT_FALSE(PreparePageSourceForColors("<p>no colours</p>").has_value());
  const std::optional<std::string> page = PreparePageSourceForColors(
      "<STYLE type=\"text/css\">a{COLOR:#ff0000;}</STYLE><style>b{}</style><style media=x>");
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(*page, "a{COLOR:#ff0000;}b{}");
  const std::optional<std::vector<std::string>> items =
      ExtractCssColors(*page, ColorListOrder::AsFound);
  ASSERT_TRUE(items.has_value());
  EXPECT_EQ(*items, std::vector<std::string>{Item("#ff0000", "a")});
}

}  // namespace
}  // namespace pellucor
