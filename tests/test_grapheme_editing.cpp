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

// ---- The edit buffer ---------------------------------------------------------------------

TEST(EditBufferClusters, BackAndDeleteTakeAWholeCluster) {
  for (const Cluster& c : kClusters) {
    EditBuffer buffer;
    buffer.set_text("a" + c.text + "b");
    buffer.move_caret(1 + c.code_points, false);
    EXPECT_TRUE(buffer.delete_backward()) << c.what;
    EXPECT_EQ(buffer.text(), "ab") << c.what;
    EXPECT_EQ(buffer.caret(), 1) << c.what;

    buffer.set_text("a" + c.text + "b");
    buffer.move_caret(1, false);
    EXPECT_TRUE(buffer.delete_forward()) << c.what;
    EXPECT_EQ(buffer.text(), "ab") << c.what;
    EXPECT_EQ(buffer.caret(), 1) << c.what;
  }
}

TEST(EditBufferClusters, AnEditThatJoinsWhatFollowsLeavesTheCaretAfterTheCharacterItMade) {
  EditBuffer buffer;
  buffer.set_text("\u0301x");
  EXPECT_TRUE(buffer.replace_selection("e"));
  EXPECT_EQ(buffer.text(), kAcute + "x");
  EXPECT_EQ(buffer.caret(), 2) << "not between the e and its mark";
  EXPECT_EQ(buffer.anchor(), 2);

  buffer.set_text("\u1161\u11A8");
  buffer.replace_selection("\u1100");
  EXPECT_EQ(buffer.caret(), 3) << "the leading consonant makes one syllable of the three";

  // Deleting the tab between a letter and a mark brings them together.
  buffer.set_text("e\t\u0301");
  buffer.move_caret(2, false);
  EXPECT_TRUE(buffer.delete_backward());
  EXPECT_EQ(buffer.text(), kAcute);
  EXPECT_EQ(buffer.caret(), 2);

  // Latin text: the caret stays where the insertion ends.
  buffer.set_text("ab");
  buffer.move_caret(1, false);
  buffer.replace_selection("xy");
  EXPECT_EQ(buffer.caret(), 3);
  // And a mark typed after its letter ends after it.
  buffer.set_text("e");
  buffer.move_caret(1, false);
  buffer.replace_selection("\u0301");
  EXPECT_EQ(buffer.caret(), 2);
}

TEST(EditBufferClusters, ClusterPositionsAreClampedToTheText) {
  EditBuffer buffer;
  buffer.set_text("x" + kFlagDE);
  EXPECT_EQ(buffer.cluster_start(2), 1);
  EXPECT_EQ(buffer.cluster_end(2), 3);
  EXPECT_EQ(buffer.cluster_after(1), 3);
  EXPECT_EQ(buffer.cluster_before(3), 1);
  EXPECT_EQ(buffer.cluster_start(50), 3);
  EXPECT_EQ(buffer.cluster_end(-1), 0);
}

// ---- The field: keys and properties -----------------------------------------------------

constexpr std::int16_t kShift = 1;
constexpr std::int16_t kCtrl = 2;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDelete = 46;
constexpr std::int16_t kKeyEnd = 35;

class GraphemeKeys : public ::testing::Test {
 protected:
  void SetUp() override { field->set_sink(&recorder); }
  void key(std::int16_t code, std::int16_t shift = 0) {
    field->key_down(code, shift);
    field->key_up(code, shift);
  }
  void type(char32_t c) {
    auto key_ascii = static_cast<std::int16_t>(c);
    field->key_press(key_ascii);
  }
  void back() { type(8); }
  std::size_t changes() {
    const auto events = recorder.take();
    return static_cast<std::size_t>(std::count(events.begin(), events.end(), "Change"));
  }
  std::shared_ptr<TextBox> field = std::make_shared<TextBox>("txt_text");
  testing::EventRecorder recorder;
};

TEST_F(GraphemeKeys, RightAndLeftStepOverWholeClusters) {
  field->put_Text(every_kind());
  Positions forward, backward;
  for (std::size_t i = 1; i < kEveryKindBoundaries.size(); ++i) {
    key(kKeyRight);
    forward.push_back(field->SelStart());
  }
  key(kKeyRight);
  forward.push_back(field->SelStart());
  for (std::size_t i = 1; i < kEveryKindBoundaries.size(); ++i) {
    key(kKeyLeft);
    backward.push_back(field->SelStart());
  }
  EXPECT_EQ(forward, (Positions{1, 3, 6, 8, 13, 15, 16, 16}));
  EXPECT_EQ(backward, (Positions{15, 13, 8, 6, 3, 1, 0}));
  EXPECT_EQ(field->SelLength(), 0);
}

