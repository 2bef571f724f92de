#include "GeneratedPatterns.h"

#include "Pattern.h"
#include "SettingKeys.h"

namespace Quiverstep {

namespace {
constexpr int Reach = 5;
} // namespace

std::string GeneratedHorizontalSnake()
{
    return HorizontalSnake("Horizontal Snake", Reach, "BOTTOM");
}

std::string GeneratedVerticalSnake()
{
    return VerticalSnake("Vertical Snake", Reach, "BOTTOM");
}

void GeneratePatterns(const Settings &settings)
{
    StoreOperation operation(settings.store());
    settings.Save(Keys::NewPatternHorizontalSnake, GeneratedHorizontalSnake());
    settings.Save(Keys::NewPatternVerticalSnake, GeneratedVerticalSnake());
    operation.Commit();
}

} // namespace Quiverstep
