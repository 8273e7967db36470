// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/core/virtual_radio.h"

#include <gtest/gtest.h>

#include <string>

namespace zq61::sim {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ascii(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// All bytes the radio sends back for `request`, in order.
Bytes answer(VirtualRadio& radio, const Bytes& request, int64_t now = 0) {
    Bytes all;
    for (const Chunk& c : radio.receive(request, now))
        all.insert(all.end(), c.bytes.begin(), c.bytes.end());
    return all;
}

Bytes writeFrame(int address, uint8_t fill, bool soundSum = true) {
    Bytes f = {0x57, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x10};
    f.resize(20, fill);
    unsigned sum = 0;
    for (size_t i = 1; i < f.size(); ++i)
        sum += f[i];
    f.push_back(static_cast<uint8_t>(sum + (soundSum ? 0 : 1)));
    f.push_back(0x06);
    return f;
}

TEST(VirtualRadio, AnswersOnlyBetweenHandshakeAndEnd) {
    RadioSettings s;
    s.bandMode = 1;
    s.ctcssDcs = false;
    VirtualRadio radio(s);
    EXPECT_TRUE(answer(radio, {0x02}).empty());
    EXPECT_EQ(answer(radio, ascii("PROGRAM")), (Bytes{0x4C, 0x4D, 0x06}));
    EXPECT_EQ(answer(radio, {0x02}),
              (Bytes{0x49, 'Z', 'Q', '-', '6', '1', 0, 0, 1, 'V', '1', '0', '0', 0, 0, 0x06}));
    EXPECT_EQ(answer(radio, ascii("END")), Bytes{0x06});
    EXPECT_TRUE(answer(radio, {0x52, 0x00, 0x00, 0x10}).empty());
    EXPECT_FALSE(radio.inProgramMode());
}

TEST(VirtualRadio, ReadsAndWritesItsImages) {
    RadioSettings s;
    s.password = "AB";
    VirtualRadio radio(s);
    answer(radio, ascii("PROGRAM"));
    // The VFO slot starts empty; the protection block holds the password.
    const Bytes vfo = answer(radio, {0x52, 0x1A, 0x00, 0x10});
    ASSERT_EQ(vfo.size(), 22u);
    EXPECT_EQ(Bytes(vfo.begin() + 4, vfo.begin() + 8), (Bytes{0xFF, 0xFF, 0xFF, 0x00}));
    const Bytes protection = answer(radio, {0x52, 0x3E, 0x10, 0x10});
    EXPECT_EQ(Bytes(protection.begin() + 16, protection.begin() + 20), (Bytes{'A', 'B', 0, 0}));

    EXPECT_EQ(answer(radio, writeFrame(0x0120, 0x5A, false)), Bytes{0x0A});
    EXPECT_EQ(radio.memory()[0x0120], 0x00);
    EXPECT_EQ(answer(radio, writeFrame(0x0120, 0x5A)), Bytes{0x06});
    EXPECT_EQ(radio.memory()[0x012F], 0x5A);
    EXPECT_EQ(answer(radio, writeFrame(0x3E10, 0x11)), Bytes{0x06});  // not stored
    EXPECT_EQ(radio.info()[0x1C], 'A');
    EXPECT_EQ(radio.framesWritten(), 1);
}

TEST(VirtualRadio, EchoesAtOnceAndAnswersInOrderAfterItsDelay) {
    RadioSettings s;
    s.echo = true;
    s.replyDelayMs = 7;
    VirtualRadio radio(s);
    const auto chunks = radio.receive(ascii("PROGRAM"), 100);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].atMs, 100);
    EXPECT_EQ(chunks[0].bytes, ascii("PROGRAM"));
    EXPECT_EQ(chunks[1].atMs, 107);

    // A frame split over two calls is put together; one left half-way is
    // dropped when the next bytes come much later.
    const Bytes frame = writeFrame(0x0010, 0x33);
    EXPECT_EQ(radio.receive(Bytes(frame.begin(), frame.begin() + 5), 200).size(), 1u);
    const auto rest = radio.receive(Bytes(frame.begin() + 5, frame.end()), 202);
    EXPECT_EQ(rest.back().bytes, Bytes{0x06});
    radio.receive(Bytes(frame.begin(), frame.begin() + 5), 300);
    EXPECT_EQ(radio.receive(Bytes{0x02}, 400).back().bytes[0], 0x49);
}

}  // namespace
}  // namespace zq61::sim
