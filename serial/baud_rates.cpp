#include "baud_rates.h"

const std::uint32_t baudRates[baudRateCount] = {4800,  9600,   19200,  38400,
                                                57600, 115200, 460800, 921600};
