#include "engine/ddc/DDCInterfaceFactory.h"

#include "engine/ddc/MccsCodes.h"
#include "engine/ddc/SimulatedDDCInterface.h"

#include <gtest/gtest.h>

namespace {

// Stands for the system's DDC/CI: counts how often it is made.
class SystemStandIn : public SimulatedDDCInterface
{
public:
    SystemStandIn() : SimulatedDDCInterface({}) {}
};

struct Maker
{
    int made = 0;
    std::shared_ptr<IDDCInterface> operator()()
    {
        ++made;
        return std::make_shared<SystemStandIn>();
    }
};

std::shared_ptr<IDDCInterface> fromSetting(const char *setting, Maker &maker)
{
    return DDCInterfaceFactory::fromSetting(QString::fromLatin1(setting), std::ref(maker));
}

} // namespace

TEST(DDCInterfaceFactory, WithoutTheSettingTheSystemsDdcIsUsed)
{
    Maker maker;
    const auto ddc = fromSetting("", maker);
    EXPECT_EQ(maker.made, 1);
    EXPECT_NE(std::dynamic_pointer_cast<SystemStandIn>(ddc), nullptr);
}

TEST(DDCInterfaceFactory, AnUnusableSettingUsesTheSystemsDdc)
{
    for (const char *setting : {"0", "9", "-1", "two", "1.5"}) {
        Maker maker;
        const auto ddc = fromSetting(setting, maker);
        EXPECT_EQ(maker.made, 1) << setting;
        EXPECT_NE(std::dynamic_pointer_cast<SystemStandIn>(ddc), nullptr) << setting;
    }
}

TEST(DDCInterfaceFactory, TheSettingCountsTheSimulatedDisplays)
{
    Maker maker;
    const auto ddc = fromSetting(" 2 ", maker);
    ASSERT_NE(ddc, nullptr);
    EXPECT_EQ(maker.made, 0);
    EXPECT_EQ(std::dynamic_pointer_cast<SystemStandIn>(ddc), nullptr);
    EXPECT_TRUE(ddc->init(0));
    EXPECT_TRUE(ddc->init(1));
    EXPECT_FALSE(ddc->init(2));
}

TEST(DDCInterfaceFactory, TheSimulatedMonitorsKeepTheirValuesBetweenInterfaces)
{
    Maker maker;
    const auto first = fromSetting("1", maker);
    ASSERT_TRUE(first->init(0));
    ASSERT_TRUE(first->setColorPreset(IDDCInterface::Preset9300K));

    const auto second = fromSetting("1", maker);
    ASSERT_TRUE(second->init(0));
    EXPECT_EQ(second->colorPreset(), IDDCInterface::Preset9300K);
    EXPECT_EQ(DDCInterfaceFactory::simulatedMonitors(1).front()->value(MccsCodes::kSelectColorPreset), 8u);
}

TEST(DDCInterfaceFactory, SimulatedMonitorsAreMadeOnceEach)
{
    const auto two = DDCInterfaceFactory::simulatedMonitors(2);
    const auto three = DDCInterfaceFactory::simulatedMonitors(3);
    ASSERT_EQ(two.size(), 2u);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(two[0], three[0]);
    EXPECT_EQ(two[1], three[1]);
    EXPECT_TRUE(DDCInterfaceFactory::simulatedMonitors(0).empty());
}
