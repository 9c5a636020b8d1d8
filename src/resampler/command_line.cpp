#include "resampler/command_line.h"

#include <cmath>

#include "core/numbers.h"
#include "song/note_name.h"
#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

Result<double> number(const std::string& text, const char* what) {
  auto parsed = parseLeadingNumber(text);
  if (!parsed || parsed->length != text.size() || !std::isfinite(parsed->value))
    return fail(ErrorCode::BadArgument, std::string(what) + " '" + text + "' is not a number");
  return parsed->value;
}

}  // namespace

Result<Request> parseCommandLine(std::span<const std::string> args) {
  if (args.size() < 7)
    return fail(ErrorCode::BadArgument,
                "usage: resampler IN OUT NOTE VELOCITY FLAGS OFFSET LENGTH [CONSONANT [BLANK [VOLUME [MODULATION [PITCH...]]]]]");
  Request request;
  request.input = args[0];
  request.output = args[1];
  request.noteText = args[2];
  if (int note = noteNumberOf(args[2]); note >= 0) request.note = note;
  request.flags = parseFlags(args[4]);

  struct Field {
    size_t index;
    const char* name;
    double* target;
  };
  const Field fields[] = {
      {3, "VELOCITY", &request.velocity}, {5, "OFFSET", &request.offsetMs},      {6, "LENGTH", &request.lengthMs},
      {7, "CONSONANT", &request.consonantMs}, {8, "BLANK", &request.blankMs},   {9, "VOLUME", &request.volume},
      {10, "MODULATION", &request.modulation},
  };
  for (const Field& field : fields) {
    if (field.index >= args.size()) break;
    auto value = number(args[field.index], field.name);
    if (!value) return tl::unexpected(value.error());
    *field.target = *value;
  }
  if (request.lengthMs < 0 || request.lengthMs > kMaxOutputMs)
    return fail(ErrorCode::BadArgument, "LENGTH '" + args[6] + "' is outside 0..600000 ms");
  if (args.size() > 11) request.curve = parsePitchCurve(args.subspan(11));
  else request.curve = parsePitchCurve({});
  return request;
}

}  // namespace ruvo::resampler
