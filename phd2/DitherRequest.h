#pragma once

#include "Phd2Messages.h"
#include "SettleRule.h"

#include <optional>
#include <string>

namespace Quiverstep::Phd2 {

// The parameters of `dither`, named ({amount, raOnly, settle}) or by position.
struct DitherRequest
{
    double amount = 0; // read and checked as PHD2 does, then not used
    bool raOnly = false;
    SettleParams settle;
};

// The request, or PHD2's -32602 message for it.
struct DitherParse
{
    std::optional<DitherRequest> request;
    std::string error;
};

DitherParse ParseDither(const Json *params);

// PHD2's reading of a named or positional parameter; nullptr when absent.
const Json *Param(const Json *params, std::size_t position, const char *name);

// PHD2's `settle` object: pixels, time and timeout all present and numbers.
std::optional<SettleParams> ParseSettle(const Json &settle);

} // namespace Quiverstep::Phd2
