// The property dialog's model: what a record opens as, what the user's
// changes make of it, and the record OK hands back.

#include <gtest/gtest.h>

#include <functional>

#include "noteprops/note_property_form.h"

using namespace ruvo;

namespace {

PropertyValues single(std::string props, int length = 1920) { return PropertyValues{36, length, "a", props, 3}; }
PropertyValues range(std::string props) { return PropertyValues{-1, -1, "*", props, NotePropertyForm::kRangeId}; }

TEST(NotePropertyForm, OpensEveryFieldInItsBoxWithTheKeepStateForMixedValues) {
  NotePropertyForm one(single("20\t*\t50\t1Q120 2\tB50,N,xyz\ttempo=150\\nenv=0 5\\nstp=3"));
  EXPECT_EQ(one.box(PropertyBox::Length).text, "480");
  EXPECT_EQ(one.box(PropertyBox::Offset).text, "20");
  EXPECT_TRUE(one.box(PropertyBox::Volume).keep);
  EXPECT_EQ(one.box(PropertyBox::Volume).value(), "*");
  EXPECT_EQ(one.box(PropertyBox::Modulation).text, "50");
  EXPECT_EQ(one.barPosition(PercentBar::Modulation), -50);
  EXPECT_EQ(one.pitchCurve(), "1Q120 2");
  EXPECT_EQ(one.box(PropertyBox::Breath).text, "50");
  EXPECT_EQ(one.check(), CheckValue::Checked);
  EXPECT_EQ(one.box(PropertyBox::Flags).text, "xyz");
  EXPECT_EQ(one.box(PropertyBox::Others).text, "tempo=150 env=0,5 stp=3");

  NotePropertyForm mixed(range("*\t*\t*\t\t*,*,*\t*"));
  EXPECT_TRUE(mixed.box(PropertyBox::Word).keep);
  EXPECT_TRUE(mixed.box(PropertyBox::Length).keep);
  EXPECT_EQ(mixed.note(), -1);
  EXPECT_TRUE(mixed.box(PropertyBox::Breath).keep);
  EXPECT_EQ(mixed.check(), CheckValue::Greyed);
  EXPECT_TRUE(mixed.box(PropertyBox::Flags).keep);
  EXPECT_TRUE(mixed.box(PropertyBox::Others).keep);
}

struct CloseCase {
  const char* name;
  PropertyValues in;
  std::function<void(NotePropertyForm&)> edit;
  std::string props;
  int length;
  int id;
};

TEST(NotePropertyForm, OkBuildsTheRecordFromTheBoxes) {
  const CloseCase cases[] = {
      {"unchanged flags keep their order", single("\t\t\t\tB50,N,xyz\t"), [](auto&) {}, "\t\t\t\tB50Nxyz\t", 1920, 3},
      {"length 240 is 960 ticks", single(""), [](auto& f) { f.edit(PropertyBox::Length, "240"); }, "", 960, 3},
      {"length 0 keeps the old one", single(""), [](auto& f) { f.edit(PropertyBox::Length, "0"); }, "", 1920, 3},
      {"an empty length keeps the old one", single(""), [](auto& f) { f.edit(PropertyBox::Length, ""); }, "", 1920, 3},
      {"commas are spaces, spaces separate entries", single(""),
       [](auto& f) { f.edit(PropertyBox::Others, "tempo=150 env=0,5"); }, "\t\t\t\t\ttempo=150\\nenv=0 5", 1920, 3},
      {"non-numbers are dropped", single("\t\t\t\t\t"),
       [](auto& f) {
         f.edit(PropertyBox::Offset, "x1");
         f.edit(PropertyBox::Breath, "soft");
         f.edit(PropertyBox::Flags, "g-5");
       },
       "\t\t\t\tg-5\t", 1920, 3},
      {"a volume beyond the bar gets the bar's value", single(""),
       [](auto& f) {
         f.edit(PropertyBox::Volume, "150");
         f.edit(PropertyBox::Volume, "250");
       },
       "\t150\t\t\t\t", 1920, 3},
      {"the bars write their percentage", single(""),
       [](auto& f) {
         f.moveBar(PercentBar::Volume, -80);
         f.moveBar(PercentBar::Modulation, 30);
       },
       "\t80\t-30\t\t\t", 1920, 3},
      {"Clear leaves 100 where the volume bar moved back", single("5\t80\t\t1Q120 3\tB3\t"), [](auto& f) { f.clear(); },
       "\t100\t\t\t\t", 1920, 3},
      {"untouched mixed values stay mixed", range("*\t*\t*\t\t*,*,*\t*"), [](auto&) {}, "", -1, -1},
      {"a box set in range mode", range("*\t*\t*\t\t*,*,*\t*"), [](auto& f) { f.edit(PropertyBox::Volume, "70"); },
       "*\t70\t*\t\t*,*,*\t*", -1, -1},
      {"range-mode Clear replaces by nothing and empties curves", range("*\t*\t*\t1Q120 2\t*,*,*\t*"),
       [](auto& f) { f.clear(); }, "\t\t\t\t,,\t*", -1, -2},
      {"a double click returns a box to keep", range("\t90\t\t\t*,*,*\t"),
       [](auto& f) {
         f.toggleKeep(PropertyBox::Volume);
         f.toggleKeep(PropertyBox::Others);
       },
       "", -1, -1},
  };
  for (const auto& c : cases) {
    NotePropertyForm form(c.in);
    c.edit(form);
    PropertyValues out = form.accept();
    EXPECT_EQ(out.props, c.props) << c.name;
    EXPECT_EQ(out.length, c.length) << c.name;
    EXPECT_EQ(out.id, c.id) << c.name;
  }
}

TEST(NotePropertyForm, CheckBoxCyclesThroughGreyOnlyInRangeMode) {
  NotePropertyForm one(single(""));
  NotePropertyForm many(range("*\t*\t*\t\t*,,*\t*"));
  std::vector<CheckValue> seenOne, seenMany;
  for (int i = 0; i < 3; ++i) {
    one.clickCheck();
    many.clickCheck();
    seenOne.push_back(one.check());
    seenMany.push_back(many.check());
  }
  EXPECT_EQ(seenOne, (std::vector{CheckValue::Checked, CheckValue::Unchecked, CheckValue::Checked}));
  EXPECT_EQ(seenMany, (std::vector{CheckValue::Checked, CheckValue::Greyed, CheckValue::Unchecked}));
}

TEST(NotePropertyForm, StoredPercentagesBeyondTheBarsSurviveOpeningAndOk) {
  NotePropertyForm form(single("\t300\t-250\t\t\t"));
  EXPECT_EQ(form.barPosition(PercentBar::Volume), kBarStart);
  EXPECT_EQ(form.accept().props, "\t300\t-250\t\t\t");
}

}  // namespace

