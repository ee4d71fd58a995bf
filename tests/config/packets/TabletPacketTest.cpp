#include "config/packets/PacketMetaTypes.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPacket.h"
#include "config/packets/TabletPenPacketWrapper.h"

#include <QMetaType>
#include <QVariant>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

TabletPenPacket samplePenPacket()
{
    return TabletPenPacket(TabletPenPacket::TipDown, 1200, 3400, 4095, -12, 34, 1, 0, 1);
}

void expectEmptyPenPacket(const TabletPenPacket &packet)
{
    EXPECT_EQ(packet.type, TabletPacket::None);
    EXPECT_EQ(packet.status, 0xC0u);
    EXPECT_EQ(packet.x, 0u);
    EXPECT_EQ(packet.y, 0u);
    EXPECT_EQ(packet.pressure, 0u);
    EXPECT_EQ(packet.tiltX, 0);
    EXPECT_EQ(packet.tiltY, 0);
    EXPECT_EQ(packet.button2, 0u);
    EXPECT_EQ(packet.button1, 0u);
    EXPECT_EQ(packet.eraser, 0u);
}

void expectSamePenPacket(const TabletPenPacket &actual, const TabletPenPacket &expected)
{
    EXPECT_EQ(actual.type, expected.type);
    EXPECT_EQ(actual.status, expected.status);
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.pressure, expected.pressure);
    EXPECT_EQ(actual.tiltX, expected.tiltX);
    EXPECT_EQ(actual.tiltY, expected.tiltY);
    EXPECT_EQ(actual.button2, expected.button2);
    EXPECT_EQ(actual.button1, expected.button1);
    EXPECT_EQ(actual.eraser, expected.eraser);
}

} // namespace

TEST(TabletPacket, EachValueConstructorGivesThePacketOfItsKind)
{
    const std::array<std::shared_ptr<TabletPacket>, 4> packets = {
        std::make_shared<TabletPenPacket>(samplePenPacket()),
        std::make_shared<TabletKeyPacket>(3, 1, 0),
        std::make_shared<TabletDialPacket>(1, 2),
        std::make_shared<TabletTouchPacket>(1, 5),
    };
    const std::array<std::uint32_t, 4> expectedTypes = {0, 1, 2, 3};
    for (std::size_t i = 0; i < packets.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(packets[i]->type, expectedTypes[i]);
    }
}

TEST(TabletPacket, PenPacketConstructorTakesButtonTwoBeforeButtonOne)
{
    const TabletPenPacket packet(TabletPenPacket::Hovering, 10, 20, 30, -5, 7, 1, 0, 0);

    EXPECT_EQ(packet.status, 0xA0u);
    EXPECT_EQ(packet.x, 10u);
    EXPECT_EQ(packet.y, 20u);
    EXPECT_EQ(packet.pressure, 30u);
    EXPECT_EQ(packet.tiltX, -5);
    EXPECT_EQ(packet.tiltY, 7);
    EXPECT_EQ(packet.button2, 1u);
    EXPECT_EQ(packet.button1, 0u);
    EXPECT_EQ(packet.eraser, 0u);

    const TabletPenPacket other(TabletPenPacket::Hovering, 0, 0, 0, 0, 0, 0, 1, 1);
    EXPECT_EQ(other.button2, 0u);
    EXPECT_EQ(other.button1, 1u);
    EXPECT_EQ(other.eraser, 1u);
}

TEST(TabletPacket, PenPacketCopyKeepsEveryField)
{
    const TabletPenPacket original = samplePenPacket();
    const TabletPenPacket copy(original);
    expectSamePenPacket(copy, original);
}

TEST(TabletPacket, PenPacketKeepsTheFullRangeOfCoordinatesAndPressure)
{
    const TabletPenPacket packet(TabletPenPacket::TipDown, 0xFFFFFFFFu, 0x00FFFFFFu, 0xFFFF, -128,
                                 127, 0, 0, 0);
    EXPECT_EQ(packet.x, 0xFFFFFFFFu);
    EXPECT_EQ(packet.y, 0x00FFFFFFu);
    EXPECT_EQ(packet.pressure, 0xFFFFu);
    EXPECT_EQ(packet.tiltX, -128);
    EXPECT_EQ(packet.tiltY, 127);
}

