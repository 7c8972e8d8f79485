// The flash download against a scripted receiver in virtual time: what the program sends, when,
// and how it takes each answer.

#include "serial/FlashDownload.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "FakeLine.h"
#include "ImageBuilder.h"
#include "serial/PortSelection.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

using test::Bytes;
using test::bytesOf;
using test::operator+;

const Bytes kOffer = bytesOf(kDnOperReq);
const Bytes kAckBytes = bytesOf(kAck);
const Bytes kNxtBytes = bytesOf(kNxt);
const Bytes kErrBytes = bytesOf(kErr);
const Bytes kDisBytes = bytesOf(kDis);
const Bytes kSilence;

// How many writes carried exactly this message.
size_t countWrites(const test::FakeLine& line, const Bytes& message) {
    return static_cast<size_t>(std::count_if(line.writes.begin(), line.writes.end(),
                                             [&](const auto& w) { return w.data == message; }));
}

const char* const kSuccess = "Flash download is terminated successfully.\n";
const char* const kAbnormal = "Flash download is terminated abnormally\n";

// A receiver that answers by the kind of each write: ACK to its offer gets NXT, a 14-byte header
// and a packet body get the next scripted reply (ACK when none is left), DIS gets ACK and then
// the termination replies. An empty reply is silence.
struct Receiver {
    explicit Receiver(test::FakeLine& l) : line(l) {
        line.onWrite = [this](const Bytes& w) { react(w); };
    }

    void react(const Bytes& w) {
        if (w == kAckBytes) {
            line.arrive(next(nxtReplies, kNxtBytes));
        } else if (w.size() == kDnHeaderSize) {
            headers.push_back(w);
            line.arrive(next(headerReplies, kAckBytes));
        } else if (w == kDisBytes) {
            line.arrive(next(disReplies, kAckBytes));
            for (const Bytes& r : termination) line.arrive(r);
            termination.clear();
        } else if (w.size() > kDnHeaderSize) {
            bodies.push_back(w);
            line.arrive(next(bodyReplies, kAckBytes));
        }
    }

    static Bytes next(std::deque<Bytes>& replies, const Bytes& otherwise) {
        if (replies.empty()) return otherwise;
        Bytes r = replies.front();
        replies.pop_front();
        return r;
    }

    test::FakeLine& line;
    std::deque<Bytes> nxtReplies, headerReplies, bodyReplies, disReplies;
    std::deque<Bytes> termination{bytesOf(kPok)};
    std::vector<Bytes> headers, bodies;
};

class FlashDownloadTest : public ::testing::Test {
protected:
    FlashDownloadTest() { settings.portDevices[1] = "/dev/ttyUSB7"; }

    int download(const Bytes& image) {
        test::writeFile(imagePath, std::string(image.begin(), image.end()));
        return flashDownload(line, settings, ui, imagePath);
    }

    bool saw(const std::string& text) const {
        return std::find(ui.windowTexts.begin(), ui.windowTexts.end(), text) !=
               ui.windowTexts.end();
    }

    test::TempDir dir;
    std::string imagePath = dir.file("list.bin");
    RuntimeSettings settings{.comPort = 2};
    test::RecordingUi ui;
    test::FakeLine line;
    Receiver receiver{line};
};

