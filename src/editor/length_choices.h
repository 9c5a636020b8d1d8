#pragma once
// The entries of the length chooser: the default length of the notes the
// editing commands and lyric entry create.

#include <array>
#include <string_view>

namespace ruvo {

struct LengthChoice {
  std::string_view label;
  int ticks;
};

constexpr std::array<LengthChoice, 7> kLengthChoices{{
    {"L2  ２分音符", 3840},
    {"L3  ３連２分", 2560},
    {"L4  ４分音符", 1920},
    {"L6  ３連４分", 1280},
    {"L8  ８分音符", 960},
    {"L12 ３連８分", 640},
    {"L16 16分音符", 480},
}};
// The entry chosen at start-up (a quarter note).
constexpr size_t kDefaultLengthChoice = 2;

}  // namespace ruvo