TEST(NotePropertyForm, NumbersTheNoteCannotPlayAreNamedBeforeOk) {
  const struct {
    PropertyBox box;
    const char* text;
    const char* problem;
  } cases[] = {
      {PropertyBox::Length, "7864320", ""},
      {PropertyBox::Length, "7864321", "長さ「7864321」は使えません。0から7864320までの数を入力してください。"},
      {PropertyBox::Length, "1e999", "長さ「1e999」は使えません。0から7864320までの数を入力してください。"},
      {PropertyBox::Length, "9999999999x", "長さ「9999999999x」は使えません。0から7864320までの数を入力してください。"},
      {PropertyBox::Length, "-5", ""},  // no length above 0: the note keeps its own
      {PropertyBox::Length, "abc", ""},
      {PropertyBox::Offset, "-10000", ""},
      {PropertyBox::Offset, "1e30", "先行発声「1e30」は使えません。-10000から10000までの数を入力してください。"},
      {PropertyBox::Offset, "abc", ""},  // emptied at OK
      {PropertyBox::Breath, "100", ""},
      {PropertyBox::Breath, "101", "BRE「101」は使えません。0から100までの数を入力してください。"},
      {PropertyBox::Breath, "-1", "BRE「-1」は使えません。0から100までの数を入力してください。"},
  };
  for (const auto& c : cases) {
    NotePropertyForm form(single(""));
    form.edit(c.box, c.text);
    EXPECT_EQ(form.problem(), c.problem) << c.text;
    if (c.box == PropertyBox::Length && std::string(c.problem).empty()) {
      const int length = form.accept().length;
      EXPECT_TRUE(length == 1920 || length == 4 * 7864320) << c.text;
    }
  }
  NotePropertyForm mixed(range(""));
  EXPECT_EQ(mixed.problem(), "");
}