TEST_F(FlashDownloadTest, SendsEveryPacketWithItsHeaderAndReportsSuccess) {
    const std::vector<Bytes> packets{test::packetData(4080, 1), test::packetData(720, 7)};
    const Bytes image = test::downloadImage(packets);
    line.arrive(kOffer);
    ASSERT_EQ(download(image), 1);

    EXPECT_EQ(line.events.front(), "open /dev/ttyUSB7");
    EXPECT_EQ(ui.messages, std::vector<std::string>{kSuccess});
    EXPECT_EQ(
        ui.windowTexts,
        (std::vector<std::string>{
            test::RecordingUi::kCleared, "serial initialize\r\n", "Try to make connection...\r\n",
            "Waitiing Message from Satellite Receiver\r\n",
            "CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read 1 "
            "times\r\n",
            "\r\nConnetion established...\r\n", "send DN_HEADER => 1 times\r\n",
            "\r\nNow, we start to send data packet\r\n",
            "\r\nWaiting termination message from STB.\r\n", "\r\nDisconnecting serial port\r\n",
            // The result is written in the window too.
            kSuccess}));

    // ACK, image header, then NXT, packet header, NXT, body for each packet, then NXT, DIS.
    const Bytes imageHeader(image.begin(), image.begin() + 14);
    const size_t firstBody = 14 + 16 + 4080;
    const Bytes body0(image.begin() + 14, image.begin() + firstBody);
    const Bytes body1(image.begin() + firstBody, image.end());
    ASSERT_EQ(line.writes.size(), 12u);
    const std::vector<Bytes> expected{kAckBytes, imageHeader, kNxtBytes, receiver.headers[1],
                                      kNxtBytes, body0,       kNxtBytes, receiver.headers[2],
                                      kNxtBytes, body1,       kNxtBytes, kDisBytes};
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(line.writes[i].data, expected[i]) << i;

    // Each packet header: STX, the length and its complement, byte 9 of the image header, CRC.
    for (size_t n = 1; n <= 2; ++n) {
        const Bytes& h = receiver.headers[n];
        const uint32_t length = static_cast<uint32_t>(packets[n - 1].size());
        const Bytes lengthBytes{0, 0, static_cast<uint8_t>(length >> 8),
                                static_cast<uint8_t>(length)};
        EXPECT_EQ(h[0], 0x02);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(h[1 + i], lengthBytes[i]);
            EXPECT_EQ(h[5 + i], static_cast<uint8_t>(~lengthBytes[i]));
        }
        EXPECT_EQ(h[9], image[9]);
        const uint32_t crc = crc32(h.data(), 10);
        EXPECT_EQ(Bytes(h.begin() + 10, h.end()),
                  (Bytes{static_cast<uint8_t>(crc >> 24), static_cast<uint8_t>(crc >> 16),
                         static_cast<uint8_t>(crc >> 8), static_cast<uint8_t>(crc)}));
    }

    // Connecting reads under the connect profile, everything after under the idle profile.
    EXPECT_EQ(line.reads[0].profile, TimeoutProfile::Connect);
    EXPECT_EQ(line.reads[1].profile, TimeoutProfile::Connect);
    EXPECT_EQ(line.reads[2].profile, TimeoutProfile::Idle);
    EXPECT_EQ(line.events.back(), "close");
    // Progress rises with the file read, to 100, and goes before the result's box.
    EXPECT_EQ(ui.progressReports,
              (std::vector<int>{static_cast<int>(firstBody * 100 / image.size()), 100,
                                test::RecordingUi::kProgressEnded}));
    // Every write and every read that brought bytes told the user interface.
    const auto reads = std::count_if(line.reads.begin(), line.reads.end(),
                                     [](const auto& r) { return r.got > 0; });
    EXPECT_EQ(ui.activityReports, static_cast<int>(line.writes.size() + reads));
}

TEST_F(FlashDownloadTest, ACancelEndsTheTransferAtTheNextPacketWithoutABox) {
    const Bytes image = test::downloadImage({test::packetData(4080, 1), test::packetData(720, 7)});
    line.arrive(kOffer);
    ui.cancelWhen = [&] { return !ui.progressReports.empty(); };
    EXPECT_EQ(download(image), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.windowTexts.back(), "Transfer cancelled by the user.\r\n");
    EXPECT_EQ(line.events.back(), "close");
    // The first packet went out whole; nothing of the second, and no DIS.
    ASSERT_EQ(line.writes.size(), 6u);
    EXPECT_EQ(line.writes.back().data.size(), 12u + 4080u + 4u);
}

