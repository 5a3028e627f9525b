// Reading the strokes of each corner's shape, the outline parser and the stroke forms table.
#include "tools/drill_pictures/corner_strokes.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "stroke_extract.h"
#include "temp_dir.h"
#include "tools/drill_pictures/outline.h"
#include "tools/drill_pictures/stroke_forms.h"

namespace tavrel::drill_pictures {
namespace {

using testing::glyph_of;
using Strokes = std::vector<int>;

struct HandChecked {
  const char* character;
  const char* code;
  std::array<Strokes, 5> strokes;  // stroke indexes from 0, per position
};

// Read by hand from the characters' strokes: which strokes make each position's shape.
const HandChecked kHandChecked[] = {
    {"口", "60000", {Strokes{0, 1, 2}, {}, {}, {}, {}}},
    // The upper box of 日 stands at the upper left; its foot is a 横 of its own.
    {"日", "60100", {Strokes{0, 1, 2}, {}, {3}, {}, {}}},
    // The 竖 of 中 runs through the top and the foot of its box: 插; the box stands above.
    {"中", "50006", {Strokes{1, 2, 3}, {}, {}, {}, {0, 1, 2}}},
    // A frame: the box is the outer strokes; its foot gives the lower left again.
    {"国", "60103", {Strokes{0, 1, 7}, {}, {7}, {}, {6}}},
    // Two strokes meeting at the upper left, the turn of 横折钩 at the upper right; the foot of
    // the 竖撇 and the hook are the lower corners' 0s.
    {"月", "77000", {Strokes{0, 1}, {1}, {0}, {1}, {}}},
    // A 撇 alone at the top gives the upper right nothing; the cross below.
    {"千", "00400", {Strokes{0}, {}, {1, 2}, {}, {}}},
    {"文", "30400", {Strokes{0}, {}, {2, 3}, {}, {}}},
    // The dot of 宀 alone at the top, not the dot below it nearer the corner.
    {"安", "30404", {Strokes{0}, {}, {3, 4}, {}, {4, 5}}},
    // 小 is one shape: its 竖钩 is not a 0 of its own at the foot.
    {"小", "90000", {Strokes{0, 1, 2}, {}, {}, {}, {}}},
    {"八", "80000", {Strokes{0, 1}, {}, {}, {}, {}}},
    {"打", "51000", {Strokes{0, 1, 2}, {3}, {}, {4}, {}}},
    {"丁", "10000", {Strokes{0}, {}, {1}, {}, {}}},
    {"上", "21100", {Strokes{0}, {1}, {2}, {}, {}}},
    {"的", "07600", {Strokes{0}, {6}, {1, 2, 4}, {6}, {}}},
    {"字", "30407", {Strokes{0}, {}, {4, 5}, {}, {3}}},
    {"说", "38716", {Strokes{0}, {2, 3}, {1}, {8}, {4, 5, 6}}},
    {"快", "95030", {Strokes{0, 1, 2}, {3, 4, 5}, {}, {6}, {}}},
    {"是", "60801", {Strokes{0, 1, 2}, {}, {7, 8}, {}, {4}}},
    // The turn of 门 at the upper right, its hook again at the lower right.
    {"们", "07200", {Strokes{0}, {4}, {1}, {4}, {}}},
};

TEST(CornerStrokes, FindTheStrokesOfEachShapeAsReadByHand) {
  for (const auto& expected : kHandChecked) {
    SCOPED_TRACE(expected.character);
    const CornerStrokes found = find_corner_strokes(glyph_of(expected.character), expected.code);
    for (int position = 0; position < 5; ++position) {
      EXPECT_EQ(found.strokes[position], expected.strokes[position]) << "position " << position;
      EXPECT_TRUE(found.shaped[position]) << "position " << position;
    }
  }
}

TEST(CornerStrokes, AShapeThatIsNotThereIsOnlyAGuess) {
  // 口 has no 八: the strokes nearest the corner are drawn, but the position is not shaped.
  const CornerStrokes found = find_corner_strokes(glyph_of("口"), "80000");
  EXPECT_FALSE(found.shaped[0]);
  EXPECT_FALSE(found.all_shaped());
  EXPECT_EQ(found.strokes[0].size(), 1u);
  EXPECT_THROW(find_corner_strokes(glyph_of("口"), "6000"), std::invalid_argument);
  EXPECT_THROW(find_corner_strokes(glyph_of("口"), "6000a"), std::invalid_argument);
}

TEST(CornerStrokes, ShapesAreToldApartByTheirStrokes) {
  EXPECT_TRUE(has_shape(glyph_of("十"), '4'));
  EXPECT_FALSE(has_shape(glyph_of("十"), '5'));  // one crossing only
  EXPECT_TRUE(has_shape(glyph_of("中"), '5'));
  EXPECT_TRUE(has_shape(glyph_of("口"), '6'));
  EXPECT_FALSE(has_shape(glyph_of("八"), '6'));
  EXPECT_TRUE(has_shape(glyph_of("八"), '8'));
  EXPECT_FALSE(has_shape(glyph_of("十"), '8'));
  EXPECT_TRUE(has_shape(glyph_of("小"), '9'));
  EXPECT_FALSE(has_shape(glyph_of("八"), '9'));
  EXPECT_TRUE(has_shape(glyph_of("了"), '7'));
  EXPECT_FALSE(has_shape(glyph_of("十"), '7'));  // crossing strokes do not meet in a corner
  EXPECT_FALSE(has_shape(glyph_of("十"), '0'));
}

TEST(Outline, ParsesTheCommandsOfTheStrokeData) {
  const auto steps = parse_outline("M 10 20 L 30 20 Q 40 30 30 40 C 20 50 10 50 10 40 Z");
  ASSERT_EQ(steps.size(), 5u);
  EXPECT_EQ(steps[0].kind, OutlineStep::kMove);
  EXPECT_EQ(steps[2].kind, OutlineStep::kQuad);
  EXPECT_DOUBLE_EQ(steps[2].points[0].x, 40);
  EXPECT_DOUBLE_EQ(steps[3].points[1].x, 10);
  EXPECT_DOUBLE_EQ(steps[3].points[2].y, 40);
  const auto polygons = flatten(steps, 4);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].size(), 1u + 1u + 4u + 4u);
  // The curve through (40, 30) bulges to x = 35 at its middle.
  EXPECT_DOUBLE_EQ(polygons[0][3].x, 35);
  for (const char* bad : {"L 1 2", "M 1", "M 1 2 A 3 4", "M 1 2 L x 2"})
    EXPECT_THROW(parse_outline(bad), std::invalid_argument) << bad;
}