TEST(TabletPacket, PacketsReachedThroughTheBaseAreDownCastByType)
{
    const std::shared_ptr<TabletPacket> packet = std::make_shared<TabletDialPacket>(2, 1);

    ASSERT_EQ(packet->type, TabletPacket::Dial);
    const auto dial = std::dynamic_pointer_cast<TabletDialPacket>(packet);
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial->index, 2u);
    EXPECT_EQ(dial->direction, 1u);
    EXPECT_EQ(std::dynamic_pointer_cast<TabletKeyPacket>(packet), nullptr);
}

TEST(TabletPacket, OnlyAKeyPacketOfKeyZeroNotPressedIsARelease)
{
    struct Case
    {
        std::uint16_t key;
        std::uint8_t pressed;
        bool release;
    };
    const Case cases[] = {
        {0, 0, true},
        {0, 1, false},
        {1, 0, false},
        {4, 1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " pressed " << int(c.pressed));
        EXPECT_EQ(TabletKeyPacket(c.key, c.pressed, 0).isRelease(), c.release);
    }
}

TEST(TabletPacket, DefaultPacketsAreEmpty)
{
    expectEmptyPenPacket(TabletPenPacket());

    const TabletKeyPacket key;
    EXPECT_EQ(key.type, TabletPacket::None);
    EXPECT_EQ(key.key, 0u);
    EXPECT_EQ(key.pressed, 0u);
    EXPECT_EQ(key.isVirtual, 0u);

    const TabletDialPacket dial;
    EXPECT_EQ(dial.type, TabletPacket::None);
    EXPECT_EQ(dial.index, 0u);
    EXPECT_EQ(dial.direction, 0u);

    const TabletTouchPacket touch;
    EXPECT_EQ(touch.type, TabletPacket::None);
    EXPECT_EQ(touch.strip, 0u);
    EXPECT_EQ(touch.position, 0u);
}

TEST(TabletPenPacketWrapper, DefaultReadsAsPenOutOfRangeAndNotValid)
{
    const TabletPenPacketWrapper wrapper;

    expectEmptyPenPacket(wrapper.received);
    expectEmptyPenPacket(wrapper.processed);
    EXPECT_EQ(wrapper.trace, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(wrapper.valid, 0u);
    EXPECT_EQ(wrapper.pressureMin, 0u);
    EXPECT_EQ(wrapper.pressureMax, 8191u);
}

TEST(TabletPenPacketWrapper, FromTwoPacketsCopiesBothAndKeepsTheRestDefault)
{
    const TabletPenPacket received = samplePenPacket();
    const TabletPenPacket processed(TabletPenPacket::Hovering, 5, 6, 0, 1, 2, 0, 1, 0);

    const TabletPenPacketWrapper wrapper(received, processed);

    expectSamePenPacket(wrapper.received, received);
    expectSamePenPacket(wrapper.processed, processed);
    EXPECT_EQ(wrapper.trace, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(wrapper.valid, 0u);
    EXPECT_EQ(wrapper.pressureMin, 0u);
    EXPECT_EQ(wrapper.pressureMax, 8191u);
}

TEST(TabletPenPacketWrapper, TravelsThroughAVariantWithEveryField)
{
    registerPacketMetaTypes();
    TabletPenPacketWrapper wrapper(samplePenPacket(), TabletPenPacket());
    wrapper.trace = {1, 2, 3, 4, 5, 6};
    wrapper.valid = 1;
    wrapper.pressureMax = 16383;

    const QVariant variant = QVariant::fromValue(wrapper);
    ASSERT_TRUE(variant.canConvert<TabletPenPacketWrapper>());
    const auto unpacked = variant.value<TabletPenPacketWrapper>();

    expectSamePenPacket(unpacked.received, wrapper.received);
    expectEmptyPenPacket(unpacked.processed);
    EXPECT_EQ(unpacked.trace, wrapper.trace);
    EXPECT_EQ(unpacked.valid, 1u);
    EXPECT_EQ(unpacked.pressureMax, 16383u);
}

TEST(TabletComponentPacketWrapper, DefaultHoldsNoPacket)
{
    const TabletComponentPacketWrapper wrapper;

    EXPECT_EQ(wrapper.kind, TabletComponentPacketWrapper::None);
    EXPECT_EQ(wrapper.kind, 255u);
    EXPECT_EQ(wrapper.key.type, TabletPacket::None);
    EXPECT_EQ(wrapper.dial.type, TabletPacket::None);
    EXPECT_EQ(wrapper.touch.type, TabletPacket::None);
}

TEST(TabletComponentPacketWrapper, FromEachPacketKindFillsOnlyThatMember)
{
    const TabletComponentPacketWrapper wrappers[] = {
        TabletComponentPacketWrapper(TabletKeyPacket(7, 1, 1)),
        TabletComponentPacketWrapper(TabletDialPacket(2, 1)),
        TabletComponentPacketWrapper(TabletTouchPacket(1, 5)),
    };
    const std::uint32_t expectedKinds[] = {1, 2, 3};

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "kind " << expectedKinds[i]);
        const TabletComponentPacketWrapper &wrapper = wrappers[i];
        EXPECT_EQ(wrapper.kind, expectedKinds[i]);
        EXPECT_EQ(wrapper.key.type, wrapper.kind == 1 ? TabletPacket::Key : TabletPacket::None);
        EXPECT_EQ(wrapper.dial.type, wrapper.kind == 2 ? TabletPacket::Dial : TabletPacket::None);
        EXPECT_EQ(wrapper.touch.type, wrapper.kind == 3 ? TabletPacket::Touch : TabletPacket::None);
    }
    EXPECT_EQ(wrappers[0].key.key, 7u);
    EXPECT_EQ(wrappers[0].key.pressed, 1u);
    EXPECT_EQ(wrappers[0].key.isVirtual, 1u);
    EXPECT_EQ(wrappers[1].dial.index, 2u);
    EXPECT_EQ(wrappers[1].dial.direction, 1u);
    EXPECT_EQ(wrappers[2].touch.strip, 1u);
    EXPECT_EQ(wrappers[2].touch.position, 5u);
}