TEST_F(FlashDownloadTest, ACancelWhileTheReceiverIsSilentEndsTheWaitWithinASlice) {
    // The receiver falls silent while connecting, after a body, or after DIS; the user cancels
    // 2 s after the line last moved.
    const Bytes image = test::downloadImage({test::packetData(64)});
    test::writeFile(imagePath, std::string(image.begin(), image.end()));
    const std::function<void(test::FakeLine&, Receiver&)> silences[] = {
        [](test::FakeLine&, Receiver&) {},
        [](test::FakeLine& l, Receiver& r) {
            l.arrive(kOffer);
            r.bodyReplies = {kSilence};
        },
        [](test::FakeLine& l, Receiver& r) {
            l.arrive(kOffer);
            r.disReplies = {kSilence};
            r.termination.clear();
        },
    };
    for (const auto& silence : silences) {
        test::FakeLine l;
        Receiver r(l);
        test::RecordingUi u;
        silence(l, r);
        const auto cancelAtMs = [&] {
            return (l.writes.empty() ? 0 : l.writes.back().atUs / 1000) + 2000;
        };
        u.cancelWhen = [&] { return l.nowMs() >= cancelAtMs(); };
        EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0);
        EXPECT_TRUE(u.messages.empty()) << u.messages.front();
        EXPECT_EQ(u.windowTexts.back(), "Transfer cancelled by the user.\r\n");
        EXPECT_LE(l.nowMs(), cancelAtMs() + 200);
        EXPECT_FALSE(l.isOpen());
    }
}

TEST_F(FlashDownloadTest, RealignsOnAnStxFollowedByHInTheFirstEightBytes) {
    // The line was opened in the middle of an offer: its last 3 bytes come first.
    line.arrive(Bytes{0x65, 0x69, 0x03} + kOffer);
    line.arrive(kOffer, 100);
    ASSERT_EQ(download(test::downloadImage({})), 1);
    EXPECT_EQ(line.reads[0].wanted, 8u);
    EXPECT_EQ(line.writes[0].data, kErrBytes);
    // Now 11 bytes are read and bytes 3 to 10 are compared.
    EXPECT_EQ(line.reads[1].wanted, 11u);
    EXPECT_EQ(line.writes[1].data, kAckBytes);
    EXPECT_TRUE(
        saw("CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read 2 "
            "times\r\n"));
}

TEST_F(FlashDownloadTest, AnStxInTheLastPlaceOrNoneAtAllSetsTheOffset) {
    // An STX only in the last place of the first read moves the offset to 7: reads of 15 bytes.
    line.arrive(Bytes{1, 2, 3, 4, 5, 6, 7} + kOffer);
    line.arrive(kOffer, 100);
    EXPECT_EQ(download(test::downloadImage({})), 1);
    EXPECT_EQ(line.reads[1].wanted, 15u);

    // Eight bytes without any message start leave the offset alone and count a failure; two such
    // reads end the connection attempt.
    test::FakeLine quiet;
    Receiver answers(quiet);
    test::RecordingUi quietUi;
    quiet.arrive(bytesOf("garbage!") + bytesOf("more junk"));
    EXPECT_EQ(flashDownload(quiet, settings, quietUi, imagePath), 0);
    EXPECT_EQ(quiet.reads.size(), 2u);
    EXPECT_EQ(quiet.reads[1].wanted, 8u);
    EXPECT_EQ(quiet.writes.size(), 2u);  // ERR after each
    EXPECT_EQ(quietUi.messages, std::vector<std::string>{"Connetion fail with STB.\n"});
}

TEST_F(FlashDownloadTest, ASilentReceiverFailsAfterTwoConnectReadsOfFivePointOneSeconds) {
    EXPECT_EQ(download(test::downloadImage({test::packetData(16)})), 0);
    ASSERT_EQ(line.reads.size(), 2u);
    for (const auto& read : line.reads) {
        EXPECT_EQ(read.wanted, 8u);
        EXPECT_EQ(read.got, 0u);
        EXPECT_EQ(read.endUs - read.startUs, 5100 * 1000);
    }
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Connetion fail with STB.\n"});
    EXPECT_EQ(std::count(ui.windowTexts.begin(), ui.windowTexts.end(),
                         "Waitiing Message from Satellite Receiver\r\n"),
              2);
    EXPECT_FALSE(line.isOpen());
}

