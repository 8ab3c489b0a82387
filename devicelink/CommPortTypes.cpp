#include "devicelink/CommPortTypes.h"

#include <cmath>

uint32_t BaudRateOf(int rate)
{
    static constexpr uint32_t table[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                                         14400, 19200, 28800, 38400, 56000, 57600, 115200};
    if (rate < 0 || rate >= int(sizeof table / sizeof table[0])) return 0;
    return table[rate];
}

int32_t DelayForRX(int rate, int32_t n)
{
    uint32_t bps = BaudRateOf(rate);
    if (bps == 0) return 0;
    return int32_t(std::lround(double(n) / (bps / 10.0) * 1000.0));
}
