#include "app/InstanceFrames.h"
#include "app/PeerConnection.h"

#include "Crc16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString kServer = QStringLiteral("server-name");

QByteArray frame(const QByteArray &body)
{
    return InstanceFrames::header(body.size()) + body;
}

QByteArray initFrame()
{
    return frame(InstanceFrames::initBody(kServer, InstanceFrames::kSecondaryConnection, 2));
}

// What the primary does with a conversation that arrives in pieces of `chunk` bytes: a letter
// per step ('a' acknowledge, 'm' message, 'r' refuse), and the messages.
struct Transcript
{
    std::string steps;
    std::vector<QByteArray> messages;
    PeerConnection peer;
};

Transcript replay(const QByteArray &conversation, int chunk)
{
    Transcript transcript;
    QByteArray pending;
    for (int at = 0; at < conversation.size(); at += chunk) {
        pending += conversation.mid(at, chunk);
        PeerStep step;
        while ((step = transcript.peer.advance(pending, kServer)).kind != PeerStep::NeedMore) {
            pending.remove(0, step.consumed);
            transcript.steps += "?amr"[step.kind];
            if (step.kind == PeerStep::Message)
                transcript.messages.push_back(step.message);
            if (step.kind == PeerStep::Refuse)
                return transcript;
        }
    }
    return transcript;
}

} // namespace

TEST(InstanceFrames, HeaderIsABigEndianLengthAndTheInitBodyCarriesItsChecksum)
{
    EXPECT_EQ(InstanceFrames::header(0x0102).toHex(), QByteArray("0000000000000102"));
    const QByteArray body = InstanceFrames::initBody(QStringLiteral("ab"), 3, 0x01020304);
    ASSERT_EQ(body.size(), 13);
    EXPECT_EQ(body.left(11).toHex(), QByteArray("00000002" "6162" "03" "01020304"));
    EXPECT_EQ(quint16(quint8(body[11]) << 8 | quint8(body[12])), isoCrc16(body.left(11)));
}

// Byte by byte, in small pieces or all at once: each frame is taken only once it is complete.
TEST(PeerConnection, AcknowledgesEachCompleteFrameAndDeliversEveryMessage)
{
    const QByteArray conversation = initFrame() + frame("Zelvo Tablet Driver") + frame("") + frame("again");
    for (const int chunk : {1, 3, 8, 1000}) {
        const Transcript transcript = replay(conversation, chunk);
        EXPECT_EQ(transcript.steps, "aaamamam") << "chunk " << chunk;
        EXPECT_EQ(transcript.messages, (std::vector<QByteArray>{"Zelvo Tablet Driver", "", "again"}));
        EXPECT_EQ(transcript.peer.instanceId, 2u);
    }
    PeerConnection peer;
    EXPECT_EQ(peer.advance(initFrame().left(7), kServer).kind, PeerStep::NeedMore);
}

TEST(PeerConnection, RefusesABadInitBodyAndALengthBelowZeroOrAbove64KiB)
{
    QByteArray wrongChecksum = initFrame();
    wrongChecksum[wrongChecksum.size() - 1] = char(wrongChecksum.back() ^ 1);
    const QByteArray init = InstanceFrames::initBody(kServer, InstanceFrames::kSecondaryConnection, 1);
    const std::vector<std::pair<QByteArray, std::string>> conversations = {
        {frame(InstanceFrames::initBody("other-server", 3, 1)), "ar"},
        {wrongChecksum, "ar"},
        {frame(init.left(init.size() - 3)), "ar"},
        {frame(""), "ar"},
        {frame(init + 'x'), "ar"},
        {InstanceFrames::header(-5) + init, "r"},
        {InstanceFrames::header(65537), "r"},
        {initFrame() + InstanceFrames::header(65537), "aar"},
        {initFrame() + InstanceFrames::header(qint64(1) << 40), "aar"},
        {initFrame() + frame(QByteArray(65536, 'x')), "aaam"},
    };
    for (std::size_t i = 0; i < conversations.size(); ++i)
        EXPECT_EQ(replay(conversations[i].first, 1000).steps, conversations[i].second) << "conversation " << i;
}
