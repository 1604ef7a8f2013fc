#include "tools/StatusTexts.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "tests/support/TestServices.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

TEST(StatusTexts, LibraryShapeAndMachineAsTheStatusLineShowsThem) {
    struct Row {
        const char* library;
        std::int16_t shapeNo;
        const char* machine;
        StatusTexts expected;
    };
    const Row rows[] = {
        {"Shop", 1, "  Kestrel 20T  ", {" Shop ", " Diameter", "Kestrel 20T "}},
        {"", 2, "Kestrel 20T", {"  ", " Square", "Kestrel 20T "}},
        {"Full Library",
         kRouterShapeNo,
         "Router 3015",
         {" Full Library ", " Router", "Router 3015 "}},
        {"A.Old", 14, "", {" A.Old ", " Special", " "}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.library);
        test::TestServices services;
        core::Session session(services.services);
        session.lib.LibraryName = row.library;
        session.win.CurShapeNo = row.shapeNo;
        session.machine.MachineName = row.machine;
        EXPECT_EQ(MakeStatusTexts(session), row.expected);
    }
}

}  // namespace
}  // namespace tooling::tools