TEST_F(FlashDownloadTest, AWrongAnswerToAckKeepsConnectingWithoutCountingAFailure) {
    // The receiver offers again 100 ms after each ERR. Its answers to ACK: another offer, wrong
    // bytes (ERR both times), a short answer (no ERR), then NXT. None of these counts as a failure,
    // two of which would end the connection attempt.
    int acks = 0;
    line.onWrite = [&](const Bytes& w) {
        if (w == kAckBytes && ++acks < 4) {
            if (acks == 1) line.arrive(kOffer);
            if (acks == 2) line.arrive(bytesOf("NOTNXT!!"));
            if (acks == 3) {
                line.arrive(Bytes{0x02, 0x4E});
                line.arrive(kOffer, 700);
            }
        } else if (w == kErrBytes) {
            line.arrive(kOffer, 100);
        } else {
            receiver.react(w);
        }
    };
    line.arrive(kOffer);
    ASSERT_EQ(download(test::downloadImage({test::packetData(32)})), 1);
    EXPECT_EQ(acks, 4);
    EXPECT_EQ(countWrites(line, kErrBytes), 2u);
    EXPECT_TRUE(
        saw("CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while read 4 "
            "times\r\n"));
}

TEST_F(FlashDownloadTest, AReceiverThatNeverTakesTheAckEndsConnecting) {
    // Every ACK is answered with another offer: three are let pass, the next two count as failures.
    int acks = 0;
    line.onWrite = [&](const Bytes& w) {
        if (w == kAckBytes) {
            ++acks;
            line.arrive(kOffer);
            line.arrive(kOffer, 100);
        }
    };
    line.arrive(kOffer);
    EXPECT_EQ(download(test::downloadImage({test::packetData(32)})), 0);
    EXPECT_EQ(acks, 5);
    EXPECT_EQ(ui.messages.back(), "Connetion fail with STB.\n");
    EXPECT_FALSE(line.isOpen());
}

TEST_F(FlashDownloadTest, AHeaderOnlyImageGoesFromTheHeaderStraightToTheEnd) {
    line.arrive(kOffer);
    ASSERT_EQ(download(test::downloadImage({})), 1);
    ASSERT_EQ(line.writes.size(), 4u);
    EXPECT_EQ(line.writes[2].data, kNxtBytes);
    EXPECT_EQ(line.writes[3].data, kDisBytes);
    EXPECT_EQ(ui.progressReports, std::vector<int>{test::RecordingUi::kProgressEnded});
}

TEST_F(FlashDownloadTest, RetriesHeadersAndBodiesThreeTimes) {
    // The image header on its third sending, a packet body on its third sending (once a short
    // answer, once wrong bytes): the download completes.
    receiver.headerReplies = {bytesOf("NO"), kErrBytes};
    receiver.bodyReplies = {Bytes{0x02, 0x41, 0x43}, kNxtBytes};
    line.arrive(kOffer);
    ASSERT_EQ(download(test::downloadImage({test::packetData(100)})), 1);
    EXPECT_EQ(receiver.bodies.size(), 3u);
    EXPECT_TRUE(saw("send DN_HEADER => 3 times\r\n"));
    // NXT, a brief pause, the body; a brief pause before each further sending.
    const auto nxt = std::find(line.events.begin(), line.events.end(), "pause 1");
    EXPECT_EQ(std::count(nxt, line.events.end(), std::string("pause 1")), 3);
}

