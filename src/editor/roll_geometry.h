#pragma once
// The piano roll's geometry, all in twips (1/1440 inch, 15 to a pixel at the
// design resolution): the row and time mappings, the scroll ranges and the
// constants of the keyboard strip. Rows are numbered 1..85 from the top; row
// r shows note number 84 - r, and the band y = 0..h is the ruler strip.

#include <cstdint>
#include <string>

#include "song/song_model.h"

namespace ruvo {

constexpr int kTwipsPerPixel = 15;
constexpr int kKeyboardWidth = 1560;   // the roll begins at this x
constexpr int kBlackKeyLength = 900;
constexpr int kRollRows = 85;
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 8;
constexpr int kRowHeightSmall = 180;
constexpr int kRowHeightMiddle = 210;
constexpr int kRowHeightLarge = 240;
constexpr int kPictureTop = 420;       // the roll sits under the top bar
// One character per row of an octave: '2' a white key whose upper
// neighbour is white too (B, E), '1' a black key, '0' any other white key.
constexpr const char* kKeyPattern = "2101010210102";

struct RollView {
  int zoom = 2;          // 1..8; larger shows more time per pixel
  int rowHeight = kRowHeightMiddle;
  int hPos = 0;          // first beat at the roll's left edge
  int vPos = 36;         // rows scrolled up
};

// Size of the drawing surface in twips.
struct RollSize {
  int width = 0;
  int height = 0;
};

// The key kind of a row: '0', '1' or '2' of kKeyPattern.
char rowKeyKind(int row);
int rowTop(int row, const RollView& view);
int noteNumberRow(int noteNumber);
// Beat spacing of the grid: 1920 / zoom rounded to whole twips.
int beatSpacing(int zoom);
// Note-label font size in points for a row height.
int labelFontSize(int rowHeight);

// Highest horizontal scroll value for a song length in ticks.
int hScrollMaximum(int64_t songLength, int pictureWidth, int zoom);
// Highest vertical scroll value for the picture height.
int vScrollMaximum(int rowHeight, int pictureHeight);
// Vertical position after the song is cleared: 36, or half the range when
// the range is not above 35.
int vPositionAfterClear(int vMaximum);
// The scroll positions that show the opening notes of a song (its first
// kOpeningNotes sung notes with a key) in a picture `pictureHeight` twips
// high: the beat before the first of them at the left, their rows in the
// middle (within 0..vMaximum). A song without such notes: the start of the
// song and vPositionAfterClear.
constexpr size_t kOpeningNotes = 32;
RollView openingView(const Song& song, RollView view, int pictureHeight, int vMaximum);

// The tempo the box's text stands for: its leading number, 30 when that is
// not above 0.
float tempoOfBox(const std::string& text);
// Seconds as the status bar shows them: "0.000000 sec".
std::string secondsText(double seconds);
// Panel 1: the length of one beat at the tempo box's tempo.
std::string beatLengthText(const std::string& tempoBoxText);

}  // namespace ruvo
