#include "OvcoordRun.h"
#include "ShareService.h"

#include <QTemporaryDir>

namespace {

// The share command against the reference service, and the division export it sits beside.
TEST(ShareCommand, LinkFromTheServiceAndExitCodesByFailure)
{
    ShareService service;
    ASSERT_FALSE(service.address().isEmpty());
    QTemporaryDir dir;
    qputenv("OV_DATA_DIR", dir.path().toUtf8());
    const QString address = service.address();
    expectCommandLines(
        {
            { "share|110105|--service|%d", 0,
                "division: 110105 朝阳区\nlink: https://pan.baidu.com/s/1110105Range\ncode: " },
            { "share|110105|--service|http://127.0.0.1:1", 1, nullptr,
                "no answer from the service" },
        },
        address);
    EXPECT_EQ(service.lastRequest().value("adcode").toString(), QStringLiteral("110105"));
    service.setFault(QStringLiteral("error-code"));
    expectCommandLines({ { "share|110105|--service|%d", 2, nullptr, "refused" } }, address);

    // The export never writes over what is there.
    expectCommandLines(
        {
            { "division|110105|--export|%d/cy.shp", 0, "written: " },
            { "division|110105|--export|%d/cy.shp", 1, nullptr, "nothing written" },
        },
        dir.path());
    qunsetenv("OV_DATA_DIR");
}

} // namespace
