#include "DitherWalkReset.h"

#include "Conversions.h"
#include "DitherType.h"
#include "Errors.h"
#include "SettingKeys.h"
#include "SettingsValidation.h"

#include <cmath>

namespace Quiverstep {

bool ResetDitherWalk(const Settings &settings, std::string_view dialogStepSizeText)
{
    GuidePosition start;
    const double type = LeadingNumber(settings.Get(Keys::DitherType, Keys::Defaults::DitherType));
    if (DitherType::IsPattern(type)) {
        // The key takes the type as real number text: a stored 2.5 names "Pattern2.5".
        if (!std::isfinite(type))
            return false;
        const std::string text = settings.Get(std::string(Keys::PatternPrefix) + RealToText(type),
                                              "");
        if (text.empty())
            return false;
        double stepSize = 0;
        try {
            stepSize = StrictNumber(dialogStepSizeText);
        } catch (const ConversionError &) {
            // Only a hand-edited store can leave the box unreadable: start at the centre.
        } catch (const OverflowError &) {
        }
        start = FirstStepPosition(text, stepSize);
    }
    StoreOperation operation(settings.store());
    settings.Save(Keys::CurrentStep, "1");
    settings.Save(Keys::CurrentDirection, FlagToText(false));
    settings.Save(Keys::CurrentOffsetX, RealToText(start.x));
    settings.Save(Keys::CurrentOffsetY, RealToText(start.y));
    operation.Commit();
    return true;
}

} // namespace Quiverstep
