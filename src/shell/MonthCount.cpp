#include "shell/MonthCount.h"

#include "birthdays/PersonCalculations.h"
#include "platform/Text.h"
#include "platform/View.h"

namespace ntx {

std::string monthCountText(std::int32_t count, const char* label, int month) {
    const std::string text =
        std::to_string(count) + label + std::string(trimRight(monthName(month)));
    return std::string(cutToCharacters(text, 30));
}

MonthCountResult countThisMonth(ThreadContext& thread, FileAccessManager& file,
                                const MonthCountSettings& settings, Date today) {
    MonthCountResult result;
    thread.errors().registerProcedure(settings.procedure);
    thread.takeRequest();
    if (file.open()) {
        // Every record of the month key is read and its month compared; a count with the
        // month as a filter selects exactly those records in one query.
        View all(file, {settings.key});
        const std::int64_t read = all.count();
        if (read > 0) {
            ViewOptions o{settings.key, "MONTH(" + std::string(settings.dateField) +
                                            ") = " + std::to_string(monthOf(today))};
            View matching(file, o);
            const std::int64_t n = matching.count();
            if (n >= 0) {
                result.count = static_cast<std::int32_t>(n);
                result.text = monthCountText(result.count, settings.label, monthOf(today));
            }
        }
        file.close();
    }
    thread.errors().unregisterProcedure();
    return result;
}

}  // namespace ntx
