// Downloads: the breakpoint list and the ORU image.
#include <algorithm>
#include <cstring>
#include <vector>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

namespace {

constexpr uint8_t DebugImageMark = 0x1D;
constexpr uint8_t RunImageMark = 0xA4;
constexpr uint8_t ImageFillByte = 0x00;  // past the image's end in the last block

}  // namespace

void TSXComm::DownloadBreakpoints(const uint32_t* list, int32_t n, uint32_t extra)
{
    CommandExchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::DownloadBreakpoints(%d)", int(n));
        SendSimpleCommand(kComBeginLoad);
        std::vector<uint32_t> addresses(list, list + std::max(n, 0));
        if (extra > 0) addresses.push_back(extra);
        std::vector<uint8_t> packet{kComBreakpoints, uint8_t(addresses.size())};
        for (uint32_t address : addresses) {
            packet.push_back(uint8_t(address));
            packet.push_back(uint8_t(address >> 8));
        }
        packet.push_back(Checksum(packet.data(), int32_t(packet.size())));
        TransmitPacket(packet.data(), int32_t(packet.size()));
        WaitForAck(kComBreakpoints, BreakpointAckMs);
    });
}

void TSXComm::DownloadOruFile(uint8_t* image, int32_t size, bool debug)
{
    Exchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::DownloadOruFile(%d)", int(size));
        SendSimpleCommand(kComBeginLoad);
        if (size > 0) image[0] = debug ? DebugImageMark : RunImageMark;
        const int32_t blocks = std::max(size, 0) / ImageBlockSize + (size % ImageBlockSize > 0 ? 1 : 0);
        // Progress about every twentieth of the image: the whole part of blocks x 0.05.
        const int32_t step = std::max(1, blocks / 20);
        if (host_.HasLinkWorker()) host_.SetProgressMax(blocks);
        for (int32_t i = 0; i < blocks; ++i) {
            if (host_.HasLinkWorker()) {
                host_.CheckCancel();
                if (i % step == 0) host_.SetProgress(i);
            }
            uint8_t packet[3 + ImageBlockSize];
            packet[0] = kComLoadBlock;
            packet[1] = i == 0 ? 1 : 0;
            const int32_t offset = i * ImageBlockSize;
            const int32_t count = std::min(ImageBlockSize, size - offset);
            std::memset(packet + 2, ImageFillByte, ImageBlockSize);
            std::memcpy(packet + 2, image + offset, size_t(count));
            packet[2 + ImageBlockSize] = Checksum(packet, 2 + ImageBlockSize);
            TransmitPacket(packet, int32_t(sizeof packet));
            WaitForAck(kComLoadBlock, BlockAckMs);
        }
    });
}