TEST_F(FlashDownloadTest, GivesUpAfterThreeUnacknowledgedSendings) {
    const Bytes image = test::downloadImage({test::packetData(10)});
    test::writeFile(imagePath, std::string(image.begin(), image.end()));
    struct Case {
        std::deque<Bytes> Receiver::*replies;
        const char* message;
        size_t packetHeaders;
    };
    const Case cases[] = {
        {&Receiver::headerReplies, "\nSTB doesn't ack.\n", 0},
        {&Receiver::bodyReplies, "\nAborting to send data due to communication problems!\n", 1},
    };
    for (const Case& c : cases) {
        test::FakeLine l;
        Receiver r(l);
        test::RecordingUi u;
        r.*c.replies = {kErrBytes, kErrBytes, kErrBytes};
        l.arrive(kOffer);
        EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0);
        EXPECT_EQ(u.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(l.isOpen());
        EXPECT_EQ(countWrites(l, kDisBytes), 0u);
    }
    // The packet's own header unacknowledged three times.
    test::FakeLine l;
    Receiver r(l);
    test::RecordingUi u;
    r.headerReplies = {kAckBytes, kErrBytes, kErrBytes, kErrBytes};
    l.arrive(kOffer);
    EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{"\nSTB doesn't ack\n"});
    EXPECT_EQ(r.headers.size(), 4u);
}

TEST_F(FlashDownloadTest, TheEndWaitsForPokOrPer) {
    // PER stops the wait at once.
    receiver.termination = {bytesOf(kPer), bytesOf(kPok)};
    line.arrive(kOffer);
    EXPECT_EQ(download(test::downloadImage({test::packetData(8)})), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kAbnormal});
    EXPECT_EQ(line.reads.back().got, 8u);
    EXPECT_TRUE(saw("\r\nDisconnecting serial port\r\n"));

    // Thirty messages that are neither use up the wait; a thirty-first POK comes too late.
    test::FakeLine l;
    Receiver r(l);
    test::RecordingUi u;
    r.termination.assign(30, kNxtBytes);
    r.termination.push_back(bytesOf(kPok));
    l.arrive(kOffer);
    EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{kAbnormal});
    // DIS is sent until acknowledged, at most three times; the end goes on without an ACK.
    test::FakeLine noAck;
    Receiver n(noAck);
    test::RecordingUi nu;
    n.disReplies = {kErrBytes, kErrBytes, kErrBytes};
    n.termination = {kErrBytes, kErrBytes, kErrBytes, bytesOf(kPok)};
    noAck.arrive(kOffer);
    EXPECT_EQ(flashDownload(noAck, settings, nu, imagePath), 1);
    EXPECT_EQ(countWrites(noAck, kDisBytes), 3u);
}

TEST_F(FlashDownloadTest, AReceiverThatFallsSilentEndsTheTransferWithinItsBound) {
    // Silent after the image header: each of the three body sendings waits out the silence
    // limit, then the download gives up with its message.
    receiver.bodyReplies = {kSilence, kSilence, kSilence};
    line.arrive(kOffer);
    EXPECT_EQ(download(test::downloadImage({test::packetData(64)})), 0);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"\nAborting to send data due to communication problems!\n"});
    EXPECT_LE(line.nowMs(), 3 * kSilenceLimitMs + 100);

    // Silent after the last body: one silent DIS and one silent termination read end it.
    test::FakeLine l;
    Receiver r(l);
    test::RecordingUi u;
    r.disReplies = {kSilence};
    r.termination.clear();
    l.arrive(kOffer);
    EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{kAbnormal});
    EXPECT_EQ(countWrites(l, kDisBytes), 1u);
    EXPECT_LE(l.nowMs(), 2 * kSilenceLimitMs + 100);
}

