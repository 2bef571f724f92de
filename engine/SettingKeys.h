#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Every key of the settings store, so that no key text is typed twice.
namespace Quiverstep::Keys {

inline constexpr std::string_view Application = "Orrerix";
inline constexpr std::string_view Section = "Quiverstep";

inline constexpr std::string_view DitherType = "Dither Type";
inline constexpr std::string_view DitherStep = "Dither Step";
inline constexpr std::string_view MaxDitherX = "Max Dither X";
inline constexpr std::string_view MaxDitherY = "Max Dither Y";
inline constexpr std::string_view AO7Compatible = "AO7 Compatible";
inline constexpr std::string_view Log = "Log";
inline constexpr std::string_view LogFile = "LogFile";
inline constexpr std::string_view CurrentStep = "Current Step";
inline constexpr std::string_view CurrentDirection = "Current Direction";
inline constexpr std::string_view CurrentOffsetX = "Current Offset X";
inline constexpr std::string_view CurrentOffsetY = "Current Offset Y";
inline constexpr std::string_view Version = "Version";
inline constexpr std::string_view SpiralInOut = "Spiral InOut";
inline constexpr std::string_view SpiralRadius = "Spiral Radius";
inline constexpr std::string_view SpiralDirectionX = "Spiral Direction X";
inline constexpr std::string_view SpiralDirectionY = "Spiral Direction Y";
inline constexpr std::string_view SpiralStartX = "Spiral Start X";
inline constexpr std::string_view SpiralStartY = "Spiral Start Y";
inline constexpr std::string_view SpiralPosX = "Spiral Pos X";
inline constexpr std::string_view SpiralPosY = "Spiral Pos Y";
inline constexpr std::string_view NewPatternHorizontalSnake = "New Pattern Horizontal Snake";
inline constexpr std::string_view NewPatternVerticalSnake = "New Pattern Vertical Snake";

inline constexpr std::string_view PatternPrefix = "Pattern";

// Every key above but the patterns, whose keys are "Pattern" followed by a number.
inline constexpr std::array<std::string_view, 22> All = {DitherType,
                                                         DitherStep,
                                                         MaxDitherX,
                                                         MaxDitherY,
                                                         AO7Compatible,
                                                         Log,
                                                         LogFile,
                                                         CurrentStep,
                                                         CurrentDirection,
                                                         CurrentOffsetX,
                                                         CurrentOffsetY,
                                                         Version,
                                                         SpiralInOut,
                                                         SpiralRadius,
                                                         SpiralDirectionX,
                                                         SpiralDirectionY,
                                                         SpiralStartX,
                                                         SpiralStartY,
                                                         SpiralPosX,
                                                         SpiralPosY,
                                                         NewPatternHorizontalSnake,
                                                         NewPatternVerticalSnake};

// What readers take when a key is absent, where more than one reader needs it.
namespace Defaults {
inline constexpr std::string_view DitherType = "0";
inline constexpr std::string_view DitherStep = "1";
inline constexpr std::string_view MaxDither = "4";
inline constexpr std::string_view Position = "16"; // the offsets and the spiral's grid fields
} // namespace Defaults

// "Pattern" followed by n as integer text: "Pattern2".
std::string Pattern(std::int64_t n);

} // namespace Quiverstep::Keys
