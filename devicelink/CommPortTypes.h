#pragma once
#include <cstdint>

// Settings of TCommPortDriver, in the order of their indices.
enum TComPortNumber : int {
    pnCOM1, pnCOM2, pnCOM3, pnCOM4, pnCOM5, pnCOM6, pnCOM7, pnCOM8, pnCOM9, pnCOM10,
    pnCOM11, pnCOM12, pnCOM13, pnCOM14, pnCOM15, pnCOM16, pnCOM17, pnCOM18, pnCOM19
};
constexpr int ComPortCount = 19;

enum TComPortBaudRate : int {
    br110, br300, br600, br1200, br2400, br4800, br9600, br14400,
    br19200, br28800, br38400, br56000, br57600, br115200
};
enum TComPortDataBits : int { db5BITS, db6BITS, db7BITS, db8BITS };
enum TComPortStopBits : int { sb1BITS, sb1HALFBITS, sb2BITS };
enum TComPortParity : int { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TComPortHwHandshaking : int { hhNONE, hhRTSCTS };
enum TComPortSwHandshaking : int { shNONE, shXONXOFF };
enum TPacketMode : int { pmDiscard, pmPass };

// Bits per second of a rate; 0 for an index outside the table.
uint32_t BaudRateOf(int rate);
// Milliseconds to receive n bytes at a rate, to the nearest millisecond.
int32_t DelayForRX(int rate, int32_t n);
