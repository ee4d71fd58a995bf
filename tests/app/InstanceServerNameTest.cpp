#include "app/InstanceServerName.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <functional>
#include <vector>

namespace {

InstanceNameSources installedProgram()
{
    InstanceNameSources sources;
    sources.applicationName = "QZTablet";
    sources.applicationVersion = "3.5.10.2";
    sources.applicationFilePath = "C:/Program Files/QZTablet/QZTablet.exe";
    sources.userName = "zelvo";
    return sources;
}

} // namespace

// SHA-256 of "SingleApplicationQZTablet3.5.10.2c:/program files/qztablet/qztablet.exezelvo",
// whose base64 holds two "/".
TEST(InstanceServerName, IsTheBase64OfTheHashOfItsSourcesWithSlashesAsUnderscores)
{
    EXPECT_EQ(instanceServerName(installedProgram()), "_egZCqmWS0NzV+4p+VD_30cYntOMAceLJfi8eiZhoIo=");
}

TEST(InstanceServerName, StartsMeetOnlyWhenEverySourceButTheCaseOfThePathIsEqual)
{
    using Change = std::function<void(InstanceNameSources &)>;
    const std::vector<std::pair<Change, bool>> changes = {
        {[](auto &s) { s.applicationFilePath = "c:/PROGRAM FILES/qztablet/QZTABLET.EXE"; }, true},
        {[](auto &s) { s.extraData = QStringList{"a", "b"}; }, false},
        {[](auto &s) { s.userName = "someone"; }, false},
        {[](auto &s) { s.applicationFilePath = "C:/Tools/QZTablet.exe"; }, false},
        {[](auto &s) { s.applicationVersion = "3.5.10.3"; }, false},
        {[](auto &s) { s.applicationName = "QZTablet2"; }, false},
        {[](auto &s) { s.organizationName = "Zelvo"; }, false},
        {[](auto &s) { s.organizationDomain = "zelvo.example"; }, false},
    };
    const QString base = instanceServerName(installedProgram());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        InstanceNameSources sources = installedProgram();
        changes[i].first(sources);
        EXPECT_EQ(instanceServerName(sources) == base, changes[i].second) << "change " << i;
    }
    InstanceNameSources joined = installedProgram();
    joined.extraData = QStringList{"ab"};
    InstanceNameSources split = installedProgram();
    split.extraData = QStringList{"a", "b"};
    EXPECT_EQ(instanceServerName(joined), instanceServerName(split));
}
