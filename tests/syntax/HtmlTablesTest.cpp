#include "syntax/HtmlTables.h"

#include <gtest/gtest.h>

#include <set>

#include "syntax/HtmlRtf.h"

namespace pellucor {
namespace {

// The hash as the tag-name rule defines it, computed here without the colourer's tables.
int HashOf(std::string_view name) {
  int hash = 0;
  std::size_t i = 0;
  for (; i < name.size() &&
         (std::isalpha(static_cast<unsigned char>(name[i])) || name[i] == '!' || name[i] == '/');
       ++i) {
    const char byte = name[i];
    hash += byte == '!' ? 123 : byte == '/' ? 122 : std::toupper(byte) - 'A' + 1;
  }
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
    hash += name[i] - '0';
  return hash;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& byte : upper)
    byte = static_cast<char>(std::toupper(static_cast<unsigned char>(byte)));
  return upper;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& byte : lower)
    byte = static_cast<char>(std::tolower(static_cast<unsigned char>(byte)));
  return lower;
}

// The kind of the tag name in "<name>".
HtmlTokenKind KindOfTagName(const std::string& name) {
  TpsvHTMLRTF html;
  const std::string text = "<" + name + ">";
  html.SetText(text);
  html.NextToken();
  EXPECT_EQ(html.CurrentToken(), name);
  return html.TokenKind();
}

TEST(HtmlKeywords, EveryKeyIsFiledUnderItsOwnHashInAscendingOrder) {
  std::set<int> hashes;
  int previous = 0;
  for (const HtmlKeyword& keyword : kHtmlKeywords) {
    SCOPED_TRACE(keyword.key);
    EXPECT_EQ(HashOf(keyword.key), keyword.hash);
    EXPECT_GE(keyword.hash, previous);
    EXPECT_LT(keyword.hash, kHtmlKeywordHashes);
    previous = keyword.hash;
    hashes.insert(keyword.hash);
  }
  EXPECT_EQ(hashes.size(), 135u);
  EXPECT_EQ(HtmlKeywordsOfHash(-1).size(), 0u);
  EXPECT_EQ(HtmlKeywordsOfHash(244).size(), 0u);
  ASSERT_EQ(HtmlKeywordsOfHash(211).size(), 3u);  // keys of one hash keep their order
  EXPECT_EQ(HtmlKeywordsOfHash(211)[0].key, "/ACRONYM");
  EXPECT_EQ(HtmlKeywordsOfHash(211)[2].key, "!DOCTYPE");
}

TEST(HtmlKeywords, EveryKeyIsAKnownTagInAnyCase) {
  for (const HtmlKeyword& keyword : kHtmlKeywords) {
    SCOPED_TRACE(keyword.key);
    EXPECT_EQ(KindOfTagName(std::string(keyword.key)), HtmlTokenKind::TokenTag);
    EXPECT_EQ(KindOfTagName(Upper(keyword.key)), HtmlTokenKind::TokenTag);
    EXPECT_EQ(KindOfTagName(Lower(keyword.key)), HtmlTokenKind::TokenTag);
  }
}

TEST(HtmlKeywords, NamesOutsideTheTable) {
  struct Case {
    const char* name;
    HtmlTokenKind kind;
  } cases[] = {
      {"I1", HtmlTokenKind::TokenUnlistedTag},   // hash 10 like H2, other letters
      {"Z", HtmlTokenKind::TokenUnlistedTag},    // hash 26 like HR, other length
      {"bb", HtmlTokenKind::TokenUnlistedTag},   // hash 4 has no keys
      {"H11", HtmlTokenKind::TokenUnlistedTag},  // hash 10, three bytes
      {"/!", HtmlTokenKind::TokenAttribute},     // hash 245
      {"section", HtmlTokenKind::TokenUnlistedTag},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(KindOfTagName(c.name), c.kind);
  }
}

TEST(HtmlEntities, EveryEntityIsOneTokenInText) {
  for (const std::string_view entity : kHtmlEntities) {
    SCOPED_TRACE(entity);
    TpsvHTMLRTF html;
    const std::string text = ">x" + std::string(entity) + "y";
    html.SetText(text);
    html.NextToken();
    EXPECT_EQ(html.CurrentToken(), "x");
    html.NextToken();
    EXPECT_EQ(html.TokenKind(), HtmlTokenKind::TokenEntity);
    EXPECT_EQ(html.CurrentToken(), entity);
    html.NextToken();
    EXPECT_EQ(html.CurrentToken(), "y");
  }
}

TEST(HtmlEntities, TableOrderAndTheOddEntries) {
  EXPECT_EQ(kHtmlEntities.front(), "&amp;");
  EXPECT_EQ(kHtmlEntities.back(), "&#215;");
  EXPECT_EQ(kHtmlEntities[8], "&Agrave;");
  EXPECT_EQ(kHtmlEntities[98], "&divide");
  EXPECT_EQ(kHtmlEntities[107], "&ldots;");
  const std::set<std::string_view> unique(kHtmlEntities.begin(), kHtmlEntities.end());
  EXPECT_EQ(unique.size(), kHtmlEntities.size());
}

}  // namespace
}  // namespace pellucor
