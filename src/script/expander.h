#pragma once
// Percent expansion of one piece of script text, done before the text is
// split into words (so a variable may expand into several arguments):
//  - "%%" is one literal '%';
//  - "%0".."%9" are the script's arguments (empty when missing), "%*" all of
//    %1.. joined by single spaces;
//  - "%name%" is the variable's value, or nothing when it is undefined;
//  - a '%' with no closing '%' after it is dropped.
// The result is never expanded again, so a value holding '%' stays as it is.

#include <string>
#include <string_view>
#include <vector>

#include "script/variables.h"

namespace ruvo::batch {

std::string expandPercent(std::string_view text, const Variables& variables, const std::vector<std::string>& arguments);

}  // namespace ruvo::batch
