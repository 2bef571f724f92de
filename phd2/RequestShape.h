#pragma once

#include "Phd2Messages.h"

#include <cstddef>
#include <string>

namespace Quiverstep::Phd2 {

// How PHD2 reads the outline of a request before it runs it.

// The method of a well-formed request (an object with a string `method` and `params`, when
// present, an array or object); empty otherwise, for PHD2 to answer.
std::string MethodOf(const Json &request);

// Whether PHD2 answers the request: it has an id, or it is malformed (answered with id 0).
bool ExpectsReply(const Json &request);
bool ExpectsAnyReply(const Json &batch);

// PHD2's -32700 message for a line that is no JSON, the error at `byte` (counted from 1).
std::string ParseErrorMessage(const std::string &line, std::size_t byte);
// The -32700 message for a line with a number beyond the range of a double.
std::string NumberRangeMessage();

} // namespace Quiverstep::Phd2