TEST(TabletComponentPacketWrapper, TravelsThroughAVariant)
{
    registerPacketMetaTypes();
    const TabletComponentPacketWrapper wrapper(TabletDialPacket(3, 2));

    const QVariant variant = QVariant::fromValue(wrapper);
    ASSERT_TRUE(variant.canConvert<TabletComponentPacketWrapper>());
    const auto unpacked = variant.value<TabletComponentPacketWrapper>();

    EXPECT_EQ(unpacked.kind, TabletComponentPacketWrapper::Dial);
    EXPECT_EQ(unpacked.dial.type, TabletPacket::Dial);
    EXPECT_EQ(unpacked.dial.index, 3u);
    EXPECT_EQ(unpacked.dial.direction, 2u);
    EXPECT_EQ(unpacked.key.type, TabletPacket::None);
    EXPECT_EQ(unpacked.touch.type, TabletPacket::None);
}

TEST(PacketMetaTypes, BothWrappersAreKnownByTheirNamesAndRegisteringTwiceKeepsTheIds)
{
    registerPacketMetaTypes();
    const int penId = QMetaType::type("TabletPenPacketWrapper");
    const int componentId = QMetaType::type("TabletComponentPacketWrapper");
    registerPacketMetaTypes();

    EXPECT_NE(penId, QMetaType::UnknownType);
    EXPECT_NE(componentId, QMetaType::UnknownType);
    EXPECT_NE(penId, componentId);
    EXPECT_EQ(penId, qMetaTypeId<TabletPenPacketWrapper>());
    EXPECT_EQ(componentId, qMetaTypeId<TabletComponentPacketWrapper>());
    EXPECT_EQ(QMetaType::type("TabletPenPacketWrapper"), penId);
    EXPECT_EQ(QMetaType::type("TabletComponentPacketWrapper"), componentId);
}

// A queued signal copies its arguments through the meta-type found by the argument's type name.
TEST(PacketMetaTypes, AWrapperCopiedByItsRegisteredNameKeepsItsPackets)
{
    registerPacketMetaTypes();
    const TabletComponentPacketWrapper wrapper(TabletKeyPacket(4, 1, 0));
    const int id = QMetaType::type("TabletComponentPacketWrapper");
    ASSERT_NE(id, QMetaType::UnknownType);

    void *copy = QMetaType::create(id, &wrapper);
    ASSERT_NE(copy, nullptr);
    const auto &queued = *static_cast<const TabletComponentPacketWrapper *>(copy);
    EXPECT_EQ(queued.kind, TabletComponentPacketWrapper::Key);
    EXPECT_EQ(queued.key.key, 4u);
    EXPECT_EQ(queued.key.pressed, 1u);
    QMetaType::destroy(id, copy);
}
