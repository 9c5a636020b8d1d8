#pragma once
// The pitch curve text of a property record and the point values the curve
// editor works with. The text holds cents relative to the note's key, either
// in the tempo-based form "first" "Q" tempo, then " value" per further point
// (one point every 96th of a beat from the start of the note's sound), or in
// the old form of plain values, one per frame of the recording's frequency
// table. The editor's values are tenths of the stored ones (ten to a semitone).

#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

// The highest point index the editor keeps (3049 points).
constexpr int kMaxPointIndex = 3048;
// Editor values are kept within this many units either way, so that a
// damaged text cannot carry huge or non-finite numbers through the editor.
constexpr float kPointValueLimit = 10000.0f;

// True for the old form: a non-empty text whose first value holds neither "P" nor "Q".
bool isOldCurveForm(std::string_view text);

// Values 0..highestIndex from the text: element i's leading number / 10,
// elements beyond the text (or beyond the highest index) 0.
std::vector<float> curvePointsOf(std::string_view text, int highestIndex);

// The text of the points: the first value (with "Q" and the tempo in the
// tempo-based form), then the further values up to the last one that is not
// 0; empty when every value is 0 or there is no point. Each value is written
// as floor(value x 1000) / 100.
std::string curveTextOf(const std::vector<float>& values, bool oldForm, float tempo);

}  // namespace ruvo
