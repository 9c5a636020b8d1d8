#include "settings/ui_language.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

constexpr auto ja = UiLanguage::Japanese;
constexpr auto en = UiLanguage::English;

// The first set locale variable decides; only a Japanese one keeps Japanese.
TEST(UiLanguage, FollowsTheLocale) {
  const struct {
    LocaleEnvironment env;
    UiLanguage language;
  } cases[] = {
      {{"", "", "ja_JP.UTF-8"}, ja},
      {{"", "", "ja"}, ja},
      {{"", "", "ja_JP@cjknarrow"}, ja},
      {{"", "", "en_US.UTF-8"}, en},
      {{"", "", "C.UTF-8"}, en},
      {{"", "", ""}, en},
      {{"", "", "jam_JM"}, en},
      {{"", "de_DE.UTF-8", "ja_JP.UTF-8"}, en},
      {{"", "ja_JP.eucJP", "en_GB.UTF-8"}, ja},
      {{"C", "ja_JP.UTF-8", "ja_JP.UTF-8"}, en},
      {{"ja_JP.UTF-8", "", "C"}, ja},
  };
  for (const auto& c : cases)
    EXPECT_EQ(localeUiLanguage(c.env), c.language) << c.env.lcAll << '|' << c.env.lcMessages << '|' << c.env.lang;
}

// The command line beats the stored choice, which beats the locale; only
// "ja" and "en" name a language.
TEST(UiLanguage, CommandLineThenStoredThenLocale) {
  const LocaleEnvironment japanese{"", "", "ja_JP.UTF-8"};
  EXPECT_EQ(chooseUiLanguage(en, ja, japanese), en);
  EXPECT_EQ(chooseUiLanguage(std::nullopt, en, japanese), en);
  EXPECT_EQ(chooseUiLanguage(std::nullopt, std::nullopt, japanese), ja);
  EXPECT_EQ(chooseUiLanguage(ja, en, LocaleEnvironment{}), ja);
  for (auto [text, parsed] : {std::pair{"ja", std::optional(ja)}, {"en", std::optional(en)}, {"", std::nullopt},
                              {"EN", std::nullopt}, {"english", std::nullopt}, {"ja_JP", std::nullopt}})
    EXPECT_EQ(parseUiLanguage(text), parsed) << text;
  EXPECT_EQ(uiLanguageName(ja), "ja");
  EXPECT_EQ(uiLanguageName(en), "en");
}

}  // namespace
}  // namespace ruvo