TEST_F(FlashDownloadTest, ADeviceThatDisappearsEndsTheTransferWithoutLooping) {
    const Bytes image = test::downloadImage({test::packetData(50), test::packetData(50)});
    for (int vanishAt : {1, 2, 4, 6, 11}) {
        test::FakeLine l;
        Receiver r(l);
        test::RecordingUi u;
        l.vanishAfterWrites = vanishAt;
        l.arrive(kOffer);
        test::writeFile(imagePath, std::string(image.begin(), image.end()));
        EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0) << vanishAt;
        EXPECT_FALSE(l.isOpen());
        EXPECT_EQ(u.messages, std::vector<std::string>{kDeviceGoneMessage}) << vanishAt;
        // No retry reaches the dead device more than once.
        EXPECT_LE(std::count(l.events.begin(), l.events.end(), std::string("write")), vanishAt + 1);
        EXPECT_LT(l.nowMs(), 6000);
    }
}

TEST_F(FlashDownloadTest, DamagedImagesAreRefusedWithTheirMessages) {
    const Bytes good = test::downloadImage({test::packetData(40)});
    Bytes badMagic = good;
    badMagic[1] = 0xAB;
    Bytes badMarker = good;
    badMarker[15] = 'Y';
    Bytes hugeLength = good;
    hugeLength[14 + 8] = 0x01;  // L = 0x01000028
    struct Case {
        Bytes image;
        const char* message;
    };
    const Case cases[] = {
        {Bytes(good.begin(), good.begin() + 13), "ERRER in reading file header.\n"},
        {badMagic, "File header format is not correct.\n"},
        {Bytes(good.begin(), good.begin() + 20), "\nERROR in reading File read error.\n"},
        {badMarker, "File packet information is not correct.\n"},
        {hugeLength, "File packet information is not correct.\n"},
        {Bytes(good.begin(), good.end() - 1), "\nFile read error.\n"},
    };
    for (const Case& c : cases) {
        test::FakeLine l;
        Receiver r(l);
        test::RecordingUi u;
        test::writeFile(imagePath, std::string(c.image.begin(), c.image.end()));
        l.arrive(kOffer);
        EXPECT_EQ(flashDownload(l, settings, u, imagePath), 0) << c.message;
        EXPECT_EQ(u.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(l.isOpen());
        EXPECT_TRUE(r.bodies.empty());
    }
}

TEST_F(FlashDownloadTest, PortAndFileProblemsStopBeforeTheLine) {
    // No such file: nothing is opened.
    EXPECT_EQ(flashDownload(line, settings, ui, dir.file("missing.bin")), 0);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Fail to open input file " + dir.file("missing.bin") +
                                       "wr\nRetry after compile!!"});
    EXPECT_TRUE(line.events.empty());

    // Port numbers outside 1 to 4 never touch a device.
    const Bytes image = test::downloadImage({});
    test::writeFile(imagePath, std::string(image.begin(), image.end()));
    for (int number : {0, 5, -1}) {
        test::RecordingUi u;
        RuntimeSettings illegal{.comPort = number};
        EXPECT_EQ(flashDownload(line, illegal, u, imagePath), 0);
        EXPECT_EQ(u.messages, std::vector<std::string>{
                                  "Selected Com Port is illegal!!!, Select again at Option Menu"});
    }
    EXPECT_TRUE(line.events.empty());

    // A device that cannot be opened.
    test::RecordingUi u;
    line.refuseOpen = true;
    EXPECT_EQ(flashDownload(line, settings, u, imagePath), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{"Serial Port Open FAILED!!!"});
    EXPECT_NE(u.windowTexts.end()[-2].find("Fail to open serial port [COM2 = /dev/ttyUSB7]\n"),
              std::string::npos);
    EXPECT_EQ(u.windowTexts.back(), "Serial Port Open FAILED!!!\r\n");

    // Refused line settings are shown and the download goes on.
    test::FakeLine l;
    Receiver r(l);
    test::RecordingUi v;
    l.refuseConfigure = true;
    l.arrive(kOffer);
    EXPECT_EQ(flashDownload(l, settings, v, imagePath), 1);
    EXPECT_EQ(v.messages, (std::vector<std::string>{"Serial Initialize failed", kSuccess}));
}

}  // namespace
}  // namespace sky