TEST(Outline, BoundsCoverTheOutlinesOfTheChosenStrokes) {
  const gen::Glyph& ten = glyph_of("十");
  const Bounds all = glyph_bounds(ten), upright = glyph_bounds(ten, {1});
  EXPECT_LT(all.left, upright.left);
  EXPECT_GT(all.right, upright.right);
  EXPECT_LE(all.top, 900);
  EXPECT_GE(all.bottom, -124);
  // The outline is wider than the median line it is drawn round.
  double median_left = 1e9;
  for (const auto& p : ten[0].median) median_left = std::min(median_left, p.x);
  EXPECT_LT(all.left, median_left);
}

TEST(StrokeForms, TheTableGivesEveryDigitFormsWhoseStrokesMakeItsShape) {
  const auto forms = read_stroke_forms(TAVREL_FORMS_TABLE);
  std::map<char, int> per_digit;
  std::set<std::string> stems;
  for (const auto& form : forms) {
    SCOPED_TRACE(form.stem);
    EXPECT_TRUE(stems.insert(form.stem).second) << "stem twice";
    const gen::Glyph& glyph = glyph_of(form.character);
    gen::Glyph cut;
    for (const int stroke : form.strokes) {
      ASSERT_LT(stroke, static_cast<int>(glyph.size()));
      cut.push_back(glyph[static_cast<std::size_t>(stroke)]);
    }
    EXPECT_TRUE(has_shape(cut, form.digit)) << "the strokes do not make a " << form.digit;
    ++per_digit[form.digit];
  }
  for (char digit = '0'; digit <= '9'; ++digit) EXPECT_GE(per_digit[digit], 3) << digit;
}

TEST(StrokeForms, MalformedLinesAreRefused) {
  tavrel::testing::TempDir dir;
  const auto good =
      read_stroke_forms(dir.write("good.tsv", "# comment\nbx_a\t十\t1,2\t4\t十\tcross\n"));
  ASSERT_EQ(good.size(), 1u);
  EXPECT_EQ(good[0].strokes, (std::vector<int>{0, 1}));
  EXPECT_EQ(good[0].digit, '4');
  for (const char* bad : {"bx_a\t十\t1,2\t4\t十\n", "bx_a\t十\t0\t4\t十\twhy\n",
                          "bx_a\t十\t1\t44\t十\twhy\n", "bx_a\t十\t1,x\t4\t十\twhy\n"})
    EXPECT_THROW(read_stroke_forms(dir.write("bad.tsv", bad)), std::runtime_error) << bad;
  EXPECT_THROW(read_stroke_forms(dir.path() / "missing.tsv"), std::runtime_error);
}

}  // namespace
}  // namespace tavrel::drill_pictures
