// Editing by user-perceived characters (grapheme clusters): the boundaries
// ICU finds, the word stops taken by cluster, the edit buffer's deletions and
// insertions, then the field's keys, properties and mouse, none of which may
// leave the caret or a selection's end inside a cluster. docs/text.md says
// what the field does; the scenario textbox_graphemes.scn shows it from the
// outside.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "controls_desktop.h"
#include "event_recorder.h"
#include "host/elements/char_positions.h"
#include "host/elements/clipboard.h"
#include "host/elements/edit_buffer.h"
#include "host/elements/text_box.h"
#include "host/elements/text_ruler.h"
#include "host/elements/word_boundaries.h"
#include "host/text/grapheme_breaks.h"
#include "host/utf8.h"
#include "paint_testing.h"

namespace okit {
namespace {

using text::GraphemeBreaks;
using Positions = std::vector<std::int32_t>;
using WordRun = words::Run;

// One user-perceived character each, with its length in code points.
const std::string kAcute = "e\u0301";                                        // e + COMBINING ACUTE ACCENT
const std::string kJamo = "\u1100\u1161\u11A8";                              // a Hangul syllable as L V T jamo
const std::string kThumb = "\U0001F44D\U0001F3FD";                           // thumbs up, medium skin tone
const std::string kFamily = "\U0001F469\u200D\U0001F469\u200D\U0001F467";  // woman ZWJ woman ZWJ girl
const std::string kFlagDE = "\U0001F1E9\U0001F1EA";                          // regional indicators D E
const std::string kFlagFR = "\U0001F1EB\U0001F1F7";

struct Cluster {
  std::string text;
  std::int32_t code_points;
  const char* what;
};

const Cluster kClusters[] = {
    {kAcute, 2, "a letter and a combining mark"},
    {kJamo, 3, "conjoining jamo"},
    {kThumb, 2, "an emoji and a skin-tone modifier"},
    {kFamily, 5, "an emoji ZWJ sequence"},
    {kFlagDE, 2, "a flag"},
    {"\r\n", 2, "CR LF"},
};

// "a" and every cluster above but CR LF, then "z": the boundaries are
// 0 a 1 e+acute 3 jamo 6 thumb 8 family 13 flag 15 z 16.
std::string every_kind() { return "a" + kAcute + kJamo + kThumb + kFamily + kFlagDE + "z"; }
const Positions kEveryKindBoundaries{0, 1, 3, 6, 8, 13, 15, 16};

// ---- The boundaries -----------------------------------------------------------

TEST(GraphemeBreaks, PlainAsciiBreaksAtEveryCodePoint) {
  const GraphemeBreaks breaks("a b.c");
  EXPECT_EQ(breaks.length(), 5);
  EXPECT_EQ(breaks.boundaries(), (Positions{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(GraphemeBreaks("").boundaries(), Positions{0});
  EXPECT_EQ(GraphemeBreaks("").length(), 0);
}

TEST(GraphemeBreaks, CrLfHoldsTogetherEvenInAscii) {
  EXPECT_EQ(GraphemeBreaks("a\r\nb").boundaries(), (Positions{0, 1, 3, 4}));
  EXPECT_EQ(GraphemeBreaks("a\n\rb").boundaries(), (Positions{0, 1, 2, 3, 4})) << "LF CR is two";
}

TEST(GraphemeBreaks, EachKindOfClusterIsOneCharacterBetweenItsNeighbours) {
  for (const Cluster& c : kClusters) {
    const GraphemeBreaks breaks("x" + c.text + "y");
    EXPECT_EQ(breaks.length(), c.code_points + 2) << c.what;
    EXPECT_EQ(breaks.boundaries(), (Positions{0, 1, 1 + c.code_points, 2 + c.code_points})) << c.what;
  }
  EXPECT_EQ(GraphemeBreaks(every_kind()).boundaries(), kEveryKindBoundaries);
}

TEST(GraphemeBreaks, PrecomposedAndNonLatinLettersAreOneEach) {
  EXPECT_EQ(GraphemeBreaks("Grüße").boundaries(), (Positions{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(GraphemeBreaks("\u6F22\u5B57").boundaries(), (Positions{0, 1, 2}));
}

TEST(GraphemeBreaks, RegionalIndicatorsPairFromTheStart) {
  EXPECT_EQ(GraphemeBreaks(kFlagDE + kFlagFR).boundaries(), (Positions{0, 2, 4}));
  EXPECT_EQ(GraphemeBreaks(kFlagDE + "\U0001F1EB").boundaries(), (Positions{0, 2, 3})) << "a lone one after a flag";
}

TEST(GraphemeBreaks, StepsAndSnapsStayOnBoundariesAndInTheText) {
  const GraphemeBreaks breaks("a" + kFamily + "b");  // 0 a 1 family 6 b 7
  EXPECT_EQ(breaks.length(), 7);
  EXPECT_TRUE(breaks.is_boundary(0));
  EXPECT_TRUE(breaks.is_boundary(1));
  EXPECT_FALSE(breaks.is_boundary(3));
  EXPECT_TRUE(breaks.is_boundary(7));
  EXPECT_FALSE(breaks.is_boundary(-1));
  EXPECT_FALSE(breaks.is_boundary(8));

  EXPECT_EQ(breaks.floor(3), 1);
  EXPECT_EQ(breaks.ceil(3), 6);
  EXPECT_EQ(breaks.floor(6), 6) << "a boundary is its own floor";
  EXPECT_EQ(breaks.ceil(1), 1);
  EXPECT_EQ(breaks.next(1), 6);
  EXPECT_EQ(breaks.next(3), 6);
  EXPECT_EQ(breaks.previous(6), 1);
  EXPECT_EQ(breaks.previous(3), 1);

  EXPECT_EQ(breaks.next(7), 7);
  EXPECT_EQ(breaks.previous(0), 0);
  EXPECT_EQ(breaks.floor(99), 7);
  EXPECT_EQ(breaks.ceil(-5), 0);
  EXPECT_EQ(breaks.next(-5), 0);
  EXPECT_EQ(breaks.previous(99), 7);
}

TEST(GraphemeBreaks, MalformedUtf8CountsAsTheFieldCountsItAndNeverFails) {
  const std::string_view samples[] = {"\xC3",         "a\xFF\xFE" "b", "\xE2\x82", "e\xCC",
                                      "\xED\xA0\x80", "\xF0\x9F\x87\xA9\xF0\x9F", "\xC0\xAF\u0301"};
  for (const std::string_view bad : samples) {
    const GraphemeBreaks breaks(bad);
    EXPECT_EQ(breaks.length(), chars::count(bad));
    const Positions all = breaks.boundaries();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), 0);
    EXPECT_EQ(all.back(), breaks.length());
    EXPECT_TRUE(std::adjacent_find(all.begin(), all.end(), std::greater_equal<>()) == all.end()) << "strictly rising";
  }
  EXPECT_EQ(GraphemeBreaks("\xFF\u0301").boundaries(), (Positions{0, 2}))
      << "a mark joins the replacement character as it would any other";
}

TEST(GraphemeBreaks, PlainBoundariesNeedAsciiOnBothSidesAndNoCrLf) {
  EXPECT_TRUE(GraphemeBreaks::plainly_a_boundary("ab", 0));
  EXPECT_TRUE(GraphemeBreaks::plainly_a_boundary("ab", 1));
  EXPECT_TRUE(GraphemeBreaks::plainly_a_boundary("ab", 2));
  EXPECT_TRUE(GraphemeBreaks::plainly_a_boundary("\u0301", 0)) << "the ends always are";
  EXPECT_FALSE(GraphemeBreaks::plainly_a_boundary("a\r\nb", 2));
  EXPECT_FALSE(GraphemeBreaks::plainly_a_boundary(kAcute, 1));
  EXPECT_FALSE(GraphemeBreaks::plainly_a_boundary("\u00E9a", 2));
  // Wherever it says yes, ICU agrees.
  for (const Cluster& c : kClusters) {
    for (const std::string& text : {"x" + c.text + "y", c.text + c.text, "a" + c.text}) {
      const GraphemeBreaks breaks(text);
      std::int32_t position = 0;
      for (std::size_t at = 0; at <= text.size(); ++position) {
        if (GraphemeBreaks::plainly_a_boundary(text, at)) {
          EXPECT_TRUE(breaks.is_boundary(position)) << c.what << " at " << at;
        }
        if (at == text.size()) break;
        next_code_point(text, at);
      }
    }
  }
}

// ---- Word stops by cluster ----------------------------------------------------------

TEST(WordStops, AgreeWithTheCodePointRulesWhereEveryCodePointIsACharacter) {
  for (const std::string text : {"one two.three four", "  hello,  world_2 ", "Grüße, Welt\u00A0da", ""}) {
    const std::u32string points = words::code_points(text);
    const words::WordStops stops(text);
    const auto length = static_cast<std::int32_t>(points.size());
    for (std::int32_t caret = 0; caret <= length; ++caret) {
      EXPECT_EQ(stops.next_word_start(caret), words::next_word_start(points, caret)) << text << " @" << caret;
      EXPECT_EQ(stops.previous_word_start(caret), words::previous_word_start(points, caret)) << text << " @" << caret;
      EXPECT_EQ(stops.run_at(caret), words::run_at(points, caret)) << text << " @" << caret;
    }
  }
}

TEST(WordStops, ACombiningMarkGoesWithTheCharacterItSitsOn) {
  const words::WordStops word("cafe\u0301 x");  // c a f e mark 5 blank 6 x 7
  EXPECT_EQ(word.run_at(4), (WordRun{0, 5})) << "the mark: its whole word";
  EXPECT_EQ(word.run_at(3), (WordRun{0, 5}));
  EXPECT_EQ(word.next_word_start(0), 6);
  EXPECT_EQ(word.previous_word_start(7), 6);
  EXPECT_EQ(word.previous_word_start(6), 0);

  // On a blank the mark is part of the blank: by code point it would be a
  // one-mark word that starts inside the cluster.
  const words::WordStops blank("ab \u0301cd");  // a b [blank mark] c d: 0 1 2 4 5 6
  EXPECT_EQ(blank.next_word_start(0), 4);
  EXPECT_EQ(blank.previous_word_start(6), 4);
  EXPECT_EQ(blank.previous_word_start(4), 0);
  EXPECT_EQ(blank.run_at(3), (WordRun{2, 4}));

  const words::WordStops punctuation("a.\u0301b");  // a [. mark] b: 0 1 3 4
  EXPECT_EQ(punctuation.next_word_start(0), 1);
  EXPECT_EQ(punctuation.next_word_start(1), 3);
  EXPECT_EQ(punctuation.run_at(2), (WordRun{1, 3}));
}

TEST(WordStops, EmojiSequencesAndFlagsAreWordCharactersAndStopsLandOnBoundaries) {
  const words::WordStops stops("hi " + kFamily + kFlagDE + " ok");  // h i blank 3 family 8 flag 10 blank o k 13
  EXPECT_EQ(stops.next_word_start(0), 3);
  EXPECT_EQ(stops.next_word_start(3), 11);
  EXPECT_EQ(stops.run_at(5), (WordRun{3, 10}));
  EXPECT_EQ(stops.run_at(9), (WordRun{3, 10}));
  EXPECT_EQ(stops.previous_word_start(13), 11);
  EXPECT_EQ(stops.previous_word_start(11), 3);
  // Asked from inside a cluster (the field never is), the stops are still
  // boundaries.
  EXPECT_EQ(stops.next_word_start(5), 11);
  EXPECT_EQ(stops.previous_word_start(5), 3);
  EXPECT_EQ(stops.next_word_start(-4), 3);
  EXPECT_EQ(stops.previous_word_start(99), 11);
}

}  // namespace
}  // namespace okit
