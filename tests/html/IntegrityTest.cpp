#include "html/Integrity.h"

#include <gtest/gtest.h>

#include <string>

namespace pellucor {
namespace {

TEST(RemoveIntegrityOf, OnlyTheTagsOfRewrittenFilesLoseIt) {
  struct Case {
    const char* name;
    std::string page;
    std::string expected;
  } cases[] = {
      {"rewritten style sheet",
       "<link rel=\"stylesheet\" href=\"s.css\" integrity=\"sha384-A\" crossorigin>",
       "<link rel=\"stylesheet\" href=\"s.css\" crossorigin>"},
      {"rewritten script, single quotes, upper case",
       "<SCRIPT INTEGRITY='sha384-B' SRC='a.js'></SCRIPT>", "<SCRIPT SRC='a.js'></SCRIPT>"},
      {"unquoted, blanks around the equals sign", "<script src=a.js integrity = sha384-C></script>",
       "<script src=a.js></script>"},
      {"a file left as it came keeps it", "<script src=\"m.mjs\" integrity=\"sha384-D\"></script>",
       "<script src=\"m.mjs\" integrity=\"sha384-D\"></script>"},
      {"an attribute that only ends in the name is none",
       "<link href=\"s.css\" data-integrity=\"x\">", "<link href=\"s.css\" data-integrity=\"x\">"},
      {"other tags are left alone", "<img src=\"s.css\" integrity=\"sha384-E\">",
       "<img src=\"s.css\" integrity=\"sha384-E\">"},
      {"a tag without its end", "<link href=\"s.css\" integrity=\"x\"",
       "<link href=\"s.css\" integrity=\"x\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string page = c.page;
    RemoveIntegrityOf(page, [](std::string_view reference) { return reference != "m.mjs"; });
    EXPECT_EQ(page, c.expected);
  }
}

}  // namespace
}  // namespace pellucor
