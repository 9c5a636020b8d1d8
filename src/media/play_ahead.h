#pragma once
// When a sound still being written may play: it waits while less than
// kWaitBelow seconds lie ready ahead of the play position and goes on once
// kGoOnAt seconds are ready or nothing more will come. The gap between the
// two keeps a render that barely keeps up from starting and stopping on
// every note.

namespace ruvo {

inline constexpr double kWaitBelow = 0.5;
inline constexpr double kGoOnAt = 1.0;

// Whether playback waits next, given whether it waits now, the seconds ready
// ahead of the play position, and whether the sound is complete.
constexpr bool playAheadWaits(bool waiting, double secondsAhead, bool complete) {
  if (complete) return false;
  return waiting ? secondsAhead < kGoOnAt : secondsAhead < kWaitBelow;
}

}  // namespace ruvo
