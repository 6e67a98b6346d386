#include "ticks/StepChoice.h"

#include <algorithm>

int ChooseStep(std::span<const StepCount> steps, int maxTicks)
{
    const auto fits = [maxTicks](const StepCount& s) { return s.ticks <= maxTicks; };
    const auto first = std::find_if(steps.begin(), steps.end(), fits);
    const auto plain = std::find_if(first, steps.end(), [&](const StepCount& s) { return s.plain && fits(s); });
    const auto chosen = plain != steps.end() && plain->ticks >= std::min(kFewestTicks, maxTicks) ? plain : first;
    return chosen == steps.end() ? -1 : int(chosen - steps.begin());
}