TEST_F(GraphemeKeys, ShiftArrowsSelectWholeClusters) {
  field->put_Text(kFamily + "!");
  key(kKeyRight, kShift);
  EXPECT_EQ(field->SelStart(), 0);
  EXPECT_EQ(field->SelLength(), 5);
  EXPECT_EQ(field->SelText(), kFamily);
  key(kKeyRight, kShift);
  EXPECT_EQ(field->SelLength(), 6);
  key(kKeyLeft, kShift);
  EXPECT_EQ(field->SelText(), kFamily);

  key(kKeyEnd);
  key(kKeyLeft, kShift);
  EXPECT_EQ(field->SelText(), "!");
  key(kKeyLeft, kShift);
  EXPECT_EQ(field->SelStart(), 0);
  EXPECT_EQ(field->SelText(), kFamily + "!");
}

TEST_F(GraphemeKeys, BackAndDeleteTakeTheWholeCharacterOnce) {
  for (const char32_t c : U"cafe\u0301") type(c);
  EXPECT_EQ(field->Text(), "cafe\u0301");
  EXPECT_EQ(field->SelStart(), 5) << "a typed mark joins the letter before the caret";
  changes();
  back();
  EXPECT_EQ(field->Text(), "caf") << "the e goes with its accent";
  EXPECT_EQ(field->SelStart(), 3);
  EXPECT_EQ(changes(), 1u);

  field->put_Text(kFlagDE + kFlagFR);
  changes();
  key(kKeyDelete);
  EXPECT_EQ(field->Text(), kFlagFR) << "one flag, not one indicator";
  EXPECT_EQ(changes(), 1u);

  field->put_Text(kJamo + kThumb);
  key(kKeyEnd);
  back();
  EXPECT_EQ(field->Text(), kJamo);
  back();
  EXPECT_EQ(field->Text(), "");
}

TEST_F(GraphemeKeys, CtrlArrowsStopOnlyOnClusterBoundaries) {
  field->put_Text("ab \u0301cd " + kFamily);  // a b [blank mark] c d blank family: 0 1 2 4 5 6 7 12
  key(kKeyRight, kCtrl);
  EXPECT_EQ(field->SelStart(), 4) << "not between the blank and its mark";
  key(kKeyRight, kCtrl);
  EXPECT_EQ(field->SelStart(), 7);
  key(kKeyRight, kCtrl | kShift);
  EXPECT_EQ(field->SelText(), kFamily);
  key(kKeyLeft, kCtrl);
  EXPECT_EQ(field->SelStart(), 7);
  key(kKeyLeft, kCtrl);
  EXPECT_EQ(field->SelStart(), 4);
}

TEST_F(GraphemeKeys, SelStartInsideAClusterMovesToItsStart) {
  field->put_Text("x" + kFlagDE + "y");
  field->put_SelStart(2);
  EXPECT_EQ(field->SelStart(), 1);
  EXPECT_EQ(field->SelLength(), 0);
  field->put_SelStart(3);
  EXPECT_EQ(field->SelStart(), 3) << "a boundary stays";
  field->put_Text(kFamily);
  field->put_SelStart(4);
  EXPECT_EQ(field->SelStart(), 0);
  field->put_SelStart(9);
  EXPECT_EQ(field->SelStart(), 5) << "still clamped to the text";
}

TEST_F(GraphemeKeys, SelLengthEndingInsideAClusterTakesAllOfIt) {
  field->put_Text("x" + kFamily + "y");
  field->put_SelStart(0);
  field->put_SelLength(2);
  EXPECT_EQ(field->SelLength(), 6);
  EXPECT_EQ(field->SelText(), "x" + kFamily);
  field->put_SelLength(1);
  EXPECT_EQ(field->SelLength(), 1) << "a boundary stays";
  field->put_SelStart(1);
  field->put_SelLength(std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(field->SelLength(), 6) << "clamped to the text without overflowing";
  EXPECT_EQ(field->SelStart(), 1);
}

TEST_F(GraphemeKeys, ALetterTypedBeforeALoneMarkPutsTheCaretAfterTheCharacterItMakes) {
  field->put_Text("\u0301!");
  type(U'e');
  EXPECT_EQ(field->Text(), kAcute + "!");
  EXPECT_EQ(field->SelStart(), 2);
  key(kKeyLeft);
  EXPECT_EQ(field->SelStart(), 0);
}

TEST_F(GraphemeKeys, AMaskedFieldEditsByClusterToo) {
  field->put_PasswordChar("*");
  field->put_Text(kFlagDE + kAcute);
  key(kKeyRight);
  EXPECT_EQ(field->SelStart(), 2);
  key(kKeyEnd);
  back();
  EXPECT_EQ(field->Text(), kFlagDE);
  key(kKeyRight, kCtrl);
  EXPECT_EQ(field->SelStart(), 2) << "its word stops are still the ends";
}

TEST_F(GraphemeKeys, AsciiTextEditsByCodePointAsBefore) {
  field->put_Text("a\tb");
  key(kKeyRight);
  key(kKeyRight);
  EXPECT_EQ(field->SelStart(), 2);
  back();
  EXPECT_EQ(field->Text(), "ab");
  field->put_SelStart(1);
  field->put_SelLength(1);
  EXPECT_EQ(field->SelText(), "b");
}

// ---- The field on a live desktop: clipboard and mouse -------------------------

class GraphemeFieldOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = desktop.create_form("frm");
    form->set_bounds_twips(0, 0, 400 * 15, 100 * 15);
    desktop.activate(form.get());
    // A 3D field 300 pixels wide: its text starts 3 pixels in.
    field = testing::place<TextBox>(*form, "txt", {10, 10, 310, 31});
    desktop.set_focus(*field);
  }
  // A left press, a drag with the button held and a double click, at `x`
  // pixels into the text (its first character's left edge is 0).
  void mouse(std::string_view event, int x, std::int16_t button = 1) {
    Value args[] = {button, std::int16_t{0}, static_cast<float>((x + kTextLeft) * 15), 150.0f};
    field->mouse_input(event, args);
  }
  static constexpr int kTextLeft = 3;
  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form;
  std::shared_ptr<TextBox> field;
};

