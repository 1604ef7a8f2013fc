// Any text given to the evaluator ends without a crash, a hang or a sanitizer report; a result
// is finite, and its full-precision text reads back as the same value to 15 digits.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numeric/EvalExpr.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> result = tooling::numeric::EvalExpr(text);
    if (result) {
        if (!std::isfinite(*result)) {
            std::abort();
        }
        // Texts of values below 1E-04 are "0" by design.
        if (std::fabs(*result) >= 1e-4) {
            const std::string written = tooling::numeric::NumText(*result, -1);
            const double read = tooling::numeric::LeadingNumber(written);
            if (!(std::fabs(read - *result) <= 1e-14 * std::fabs(*result))) {
                std::abort();
            }
        }
    }
    (void)tooling::numeric::LeadingNumber(text);
    return 0;
}