TEST_F(GraphemeFieldOnForm, PasteWithinMaxLengthTakesWholeClustersOnly) {
  desktop.clipboard().set_text("ab" + kFamily + "c");
  field->put_MaxLength(4);
  std::int16_t ctrl_v = 22;
  field->key_press(ctrl_v);
  EXPECT_EQ(field->Text(), "ab") << "room for four code points: the family of five does not fit";
  field->put_MaxLength(7);
  field->put_Text("");
  field->key_press(ctrl_v);
  EXPECT_EQ(field->Text(), "ab" + kFamily);
}

TEST_F(GraphemeFieldOnForm, APressInsideAClusterGoesToItsNearerEdge) {
  field->put_Text("a" + kFamily + "b");  // the family is code points 1 to 5
  const TextRuler ruler = field->ruler();
  const int start = ruler.x_of(1);
  const int end = ruler.x_of(6);
  ASSERT_LT(start, end);
  for (std::int32_t inside = 2; inside <= 5; ++inside) {
    const int x = ruler.x_of(inside);
    mouse("MouseDown", x);
    mouse("MouseUp", x);
    const std::int32_t nearer = x - start < end - x ? 1 : 6;
    EXPECT_EQ(field->SelStart(), nearer) << "a press at code point boundary " << inside;
  }
  mouse("MouseDown", start + 1);
  mouse("MouseUp", start + 1);
  EXPECT_EQ(field->SelStart(), 1);
  mouse("MouseDown", end - 1);
  mouse("MouseUp", end - 1);
  EXPECT_EQ(field->SelStart(), 6);
}

TEST_F(GraphemeFieldOnForm, ADragEndsOnClusterBoundaries) {
  field->put_Text("a" + kFlagDE + kFlagFR);  // flags at 1 and 3
  const TextRuler ruler = field->ruler();
  mouse("MouseDown", 0);
  for (int x = 0; x <= ruler.x_of(5); ++x) {
    mouse("MouseMove", x);
    const std::int32_t end = field->SelLength();
    EXPECT_TRUE(end == 0 || end == 1 || end == 3 || end == 5) << "dragged to x " << x << ": " << end;
  }
  EXPECT_EQ(field->SelLength(), 5);
  mouse("MouseUp", ruler.x_of(5));
}

TEST_F(GraphemeFieldOnForm, ADoubleClickSelectsAWholeWordWithItsCombiningMarks) {
  field->put_Text("ab cafe\u0301 de");  // a b blank c a f e mark blank d e: the word is 3 to 8
  const TextRuler ruler = field->ruler();
  for (std::int32_t on : {3, 6, 7}) {
    const int x = (ruler.x_of(on) + ruler.x_of(on + 1)) / 2;
    mouse("MouseDown", x);
    mouse("MouseUp", x);
    mouse("DblClick", x);
    mouse("MouseUp", x);
    EXPECT_EQ(field->SelStart(), 3) << "on character " << on;
    EXPECT_EQ(field->SelLength(), 5) << "on character " << on;
    EXPECT_EQ(field->SelText(), "cafe\u0301");
  }
}

TEST_F(GraphemeFieldOnForm, ADoubleClickOnABlankOrPunctuationTakesTheMarkOnIt) {
  field->put_Text("ab \u0301cd");  // a b [blank mark] c d
  TextRuler ruler = field->ruler();
  int x = (ruler.x_of(2) + ruler.x_of(3)) / 2;
  mouse("MouseDown", x);
  mouse("MouseUp", x);
  mouse("DblClick", x);
  mouse("MouseUp", x);
  EXPECT_EQ(field->SelStart(), 2);
  EXPECT_EQ(field->SelLength(), 2) << "the blank with its mark, not the blank alone";

  field->put_Text("x.\u0301y");  // x [full stop mark] y
  ruler = field->ruler();
  x = (ruler.x_of(1) + ruler.x_of(2)) / 2;
  mouse("MouseDown", x);
  mouse("MouseUp", x);
  mouse("DblClick", x);
  mouse("MouseUp", x);
  EXPECT_EQ(field->SelStart(), 1);
  EXPECT_EQ(field->SelLength(), 2);
}

}  // namespace
}  // namespace okit
